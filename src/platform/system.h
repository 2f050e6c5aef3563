// Kernel services: process, command line, clock, system version, named mutexes, temporary
// folder, local time, program start and the system's ANSI upper-casing.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/windows_names.h"

namespace platform {

// Sets up what the window, control and drawing services need. Called once at program start.
void InitialisePlatform();
// Releases windows, fonts, pictures, brushes and open files that the platform still holds.
void ReleasePlatform();
// Ends the process with the given exit code.
[[noreturn]] void EndProcess(unsigned exitCode);

// The program's arguments after its own name, with surrounding double quotes removed.
std::vector<std::string> CommandLineArguments();

// The system's millisecond tick count (GetTickCount; wraps after 49.7 days).
std::uint32_t TickCount();
// Suspends the program for the given number of milliseconds.
void PauseMilliseconds(std::uint32_t milliseconds);

// GetVersionExA with the record's size field set to 148.
struct OsVersion {
  bool known = false;  // false when the call failed
  std::uint32_t platformId = 0;
  std::uint32_t major = 0;
  std::uint32_t minor = 0;
};
OsVersion QueryOsVersion();

// OpenMutexA(MUTEX_ALL_ACCESS, inheritable, name); a handle obtained is closed at once.
bool NamedMutexOpens(const std::string& name);
// CreateMutexA with an inheritable handle and initial ownership. The mutex is held until the
// process ends.
enum class MutexCreation { Created, AlreadyExisted, Failed };
MutexCreation CreateHeldMutex(const std::string& name);

// The user's temporary folder (GetTempPathA, made long with GetLongPathNameA where possible),
// ending with a backslash; empty when the system gives none.
std::string TemporaryFolder();

struct LocalDateTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};
LocalDateTime CurrentLocalTime();

// Starts a program as a separate process without waiting for it. The command line is the file
// name in double quotes, followed by one blank and the argument when there is one; an empty
// working folder leaves the choice to the system. True when the process was created.
bool StartProgram(const std::string& file, const std::string& argument,
                  const std::string& workingFolder);

// The text upper-cased with the system's rules for its ANSI code page (umlauts included).
std::string UpperCaseAnsi(const std::string& text);

}  // namespace platform
