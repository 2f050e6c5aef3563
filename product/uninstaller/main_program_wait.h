// Waiting until no copy of the main program runs any more: its file cannot be removed before.
#pragma once

namespace uninstaller {

// True once no copy runs. After a while without that, the user may retry or give up (false).
bool AwaitMainProgramEnd();

}  // namespace uninstaller
