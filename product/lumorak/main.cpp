// QVDLumorak: shows .lmk documents, opens its help, updates itself with a chosen setup and
// answers the setup's command words.
#include <windows.h>

#include "../common/owned_handles.h"
#include "../common/product_facts.h"
#include "main_window.h"
#include "start_request.h"
#include "uninstall_handover.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  // Exists as long as this copy runs: the uninstaller waits for it to be gone before it
  // removes the program's file.
  const product::OwnedHandle running(CreateMutexA(nullptr, FALSE, product::kMainProgramMutex));
  const lumorak::StartRequest request = lumorak::ReadStartRequest(GetCommandLineA());
  if (request.kind == lumorak::StartKind::Uninstall) return lumorak::HandOverToUninstaller();
  return lumorak::RunMainWindow(instance, show, request);
}
