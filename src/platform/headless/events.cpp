// Events of the stand-in: every wait and poll takes the user's pending events first, then asks
// the scripted user; the user's clicks change radio options and check boxes as Windows'
// automatic buttons do before the program hears of it.
#include "platform/gui.h"
#include "platform/headless/control.h"
#include "platform/headless/gui_store.h"
#include "platform/headless/internal.h"

namespace headless {

using internal::Gui;

void SetScriptedUser(ScriptedUser user) {
  Gui().user = std::move(user);
}

platform::Event Click(platform::ControlId control) {
  const ControlRecord* record = internal::LiveControl(control);
  if (record == nullptr) return {platform::EventKind::Other, platform::kNoWindow, 0, 0};
  const platform::Event ignored{platform::EventKind::Other, record->window, 0, 0};
  if (!internal::ReachableByUser(*record)) return ignored;
  switch (record->layout.kind) {
    case platform::ControlKind::RadioOption:
      platform::SetControlState(control, 1);
      break;
    case platform::ControlKind::CheckBox:
      platform::SetControlState(control, record->state == 0 ? 1 : 0);
      break;
    case platform::ControlKind::Button:
      break;
    default:
      return ignored;  // statics, frames and panels give no click notification
  }
  return {platform::EventKind::Control, record->window, control, 0};
}

platform::Event CloseRequestFor(platform::WindowNumber window) {
  // WM_CLOSE reaches hidden windows too: any program can send it.
  if (!platform::IsWindowOpen(window)) {
    return {platform::EventKind::Other, platform::kNoWindow, 0, 0};
  }
  return {platform::EventKind::CloseRequest, window, 0, 0};
}

platform::Event OtherEventIn(platform::WindowNumber window) {
  return {platform::EventKind::Other, window, 0, 0};
}

void PostUserEvent(const platform::Event& event) {
  if (platform::IsWindowOpen(event.window)) Gui().pending.push_back(event);
}

platform::Event KeyPress(platform::WindowNumber window, int key) {
  const WindowRecord* record = internal::OpenWindowRecord(window);
  if (record == nullptr || !record->visible) {
    return {platform::EventKind::Other, platform::kNoWindow, 0, 0};
  }
  const auto& shortcuts = Gui().extras[window].shortcuts;
  auto it = shortcuts.find(key);
  if (it == shortcuts.end()) return {platform::EventKind::Other, window, 0, 0};
  return {platform::EventKind::Shortcut, window, 0, it->second};
}

}  // namespace headless

namespace platform {
namespace {

using headless::internal::Gui;

bool TakePendingEvent(Event& event) {
  if (Gui().pending.empty()) return false;
  event = Gui().pending.front();
  Gui().pending.pop_front();
  return true;
}

}  // namespace

Event WaitEvent(int timeoutMilliseconds) {
  if (Event pending; TakePendingEvent(pending)) return pending;
  const bool forever = timeoutMilliseconds < 0;
  if (!Gui().user) {
    if (forever) {
      headless::internal::StopProcess(headless::kExitUnscriptedWait,
                                      "the program waits for an event and there is no script");
    }
    headless::AdvanceClock(static_cast<std::uint32_t>(timeoutMilliseconds));
    return {};
  }
  // A copy: the script may replace itself while it runs.
  const headless::ScriptedUser user = Gui().user;
  const Event event = user(forever ? kWaitForever : timeoutMilliseconds);
  if (event.kind == EventKind::None) {
    if (forever) {
      headless::internal::StopProcess(headless::kExitUnscriptedWait,
                                      "the program waits for an event and the script has none");
    }
    headless::AdvanceClock(static_cast<std::uint32_t>(timeoutMilliseconds));
  }
  return event;
}

Event PollEvent() {
  if (Event pending; TakePendingEvent(pending)) return pending;
  if (!Gui().user) return {};
  const headless::ScriptedUser user = Gui().user;
  return user(0);
}

}  // namespace platform
