// Brushes of the stand-in, tracked while they live so that a test sees a deleted or leaked one;
// the background shared by all windows (the class background); the static-colour hooks.
#include "platform/gui.h"
#include "platform/headless/control.h"
#include "platform/headless/gui_store.h"
#include "platform/pictures.h"

namespace headless {

using internal::Gui;

namespace {

// The class is one for all windows: every record, of the open windows and the history alike,
// reports the background it has now.
void SetClassBackground(platform::BrushId brush) {
  Gui().classBackground = brush;
  for (auto& [number, window] : Gui().windows)
    window.background = brush;
  for (WindowRecord& window : Gui().history)
    window.background = brush;
}

}  // namespace

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
  if (Gui().brushes.erase(brush) == 0) return;
  // No window may paint with a deleted brush: the class falls back to the system colour.
  if (Gui().classBackground == brush) headless::SetClassBackground(0);
}

bool SetWindowBackground(WindowNumber number, BrushId brush) {
  if (!IsWindowOpen(number)) return false;
  if (brush != 0 && Gui().brushes.count(brush) == 0) return false;
  headless::SetClassBackground(brush);
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
