// One event at a time: the message pump runs until a click, a close request or a shortcut has
// been queued by the window procedure, or a message of one of the setup's windows has come.
#include "platform/gui.h"

#include "platform/win32/gui_state.h"
#include "platform/win32/internal.h"

namespace platform {
namespace {

using win32::Gui;

bool TakeQueuedEvent(Event& event) {
  std::vector<Event>& events = Gui().events;
  if (events.empty()) return false;
  event = events.front();
  events.erase(events.begin());
  return true;
}

// A registered key pressed in a window or in one of its controls becomes its shortcut.
bool TakeShortcut(const MSG& message, WindowNumber number) {
  if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
  const win32::WindowEntry* entry = win32::FindWindowEntry(number);
  if (entry == nullptr) return false;
  for (const auto& [key, shortcut] : entry->shortcuts) {
    if (static_cast<WPARAM>(key) == message.wParam) {
      win32::QueueEvent(Event{EventKind::Shortcut, number, 0, shortcut});
      return true;
    }
  }
  return false;
}

// Handles the messages waiting in the queue until one gives an event.
bool PumpMessages(Event& event) {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    const WindowNumber number = win32::NumberOfWindow(message.hwnd);
    if (!TakeShortcut(message, number)) {
      // Tab and the arrow keys move the focus between controls as in a dialog.
      const HWND window = win32::WindowHandleOf(number);
      if (window == nullptr || !IsDialogMessageA(window, &message)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
      }
    }
    if (TakeQueuedEvent(event)) return true;
    // Timers are the controls' own business (a blinking caret), not an event of the user's.
    if (number != kNoWindow && message.message != WM_TIMER) {
      event = Event{EventKind::Other, number, 0, 0};
      return true;
    }
  }
  return false;
}

}  // namespace

namespace win32 {

void QueueEvent(const Event& event) {
  Gui().events.push_back(event);
}

}  // namespace win32

Event WaitEvent(int timeoutMilliseconds) {
  const DWORD start = GetTickCount();
  Event event;
  for (;;) {
    if (TakeQueuedEvent(event) || PumpMessages(event)) return event;
    DWORD wait = INFINITE;
    if (timeoutMilliseconds != kWaitForever) {
      const DWORD elapsed = GetTickCount() - start;
      const DWORD limit = timeoutMilliseconds > 0 ? static_cast<DWORD>(timeoutMilliseconds) : 0;
      if (elapsed >= limit) return Event{};
      wait = limit - elapsed;
    }
    MsgWaitForMultipleObjectsEx(0, nullptr, wait, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }
}

Event PollEvent() {
  return WaitEvent(0);
}

}  // namespace platform
