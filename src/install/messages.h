// The installation's message state: a longer message is built line by line in pendingMessage and
// then shown; after every box the text returns to the placeholder.
#pragma once

#include <string>

namespace install {

inline constexpr const char* kNoMessage = "no message";
inline constexpr const char* kAbortTitle = "ABBRUCHINFORMATION";

std::string& PendingMessage();
std::string& AbortTitle();
// abortTitle "ABBRUCHINFORMATION", pendingMessage "no message".
void ResetMessageState();

}  // namespace install
