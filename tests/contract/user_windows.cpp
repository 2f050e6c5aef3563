// The user's actions and views of the contract suite on Windows: messages as the system sends
// them for a click, a key or the close button, and what the screen and the window classes show.
#include "contract.h"

#include "platform/win32/gui_state.h"
#include "platform/win32/internal.h"

namespace contract {

void ClickControl(platform::ControlId control) {
  SendMessageA(platform::win32::ControlHandleOf(control), BM_CLICK, 0, 0);
}

void RequestClose(platform::WindowNumber window) {
  PostMessageA(platform::win32::WindowHandleOf(window), WM_SYSCOMMAND, SC_CLOSE, 0);
}

void PressKey(platform::WindowNumber window, int key) {
  const HWND root = platform::win32::WindowHandleOf(window);
  HWND target = GetFocus();
  if (target == nullptr || GetAncestor(target, GA_ROOT) != root) target = root;
  PostMessageA(target, WM_KEYDOWN, static_cast<WPARAM>(key), 1);
  PostMessageA(target, WM_KEYUP, static_cast<WPARAM>(key), 0xC0000001);
}

void MoveMouseOver(platform::WindowNumber window) {
  PostMessageA(platform::win32::WindowHandleOf(window), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
}

WindowFacts FactsOf(platform::WindowNumber window) {
  WindowFacts facts;
  const HWND handle = platform::win32::WindowHandleOf(window);
  if (handle == nullptr) return facts;
  char title[512] = {};
  GetWindowTextA(handle, title, sizeof(title));
  facts.title = title;
  facts.visible = IsWindowVisible(handle);
  facts.topMost = (GetWindowLongPtrA(handle, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  facts.owner = platform::win32::NumberOfWindow(GetWindow(handle, GW_OWNER));
  const LONG_PTR background = GetClassLongPtrA(handle, GCLP_HBRBACKGROUND);
  facts.background =
      background == COLOR_BTNFACE + 1 ? 0 : static_cast<platform::BrushId>(background);
  return facts;
}

bool ControlUsesFont(platform::ControlId control, platform::FontNumber font) {
  const HWND handle = platform::win32::ControlHandleOf(control);
  return handle != nullptr && reinterpret_cast<HFONT>(SendMessageA(handle, WM_GETFONT, 0, 0)) ==
                                  platform::win32::FontHandleOf(font);
}

ColourAnswer AskStaticColour(platform::WindowNumber, platform::ControlId control) {
  ColourAnswer answer;
  const HWND handle = platform::win32::ControlHandleOf(control);
  const platform::win32::MemoryDc memory(nullptr);
  const HDC dc = memory.get();
  const auto brush = reinterpret_cast<HBRUSH>(SendMessageA(GetParent(handle), WM_CTLCOLORSTATIC,
                                                           reinterpret_cast<WPARAM>(dc),
                                                           reinterpret_cast<LPARAM>(handle)));
  answer.brush = reinterpret_cast<platform::BrushId>(brush);
  LOGBRUSH description{};
  if (brush != nullptr && GetObjectA(brush, sizeof(description), &description) &&
      description.lbStyle == BS_SOLID) {
    answer.brushColour = {GetRValue(description.lbColor), GetGValue(description.lbColor),
                          GetBValue(description.lbColor)};
  }
  const COLORREF text = GetTextColor(dc);
  answer.textColour = {GetRValue(text), GetGValue(text), GetBValue(text)};
  answer.transparentText = GetBkMode(dc) == TRANSPARENT;
  return answer;
}

platform::Colour ShownPixel(platform::WindowNumber window, int x, int y) {
  const platform::win32::WindowDc screen(platform::win32::WindowHandleOf(window));
  const COLORREF pixel = GetPixel(screen.get(), x, y);
  return {GetRValue(pixel), GetGValue(pixel), GetBValue(pixel)};
}
}  // namespace contract
