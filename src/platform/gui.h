// Window and control services: numbered windows, controls created into a window or into a
// bordered panel of it, a default font for new controls, one event at a time, brushes and the
// per-window hook for the static-control colour request.
#pragma once

#include <cstdint>
#include <string>

#include "platform/colour.h"
#include "platform/image.h"
#include "platform/windows_names.h"

namespace platform {

using WindowNumber = int;
inline constexpr WindowNumber kNoWindow = -1;
using ControlId = int;  // 0 = no control
using FontNumber = int;
using BrushId = std::uintptr_t;  // 0 = no brush

// ---- Windows ----------------------------------------------------------------------------

enum WindowStyle : std::uint32_t {
  kWindowCaption = 1u << 0,       // a title bar without system menu (no close button)
  kWindowSystemMenu = 1u << 1,    // a title bar with system menu and close button
  kWindowSizingBorder = 1u << 2,  // a frame the user can drag
  kWindowCentred = 1u << 3,       // x and y are ignored: centred on the screen
  kWindowHidden = 1u << 4,        // created invisible
  kWindowTopMost = 1u << 5,       // kept above all other windows
};

struct WindowSpec {
  int x = 0;
  int y = 0;
  int innerWidth = 0;
  int innerHeight = 0;
  std::string title;
  std::uint32_t style = 0;
  WindowNumber owner = kNoWindow;  // owned by that window when it is open
};

// Opens a window under a number (an open window of that number is closed first); false when it
// could not be made.
bool OpenWindow(WindowNumber number, const WindowSpec& layout);
// Closes a window with its controls; a number without window is passed over.
void CloseWindow(WindowNumber number);
bool IsWindowOpen(WindowNumber number);
void SetWindowVisible(WindowNumber number, bool visible);
void SetWindowTitle(WindowNumber number, const std::string& title);
void SetWindowTopMost(WindowNumber number, bool topMost);

struct Point {
  int x = 0;
  int y = 0;
};
struct Size {
  int width = 0;
  int height = 0;
};
// Top-left corner of the window's outer frame on the screen.
Point WindowFramePosition(WindowNumber number);
Size WindowInnerSize(WindowNumber number);

// Deletes the entry at a position (0 first) of the window's system menu; deleting the Close
// entry also disables the close button.
bool RemoveSystemMenuEntry(WindowNumber number, int position);

// Registers a key (virtual-key code) of a window as a shortcut: pressing it gives a Shortcut
// event carrying shortcutId.
inline constexpr int kKeyEscape = 0x1B;
void AddKeyboardShortcut(WindowNumber number, int key, int shortcutId);

// Copies an image into the window's inner area with its top-left corner at (x, y).
bool ShowImageInWindow(WindowNumber number, const Image& image, int x, int y);

// ---- Controls ---------------------------------------------------------------------------

enum class ControlKind {
  Label,         // static text
  CentredLabel,  // static text, centred
  Button,        // push button
  RadioOption,   // exclusive within its group number in one window
  CheckBox,
  GroupFrame,   // with a title when text is not empty
  Panel,        // bordered container for controls of its own
  PictureBox,   // shows a numbered picture in its own size
  RichText,     // read-only multi-line rich text with scroll bars
  ProgressBar,  // smooth, range 0..100
};

struct ControlSpec {
  ControlKind kind = ControlKind::Label;
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  std::string text;
  int picture = -1;  // PictureBox
  int group = 0;     // RadioOption
};

// Creates a control in a window, or inside a panel of that window when panel is not 0, in the
// current default control font. Positions are relative to the window's inner area or to the
// panel. Returns 0 when the control could not be made.
ControlId CreateControl(WindowNumber window, ControlId panel, const ControlSpec& layout);
void SetControlText(ControlId control, const std::string& text);
std::string ControlText(ControlId control);
// Enabled and visible are each control's own flags: a control in a hidden or disabled panel, or
// in a hidden window, still reports itself shown and enabled (a user sees and reaches it only
// when those are shown and enabled too); a control that was not made reports neither.
void SetControlEnabled(ControlId control, bool enabled);
bool IsControlEnabled(ControlId control);
void SetControlVisible(ControlId control, bool visible);
bool IsControlVisible(ControlId control);
// Check mark of a check box or radio option (1 or 0); the value of a progress bar.
int ControlState(ControlId control);
void SetControlState(ControlId control, int state);
// Background colour of a label or panel.
void SetControlBackground(ControlId control, Colour colour);

// ---- Fonts ------------------------------------------------------------------------------

enum FontStyle : std::uint32_t {
  kFontPlain = 0,
  kFontBold = 1u << 0,
  kFontItalic = 1u << 1,
  kFontUnderline = 1u << 2,
};

// Loads a font by face, size in points and style under a number, replacing an earlier one.
bool LoadFont(FontNumber number, const std::string& face, int points, std::uint32_t style);
void FreeFont(FontNumber number);
bool IsFontLoaded(FontNumber number);

// The font that controls take when they are created.
void SetDefaultControlFont(FontNumber number);
// Makes the platform's standard control font the default again.
void UseStandardControlFont();

// ---- Events -----------------------------------------------------------------------------

enum class EventKind {
  None,          // nothing arrived within the time-out / nothing pending
  Control,       // a click on a button, radio option or check box
  CloseRequest,  // the user asked to close a window
  Shortcut,      // a keyboard shortcut of a window
  Other,         // any other window event (mouse movement, painting, ...)
};

struct Event {
  EventKind kind = EventKind::None;
  WindowNumber window = kNoWindow;
  ControlId control = 0;
  int shortcut = 0;
};

inline constexpr int kWaitForever = -1;
// Waits for the next event, at most timeoutMilliseconds (kWaitForever: no limit).
Event WaitEvent(int timeoutMilliseconds);
// The next pending event without waiting.
Event PollEvent();

// ---- Brushes and control colours --------------------------------------------------------

BrushId MakeSolidBrush(Colour colour);
// A brush that tiles a numbered picture; 0 when there is no such picture.
BrushId MakePatternBrush(int picture);
void FreeBrush(BrushId brush);
// Makes a brush the background of a window (its class background) and repaints the window.
bool SetWindowBackground(WindowNumber number, BrushId brush);

// The static-control colour request (WM_CTLCOLORSTATIC) of a control in a window or in one of
// its panels.
struct StaticColourRequest {
  WindowNumber window = kNoWindow;
  std::uint32_t message = WM_CTLCOLORSTATIC;
  ControlId control = 0;
};
struct StaticColourAnswer {
  bool handled = false;  // false: the platform's normal answer
  bool transparentText = false;
  Colour textColour;
  BrushId brush = 0;
};
using StaticColourHook = StaticColourAnswer (*)(const StaticColourRequest& request);
// Installs (or, with null, removes) the hook of a window.
void SetStaticColourHook(WindowNumber number, StaticColourHook hook);

}  // namespace platform
