// Placeholder until the window and control services land.
#include "platform/gui.h"
#include "platform/win32/internal.h"

namespace platform {
namespace win32 {
HWND WindowHandleOf(int) {
  return nullptr;
}
void InitialiseGui() {}
void ReleaseGui() {}
}  // namespace win32
bool OpenWindow(WindowNumber, const WindowSpec&) {
  return true;
}
bool LoadFont(FontNumber, const std::string&, int, std::uint32_t) {
  return true;
}
void UseStandardControlFont() {}
}  // namespace platform
