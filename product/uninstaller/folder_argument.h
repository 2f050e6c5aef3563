// The installation folder that the main program hands to the uninstaller on its command line.
#pragma once

#include <string>

namespace uninstaller {

// The folder as one argument (quoted or not), ending with a backslash. Empty when none is given
// or when it is not an absolute folder path (a drive and "\", or "\\" for a share) or climbs
// with "..": the uninstaller deletes named files there and must not be pointed elsewhere.
std::string InstallFolderArgument(const std::string& commandLine);

// True for an absolute Windows folder path without "." or ".." parts.
bool IsPlainAbsoluteFolder(const std::string& folder);

}  // namespace uninstaller
