// Brushes of the stand-in, tracked while they live so that a test sees a deleted or leaked one;
// the background shared by all windows (the class background); the static-colour hooks.
#include "platform/gui.h"
#include "platform/headless/control.h"
#include "platform/headless/gui_store.h"
#include "platform/pictures.h"

namespace headless {

using internal::Gui;

std::optional<BrushRecord> LiveBrush(platform::BrushId brush) {
  auto it = Gui().brushes.find(brush);
  if (it == Gui().brushes.end()) return std::nullopt;
  return it->second;
}

int LiveBrushCount() {
  return static_cast<int>(Gui().brushes.size());
}

platform::StaticColourAnswer AskColourHook(platform::WindowNumber window,
                                           platform::ControlId control) {
  const ControlRecord* record = internal::LiveControl(control);
  const internal::WindowExtras* extras = internal::OpenWindowExtras(window);
  if (record == nullptr || record->window != window || extras == nullptr ||
      extras->hook == nullptr) {
    return {};
  }
  return extras->hook(platform::StaticColourRequest{window, platform::WM_CTLCOLORSTATIC, control});
}

}  // namespace headless

namespace platform {

using headless::internal::Gui;

BrushId MakeSolidBrush(Colour colour) {
  const BrushId brush = Gui().nextBrush++;
  Gui().brushes[brush] = headless::BrushRecord{false, colour, -1};
  return brush;
}

BrushId MakePatternBrush(int picture) {
  if (FindPicture(picture) == nullptr) return 0;
  const BrushId brush = Gui().nextBrush++;
  Gui().brushes[brush] = headless::BrushRecord{true, Colour{}, picture};
  return brush;
}

void FreeBrush(BrushId brush) {
  Gui().brushes.erase(brush);
}

bool SetWindowBackground(WindowNumber number, BrushId brush) {
  if (!IsWindowOpen(number)) return false;
  Gui().classBackground = brush;
  for (auto& [other, window] : Gui().windows)
    window.background = brush;
  for (headless::WindowRecord& window : Gui().history)
    window.background = brush;
  return true;
}

void SetStaticColourHook(WindowNumber number, StaticColourHook hook) {
  headless::internal::WindowExtras* extras = headless::internal::OpenWindowExtras(number);
  if (extras == nullptr) return;
  extras->hook = hook;
  headless::internal::ChangeWindow(
      number, [&](headless::WindowRecord& window) { window.hooked = hook != nullptr; });
}

}  // namespace platform
