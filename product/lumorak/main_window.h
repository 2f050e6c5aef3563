// The program's window: a menu and the read-only text of the open document.
#pragma once

#include <windows.h>

#include "start_request.h"

namespace lumorak {

// Opens the window, answers the start request (a notice, a document) and runs the message loop
// until the window closes or an update takes over. Returns the process's exit code.
int RunMainWindow(HINSTANCE instance, int show, const StartRequest& request);

}  // namespace lumorak
