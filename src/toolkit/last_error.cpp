#include "toolkit/last_error.h"

namespace toolkit {
namespace {
std::string& Text() {
  static std::string text;
  return text;
}
}  // namespace

const std::string& LastErrorText() {
  return Text();
}
void SetLastErrorText(const char* message) {
  Text() = message;
}
void ClearLastErrorText() {
  Text().clear();
}

}  // namespace toolkit
