// Message boxes of the stand-in: recorded, answered by the test's answerer.
#include "platform/message_box.h"

#include "platform/headless/control.h"
#include "platform/headless/internal.h"

namespace headless {
namespace {

struct Boxes {
  std::vector<MessageBoxRecord> shown;
  std::function<int(const MessageBoxRecord&)> answerer;
};

Boxes& B() {
  static Boxes boxes;
  return boxes;
}

}  // namespace

void internal::ResetMessageBoxes() {
  B() = Boxes{};
}

const std::vector<MessageBoxRecord>& MessageBoxes() {
  return B().shown;
}

void SetMessageBoxAnswerer(std::function<int(const MessageBoxRecord&)> answerer) {
  B().answerer = std::move(answerer);
}

}  // namespace headless

namespace platform {

int ShowMessageBox(const std::string& text, const std::string& title, std::uint32_t flags,
                   int ownerWindow) {
  headless::MessageBoxRecord box{text, title, flags, ownerWindow, headless::Now(), 0};
  if (headless::B().answerer) {
    box.answer = headless::B().answerer(box);
  } else {
    box.answer = (flags & 0xF) == MB_OK ? IDOK : IDNO;
  }
  headless::B().shown.push_back(box);
  return box.answer;
}

}  // namespace platform
