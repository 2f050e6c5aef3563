// Folders of the system and of the running program, as the setup finds them: paths end with a
// backslash, the empty text means that the folder could not be found.
#pragma once

#include <string>

namespace product {

// The user's temporary folder in its long form.
std::string TemporaryFolder();
// A shell special folder by its CSIDL number.
std::string SpecialFolder(int csidl);
// The folder of the running program.
std::string OwnFolder();

// The part after the last backslash or slash.
std::string FileNameOf(const std::string& path);
// The part up to and including the last backslash or slash; empty when there is none.
std::string FolderOf(const std::string& path);
// Case-insensitive comparison by the system's rules for the ANSI code page.
bool SameName(const std::string& a, const std::string& b);

}  // namespace product
