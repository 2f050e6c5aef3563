#include "main_program_wait.h"

#include <windows.h>

#include "../common/product_facts.h"

namespace uninstaller {
namespace {

constexpr DWORD kPatience = 15000;  // milliseconds before the user is asked
constexpr DWORD kPollInterval = 100;

// Every copy of the main program holds the named mutex open while it runs, so the name exists
// exactly as long as one runs. A mutex that exists but may not be opened runs too.
bool MainProgramRuns() {
  HANDLE mutex = OpenMutexA(SYNCHRONIZE, FALSE, product::kMainProgramMutex);
  if (mutex != nullptr) {
    CloseHandle(mutex);
    return true;
  }
  return GetLastError() == ERROR_ACCESS_DENIED;
}

}  // namespace

bool AwaitMainProgramEnd() {
  for (;;) {
    const DWORD start = GetTickCount();
    while (MainProgramRuns()) {
      if (GetTickCount() - start >= kPatience) break;
      Sleep(kPollInterval);
    }
    if (!MainProgramRuns()) return true;
    if (MessageBoxA(nullptr,
                    "QVDLumorak läuft noch.\n\nBitte beenden Sie das Programm und wählen Sie "
                    "dann \"Wiederholen\".",
                    "QVDLumorak - Deinstallation",
                    MB_RETRYCANCEL | MB_ICONWARNING | MB_SETFOREGROUND) != IDRETRY) {
      return false;
    }
  }
}

}  // namespace uninstaller
