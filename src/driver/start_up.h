// The order of one run of the setup, from its entry to its end.
#pragma once

#include <cstdint>

namespace driver {

// The process entry: runs once, top to bottom, and ends through EndSetup.
[[noreturn]] void RunSetup();

// The steps of the run.
void InitialiseSettings();
void RefuseSecondInstance();
std::int32_t ShowIntroAndWizard();

// Releases what the platform holds and ends the process with exit code 0. Every way out of the
// setup goes through here.
[[noreturn]] void EndSetup();

}  // namespace driver
