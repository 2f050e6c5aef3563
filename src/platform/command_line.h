#pragma once

#include <string>
#include <vector>

namespace platform {

// Splits a Windows command line into its arguments by the rules of the Microsoft C runtime:
// blanks and tabs separate, double quotes group and are removed, 2n backslashes before a quote
// give n backslashes, 2n+1 give n and a literal quote. The program's own name (the first part,
// taken up to the next blank, or to the closing quote when it begins with one) is dropped.
std::vector<std::string> SplitCommandLine(const std::string& commandLine);

}  // namespace platform
