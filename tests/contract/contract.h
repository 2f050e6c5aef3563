// What the contract suite needs of the side it runs on: a scratch area of registry and files
// that starts empty for every test.
#pragma once

#include <string>

namespace contract {

// A registry key below HKEY_CURRENT_USER, and a folder ending with a backslash, both empty and
// private to the running test.
std::string ScratchKey();
std::string ScratchFolder();

}  // namespace contract
