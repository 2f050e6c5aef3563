// The colours static controls paint in: the window's hook first, then the control's own
// background colour, then the system's normal colours.
#include "platform/gui.h"

#include "platform/win32/gui_state.h"
#include "platform/win32/internal.h"

namespace platform {

namespace win32 {

bool AnswerStaticColour(HWND parent, HDC dc, HWND control, LRESULT& brush) {
  const WindowNumber number = NumberOfWindow(parent);
  const WindowEntry* window = FindWindowEntry(number);
  const ControlId id = ControlIdOf(control);
  if (window != nullptr && window->hook != nullptr) {
    const StaticColourAnswer answer = window->hook({number, WM_CTLCOLORSTATIC, id});
    if (answer.handled) {
      const Colour& text = answer.textColour;
      SetTextColor(dc, RGB(text.red, text.green, text.blue));
      if (answer.transparentText) SetBkMode(dc, TRANSPARENT);
      brush = static_cast<LRESULT>(answer.brush);
      return true;
    }
  }
  const ControlEntry* entry = FindControlEntry(id);
  if (entry == nullptr || !entry->hasBackground) return false;
  const Colour& fill = entry->background;
  SetBkColor(dc, RGB(fill.red, fill.green, fill.blue));
  brush = reinterpret_cast<LRESULT>(entry->backgroundBrush.get());
  return true;
}

}  // namespace win32

void SetControlBackground(ControlId control, Colour colour) {
  win32::ControlEntry* entry = win32::FindControlEntry(control);
  if (entry == nullptr) return;
  win32::GdiObject<HBRUSH> brush(CreateSolidBrush(RGB(colour.red, colour.green, colour.blue)));
  if (brush.get() == nullptr) return;
  entry->backgroundBrush = std::move(brush);
  entry->background = colour;
  entry->hasBackground = true;
  RedrawWindow(entry->handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void SetStaticColourHook(WindowNumber number, StaticColourHook hook) {
  win32::WindowEntry* entry = win32::FindWindowEntry(number);
  if (entry == nullptr) return;
  entry->hook = hook;
  RedrawWindow(entry->handle.get(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

}  // namespace platform
