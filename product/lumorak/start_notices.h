// The short notices for the setup's command words: a welcome after a new installation and the
// outcome of an automatic update.
#pragma once

#include <windows.h>

#include "start_request.h"

namespace lumorak {

// Shows the notice the start asks for, if any, owned by the main window.
void ShowStartNotice(HWND owner, StartKind kind);

}  // namespace lumorak
