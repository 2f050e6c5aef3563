// The program's own update: the user picks a setup, which is started with the auto-update word;
// the program then ends so that the setup can replace its file.
#pragma once

#include <windows.h>

namespace lumorak {

// True when the setup was started and the program is to end now.
bool StartSelfUpdate(HWND owner);

}  // namespace lumorak
