#include "platform/win32/gui_state.h"

#include "platform/win32/internal.h"

namespace platform::win32 {

GuiState& Gui() {
  // Never destroyed: destroying windows from a static destructor would run the window
  // procedure on a state that is itself being torn down. ReleaseGui empties it.
  static GuiState& state = *new GuiState;
  return state;
}

WindowEntry* FindWindowEntry(WindowNumber number) {
  auto it = Gui().windows.find(number);
  return it == Gui().windows.end() ? nullptr : &it->second;
}

WindowNumber NumberOfWindow(HWND window) {
  if (window == nullptr) return kNoWindow;
  const HWND root = GetAncestor(window, GA_ROOT);
  for (const auto& [number, entry] : Gui().windows) {
    if (entry.handle.get() == root) return number;
  }
  return kNoWindow;
}

ControlEntry* FindControlEntry(ControlId control) {
  auto it = Gui().controls.find(control);
  return it == Gui().controls.end() ? nullptr : &it->second;
}

ControlId ControlIdOf(HWND control) {
  if (control == nullptr) return 0;
  const ControlId id = GetDlgCtrlID(control);
  const ControlEntry* entry = FindControlEntry(id);
  return entry != nullptr && entry->handle == control ? id : 0;
}

void ForgetWindow(HWND window) {
  GuiState& gui = Gui();
  for (auto it = gui.windows.begin(); it != gui.windows.end(); ++it) {
    if (it->second.handle.get() != window) continue;
    it->second.handle.release();  // the system is destroying it already
    const WindowNumber number = it->first;
    std::erase_if(gui.controls,
                  [number](const auto& item) { return item.second.window == number; });
    // What happened in it before it went is no longer anybody's business.
    std::erase_if(gui.events, [number](const Event& event) { return event.window == number; });
    gui.windows.erase(it);
    return;
  }
}

HWND WindowHandleOf(int number) {
  const WindowEntry* entry = FindWindowEntry(number);
  return entry != nullptr ? entry->handle.get() : nullptr;
}

HWND ControlHandleOf(int control) {
  const ControlEntry* entry = FindControlEntry(control);
  return entry != nullptr ? entry->handle : nullptr;
}

}  // namespace platform::win32
