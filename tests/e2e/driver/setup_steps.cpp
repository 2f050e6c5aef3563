#include "setup_steps.h"

namespace e2e {

void ExpectExitCodeZero(const Process& setup, const std::string& after) {
  const auto code = WaitForExit(setup, 20000);
  if (Check(code.has_value(), "the setup ends after " + after)) {
    CheckEqual(*code, 0u, "exit code after " + after);
  }
}

void ClickAndExpectExitCodeZero(const Process& setup, HWND window, const std::string& button) {
  HWND control = WaitForControl(window, "Button", button);
  if (!Check(control != nullptr, "the window has " + button)) return;
  Click(control);
  ExpectExitCodeZero(setup, button);
}

}  // namespace e2e
