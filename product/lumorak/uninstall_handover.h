// The removal handed over by the setup ("UnInstall"): after the user agrees, the main program
// starts the uninstaller that the setup left in the temporary folder and ends, so that the
// uninstaller can remove the program's own file.
#pragma once

namespace lumorak {

// Returns the process's exit code: 0 when the uninstaller was started or the user declined.
int HandOverToUninstaller();

}  // namespace lumorak
