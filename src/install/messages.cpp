#include "install/messages.h"

namespace install {
namespace {
struct MessageState {
  std::string pending = kNoMessage;
  std::string abortTitle = kAbortTitle;
};
MessageState& State() {
  static MessageState state;
  return state;
}
}  // namespace

std::string& PendingMessage() {
  return State().pending;
}
std::string& AbortTitle() {
  return State().abortTitle;
}
void ResetMessageState() {
  State() = MessageState{};
}

}  // namespace install
