// The procedures of the setup's windows and of the panels in them: clicks, colour requests and
// close requests go to the services; painting shows the kept image and the backgrounds.
#include "platform/gui.h"

#include "platform/win32/gui_state.h"
#include "platform/win32/internal.h"

namespace platform::win32 {
namespace {

// What windows and panels answer alike; false for messages left to the system.
bool HandleControlMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                          LRESULT& result) {
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED) ButtonClicked(reinterpret_cast<HWND>(lParam));
      result = 0;
      return true;
    case WM_CTLCOLORSTATIC:
      return AnswerStaticColour(window, reinterpret_cast<HDC>(wParam),
                                reinterpret_cast<HWND>(lParam), result);
    default:
      return false;
  }
}

void PaintShownImage(HWND window) {
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(window, &paint);
  const WindowEntry* entry = FindWindowEntry(NumberOfWindow(window));
  if (dc != nullptr && entry != nullptr && entry->shownImage.bitmap.get() != nullptr) {
    const MemoryDc source(dc);
    if (source.get() != nullptr) {
      const SelectGuard selected(source.get(), entry->shownImage.bitmap.get());
      BitBlt(dc, entry->shownX, entry->shownY, entry->shownImage.width, entry->shownImage.height,
             source.get(), 0, 0, SRCCOPY);
    }
  }
  EndPaint(window, &paint);
}

// A panel shows its own colour, else the window's background, continued from the window's
// inner area so that a picture brush lines up with the window around it.
void ErasePanel(HWND panel, HDC dc) {
  const ControlEntry* entry = FindControlEntry(ControlIdOf(panel));
  const HWND root = GetAncestor(panel, GA_ROOT);
  HBRUSH brush = reinterpret_cast<HBRUSH>(GetClassLongPtrA(root, GCLP_HBRBACKGROUND));
  if (entry != nullptr && entry->hasBackground) brush = entry->backgroundBrush.get();
  POINT origin{0, 0};
  MapWindowPoints(panel, root, &origin, 1);
  SetBrushOrgEx(dc, -origin.x, -origin.y, nullptr);
  RECT inner;
  GetClientRect(panel, &inner);
  FillRect(dc, &inner, brush);
}

}  // namespace

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (HandleControlMessage(window, message, wParam, lParam, result)) return result;
  switch (message) {
    case WM_CLOSE:
      // The program decides whether the window closes.
      if (const WindowNumber number = NumberOfWindow(window); number != kNoWindow) {
        QueueEvent(Event{EventKind::CloseRequest, number, 0, 0});
      }
      return 0;
    case WM_PAINT:
      PaintShownImage(window);
      return 0;
    case WM_NCDESTROY:
      ForgetWindow(window);
      break;
    default:
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK PanelProcedure(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (HandleControlMessage(panel, message, wParam, lParam, result)) return result;
  switch (message) {
    case WM_ERASEBKGND:
      ErasePanel(panel, reinterpret_cast<HDC>(wParam));
      return 1;
    case WM_CLOSE:
      // A multi-line rich-text box asks its parent to close on Escape; a panel stays.
      return 0;
    default:
      return DefWindowProcA(panel, message, wParam, lParam);
  }
}

}  // namespace platform::win32
