// Steps that many scenarios take with the setup under test.
#pragma once

#include <string>

#include "harness.h"

namespace e2e {

inline constexpr const char* kWizardTitle = "SETUP - QVDLumorak";

// Waits for the setup to end after the named step and checks its exit code of 0.
void ExpectExitCodeZero(const Process& setup, const std::string& after);
// Clicks the button of that text in a window of the setup and expects the setup to end with 0.
void ClickAndExpectExitCodeZero(const Process& setup, HWND window, const std::string& button);

}  // namespace e2e
