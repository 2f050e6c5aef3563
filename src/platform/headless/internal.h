// Shared pieces of the headless stand-in's modules. Not for tests: they use control.h.
#pragma once

#include <cstdint>
#include <string>

namespace headless::internal {

// Each module's part of Reset().
void ResetProcess();
void ResetRegistry();
void ResetFiles();
void ResetMessageBoxes();
void ResetGui();
void ResetText();
void ResetEmbedded();

// Upper-casing by the rules of code page 1252, as the system does it for ANSI texts.
std::string UpperCase1252(const std::string& text);

// The screen's pixels per inch as the test set it.
int PixelsPerInch();

// True on the thread that RunProcess started for the program.
bool OnProcessThread();
// Stops the program's process because a test left it waiting for something no script gives.
[[noreturn]] void StopProcess(unsigned exitCode, const std::string& failure);

// Called on a process end: windows closed, files and keys of the process released.
void EndProcessGui();
void EndProcessFiles();

}  // namespace headless::internal
