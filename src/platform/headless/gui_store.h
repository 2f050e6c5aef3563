// The state that the stand-in's window, control, brush and event modules share. Not for tests:
// they use control.h.
#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/gui.h"
#include "platform/headless/control.h"

namespace headless::internal {

// What a window of the stand-in has beside its public record; it lives as long as the window.
struct WindowExtras {
  std::size_t opening = 0;              // index of this opening in the window history
  std::vector<std::string> systemMenu;  // the entries left, top first
  std::map<int, int> shortcuts;         // virtual-key code -> shortcut id
  platform::StaticColourHook hook = nullptr;
  platform::Image lastImage;
  platform::Point lastImagePosition;
  int imagesShown = 0;
};

struct GuiStore {
  // The current (or last) record of each number; the map keeps addresses stable for tests.
  std::map<platform::WindowNumber, WindowRecord> windows;
  std::vector<WindowRecord> history;
  std::map<platform::WindowNumber, WindowExtras> extras;
  std::set<platform::WindowNumber> refusedWindows;

  std::map<platform::FontNumber, FontRecord> fonts;
  std::string failingFace;
  platform::FontNumber defaultFont = -1;

  // Control ids are kFirstControlId + the index; the deque keeps records where they are.
  std::deque<ControlRecord> controls;
  std::vector<std::size_t> controlOpening;  // the window opening each control belongs to

  platform::BrushId classBackground = 0;
  std::map<platform::BrushId, BrushRecord> brushes;
  platform::BrushId nextBrush = 0x2000;

  ScriptedUser user;
  std::deque<platform::Event> pending;  // the user's events not yet taken
};

inline constexpr platform::ControlId kFirstControlId = 1000;

GuiStore& Gui();

// The record of an open window, or null.
WindowRecord* OpenWindowRecord(platform::WindowNumber number);
WindowExtras* OpenWindowExtras(platform::WindowNumber number);
// Applies a change to the window's current record and to its entry in the history.
void ChangeWindow(platform::WindowNumber number, const std::function<void(WindowRecord&)>& change);

// The record of a live control, or null.
ControlRecord* LiveControl(platform::ControlId id);
// Destroys the controls of the window's current opening.
void DestroyControlsOf(platform::WindowNumber number);
// True when a user could click the control: it, its panel and its window are shown and enabled.
bool ReachableByUser(const ControlRecord& control);

}  // namespace headless::internal
