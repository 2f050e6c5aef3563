#include "platform/message_box.h"

#include "platform/win32/internal.h"

namespace platform {

int ShowMessageBox(const std::string& text, const std::string& title, std::uint32_t flags,
                   int ownerWindow) {
  return MessageBoxA(win32::WindowHandleOf(ownerWindow), text.c_str(), title.c_str(), flags);
}

}  // namespace platform
