// What the window, control and drawing services hold: the numbered windows with their controls,
// fonts and brushes, the events waiting to be taken, and the libraries and window classes. One
// record for the whole program; ReleaseGui empties it.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/gui.h"
#include "platform/image.h"

#include "platform/win32/handles.h"

namespace platform::win32 {

// A 24-bit top-down DIB section and its pixel rows.
struct Dib {
  GdiObject<HBITMAP> bitmap;
  std::uint8_t* rows = nullptr;
  int width = 0;
  int height = 0;
};
// A DIB section of that size; no bitmap when the system cannot make it.
Dib MakeDib(int width, int height);
// A DIB section holding a copy of the image.
Dib DibOfImage(const Image& image);
// Copies an image into a DIB section of the same size.
void FillDib(Dib& dib, const Image& image);

struct WindowEntry {
  OwnedWindow handle;
  StaticColourHook hook = nullptr;
  std::vector<std::pair<int, int>> shortcuts;  // key, shortcut id
  Dib shownImage;  // the last image copied into the window, kept for repainting
  int shownX = 0;
  int shownY = 0;
};

struct ControlEntry {
  HWND handle = nullptr;  // a child of the window, destroyed with it
  WindowNumber window = kNoWindow;
  ControlKind kind = ControlKind::Label;
  int group = 0;
  FontNumber font = -1;  // -1: the standard control font
  bool hasBackground = false;
  Colour background;
  GdiObject<HBRUSH> backgroundBrush;
  GdiObject<HBITMAP> picture;  // what a picture box shows
};

struct BrushEntry {
  GdiObject<HBRUSH> brush;
  GdiObject<HBITMAP> pattern;  // kept while a pattern brush lives
};

struct GuiState {
  std::map<WindowNumber, WindowEntry> windows;
  std::map<ControlId, ControlEntry> controls;
  std::map<FontNumber, GdiObject<HFONT>> fonts;
  std::map<BrushId, BrushEntry> brushes;
  FontNumber defaultFont = -1;
  // The background brush of the window class (null: the system's face colour). Set on every
  // window made, so that a brush freed meanwhile is never painted with.
  HBRUSH classBackground = nullptr;
  // Control ids start above the dialog manager's IDOK and IDCANCEL, which Enter and Escape
  // would otherwise turn into clicks on the controls that happen to carry them.
  ControlId nextControlId = 1000;
  std::vector<Event> events;
  LoadedLibrary richEdit;
  bool classesRegistered = false;
};
GuiState& Gui();

inline constexpr char kWindowClass[] = "QvdSetupWindow";
inline constexpr char kPanelClass[] = "QvdSetupPanel";
LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK PanelProcedure(HWND panel, UINT message, WPARAM wParam, LPARAM lParam);

// The entry of an open window, or null.
WindowEntry* FindWindowEntry(WindowNumber number);
// The number of the setup's top-level window that holds a window (itself, a control, a panel);
// kNoWindow for windows that are not the setup's.
WindowNumber NumberOfWindow(HWND window);
// The entry of a live control, or null; by id or by its window.
ControlEntry* FindControlEntry(ControlId control);
ControlId ControlIdOf(HWND control);
// Forgets a window that is being destroyed, with its controls and its events not yet taken.
void ForgetWindow(HWND window);

// A font as LoadFont makes it; null when the system gives none.
GdiObject<HFONT> MakeFont(const std::string& face, int points, std::uint32_t style);

// Makes a brush (null: the system's face colour) the background of the setup's window class.
void SetClassBackground(HWND window, HBRUSH brush);

// Hands an event to the next WaitEvent or PollEvent.
void QueueEvent(const Event& event);

// The answer to a static control's colour request (WM_CTLCOLORSTATIC) sent to a window or a
// panel; false when the system's normal answer should be given.
bool AnswerStaticColour(HWND parent, HDC dc, HWND control, LRESULT& brush);
// A button's click: radio options and check boxes change as Windows' automatic buttons do,
// then a Control event is queued. Disabled or hidden controls do not react.
void ButtonClicked(HWND control);

}  // namespace platform::win32
