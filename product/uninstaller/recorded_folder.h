// The installation folder as the installation record notes it.
#pragma once

#include <string>

namespace uninstaller {

// "RunPath" of the record (or "SetPath" when that is missing), ending with a backslash; empty
// when neither is a text naming an absolute folder.
std::string RecordedInstallFolder();

}  // namespace uninstaller
