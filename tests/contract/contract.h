// What the contract suite needs of the side it runs on: a scratch area of registry and files
// that starts empty for every test; for the window services, a user's actions and what a user
// would see that the services themselves do not report. Each side's main implements them.
#pragma once

#include <string>

#include "platform/colour.h"
#include "platform/gui.h"

namespace contract {

// A registry key below HKEY_CURRENT_USER, and a folder ending with a backslash, both empty and
// private to the running test.
inline std::string ScratchKey() {
  return "Software\\QvdContract";
}
inline std::string ScratchFolder() {
  return "C:\\contract\\";
}

// ---- A user's actions: each leaves its event pending for WaitEvent / PollEvent ----------

// A click on a control (on Windows: BM_CLICK).
void ClickControl(platform::ControlId control);
// The close button of a window's title bar.
void RequestClose(platform::WindowNumber window);
// A key (virtual-key code) pressed while the window has the keyboard.
void PressKey(platform::WindowNumber window, int key);
// The mouse moved over a window.
void MoveMouseOver(platform::WindowNumber window);

// ---- What a user sees ------------------------------------------------------------------

struct WindowFacts {
  std::string title;
  bool visible = false;
  bool topMost = false;
  platform::WindowNumber owner = platform::kNoWindow;
  platform::BrushId background = 0;  // the class background; 0 = the system's colour
};
WindowFacts FactsOf(platform::WindowNumber window);

// Whether a control shows its text in a numbered font (kStandardFont: the platform's standard
// control font).
inline constexpr platform::FontNumber kStandardFont = -1;
bool ControlUsesFont(platform::ControlId control, platform::FontNumber font);

// What a static control is told when it asks its window for its colours.
struct ColourAnswer {
  platform::BrushId brush = 0;   // the brush it paints its background with
  platform::Colour brushColour;  // the colour of that brush when it is a solid one
  platform::Colour textColour;
  bool transparentText = false;
};
ColourAnswer AskStaticColour(platform::WindowNumber window, platform::ControlId control);

// A pixel of a window's inner area as shown on the screen, once pending events are taken: the
// last image shown in the window where it covers the point, else the class background (a solid
// brush's colour, or a pattern brush's picture tiled from the inner area's top-left corner).
platform::Colour ShownPixel(platform::WindowNumber window, int x, int y);

}  // namespace contract
