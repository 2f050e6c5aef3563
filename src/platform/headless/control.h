// Test control of the headless stand-in: what a test sets up before the program runs (machine,
// clock, faults, the scripted user), and what it inspects afterwards (windows, controls, message
// boxes, program starts, registry, files). Only tests include this header.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/colour.h"
#include "platform/gui.h"
#include "platform/system.h"
#include "platform/windows_names.h"

namespace headless {

// A fresh machine: an empty registry with the seven roots, a file system with the drive C:\,
// 96 pixels per inch, Windows 7, no arguments, the clock at 0, no faults, no script.
void Reset();

// ---- Process ----------------------------------------------------------------------------

// Exit codes the stand-in uses itself when a test lets the program wait for something that
// no script provides; they are never the program's own.
inline constexpr unsigned kExitUnscriptedWait = 0xDEAD0001u;
inline constexpr unsigned kExitOutsideProcess = 0xDEAD0002u;

struct ProcessOutcome {
  bool ended = false;     // the program called EndProcess
  unsigned exitCode = 0;  // its exit code, when ended
  std::string failure;    // why the stand-in stopped it, when it did
};
// Runs entry as the program's process on a thread of its own and waits until it ends, through
// EndProcess or by returning. Like a real process end, this releases the mutexes the program
// held and marks its windows closed; the records stay for inspection.
ProcessOutcome RunProcess(const std::function<void()>& entry);

void SetCommandLine(std::vector<std::string> arguments);

// ---- Clock ------------------------------------------------------------------------------

// The virtual millisecond clock: TickCount reads it; pauses and timed waits advance it.
std::uint32_t Now();
void AdvanceClock(std::uint32_t milliseconds);
void SetClock(std::uint32_t milliseconds);
void SetLocalTime(const platform::LocalDateTime& time);

// ---- Machine ----------------------------------------------------------------------------

void SetPixelsPerInch(int pixelsPerInch);
void SetOsVersion(const platform::OsVersion& version);
void SetTemporaryFolder(const std::string& folder);  // "" = the system gives none
// The path the shell reports for a CSIDL; "" = not found.
void SetSpecialFolder(int csidl, const std::string& path);

// ---- Mutexes ----------------------------------------------------------------------------

// Another process holds a mutex of that name.
void HoldMutexElsewhere(const std::string& name);
// Another process creates the mutex between the program's open and create calls.
void RaceMutexCreation(const std::string& name);
bool ProgramHoldsMutex(const std::string& name);

// ---- Registry ---------------------------------------------------------------------------

// Without rights under a root: opening for KEY_ALL_ACCESS, creating keys, setting and deleting
// values there fail with ERROR_ACCESS_DENIED; reading still works.
void RefuseRegistryWrites(platform::RootKey root, bool refuse);
// The query that fetches a value's data (the one with a buffer) fails.
void FailRegistryDataReads(bool fail);
int OpenRegistryKeyCount();

// ---- Files ------------------------------------------------------------------------------

// Creating files or folders directly in that folder fails with access denied.
void RefuseCreationIn(const std::string& folder);
// After that many more bytes written, every write fails as on a full disk; -1 switches it off.
void SetDiskFullAfter(std::int64_t bytes);
// Another process holds the file open without sharing: opening it for writing and deleting it
// fail; reading it fails too.
void LockFile(const std::string& path, bool locked);
int OpenFileCount();

// ---- Embedded items ---------------------------------------------------------------------

void SetEmbeddedItem(int index, std::vector<std::uint8_t> bytes);

// ---- Program starts ---------------------------------------------------------------------

struct ProgramStart {
  std::string file;
  std::string argument;
  std::string workingFolder;
  std::uint32_t time = 0;
  bool started = false;  // the file existed and starts were not made to fail
};
const std::vector<ProgramStart>& ProgramStarts();
void FailProgramStarts(bool fail);

// ---- Message boxes ----------------------------------------------------------------------

struct MessageBoxRecord {
  std::string text;
  std::string title;
  std::uint32_t flags = 0;
  int owner = -1;
  std::uint32_t time = 0;
  int answer = 0;
};
const std::vector<MessageBoxRecord>& MessageBoxes();
// Decides the answer of each box; without one, OK boxes are answered IDOK and others IDNO.
void SetMessageBoxAnswerer(std::function<int(const MessageBoxRecord&)> answerer);

// ---- Fonts and text ---------------------------------------------------------------------

struct FontRecord {
  std::string face;
  int points = 0;
  std::uint32_t style = 0;
  friend bool operator==(const FontRecord&, const FontRecord&) = default;
};
std::optional<FontRecord> LoadedFont(platform::FontNumber number);
// Font loading fails for a face (compared without letter case); "" switches it off.
void FailFontsOfFace(const std::string& face);
// Measuring surfaces cannot be had.
void FailMeasuringSurfaces(bool fail);
// Measuring surfaces opened and not yet closed.
int OpenMeasuringSurfaceCount();
// The current default control font: a font number, or -1 for the standard control font.
platform::FontNumber DefaultControlFont();

// ---- Windows and controls ---------------------------------------------------------------

// The stand-in's screen is 1280 x 1024 pixels. A window with a title bar has a frame of 3 pixels
// on each side (4 with a sizing border) and a 22-pixel title bar; centred windows are placed
// by that frame. Closing a window also closes the windows it owns, as Windows does, and drops
// the events still pending for it.

struct WindowRecord {
  platform::WindowNumber number = platform::kNoWindow;
  platform::WindowSpec layout;  // as opened
  std::string title;            // now
  bool open = false;
  bool visible = false;
  bool topMost = false;
  std::vector<int> removedMenuPositions;
  platform::BrushId background = 0;  // the class background now; 0 = the system's colour
  bool hooked = false;
  std::uint32_t openedAt = 0;
  std::uint32_t closedAt = 0;
  // The window that owns it: layout.owner when that window was open at the opening, as Windows
  // takes an owner only by its handle.
  platform::WindowNumber owner = platform::kNoWindow;
};
// The window of a number: the open one, else the last one that was open.
const WindowRecord* Window(platform::WindowNumber number);
// The open window with that title.
std::optional<platform::WindowNumber> FindWindowByTitle(const std::string& title);
// Every window opened in this run, in the order of opening (reopened numbers appear again).
const std::vector<WindowRecord>& WindowHistory();
// Opening a window under that number fails (OpenWindow returns false).
void FailOpeningWindow(platform::WindowNumber number, bool fail);

struct ControlRecord {
  platform::ControlId id = 0;
  platform::WindowNumber window = platform::kNoWindow;
  platform::ControlId panel = 0;
  platform::ControlSpec layout;  // as created
  std::string text;              // now
  bool enabled = true;
  bool visible = true;
  int state = 0;
  std::optional<platform::Colour> background;
  // The font it shows its text in: the default control font at creation, the font loaded later
  // under that number when it is replaced; none = the standard font (also once its font is
  // freed).
  std::optional<FontRecord> font;
  platform::FontNumber fontNumber = -1;  // the number of that font; -1 = the standard font
  bool destroyed = false;
};
const ControlRecord* Control(platform::ControlId id);
// Controls of a window (those in its panels included), in the order of creation.
std::vector<platform::ControlId> ControlsOf(platform::WindowNumber window);
// The first live control of a window of that kind and text; 0 when there is none.
platform::ControlId FindControl(platform::WindowNumber window, platform::ControlKind kind,
                                const std::string& text);

// What the window's static-colour hook answers for a control (not handled without hook).
platform::StaticColourAnswer AskColourHook(platform::WindowNumber window,
                                           platform::ControlId control);

struct BrushRecord {
  bool pattern = false;
  platform::Colour colour;  // solid brushes
  int picture = -1;         // pattern brushes: the picture they were made from
};
std::optional<BrushRecord> LiveBrush(platform::BrushId brush);
int LiveBrushCount();

// Images shown in a window with ShowImageInWindow, the last one kept.
const platform::Image* LastImageShown(platform::WindowNumber number);
int ImagesShownCount(platform::WindowNumber number);
// Where the last image's top-left corner lies in the window's inner area.
platform::Point LastImagePosition(platform::WindowNumber number);

// ---- The scripted user ------------------------------------------------------------------

// Asked whenever the program waits for an event (timeout: platform::kWaitForever or the limit
// in milliseconds) or polls (timeout 0). Returning an event delivers it; returning None lets a
// timed wait run out (the clock advances by the time-out). With no script, timed waits run out
// and a wait without limit stops the process with kExitUnscriptedWait; so does a script that
// answers such a wait with None (it has nothing more to do).
using ScriptedUser = std::function<platform::Event(int timeoutMilliseconds)>;
void SetScriptedUser(ScriptedUser user);

// The event a click on a control gives, with the change Windows makes: a radio option becomes
// selected and the others of its group cleared, a check box toggles. A disabled or hidden
// control (or one in a hidden panel) does not react: the result is an Other event.
platform::Event Click(platform::ControlId control);
// A close request reaches any open window, hidden ones too (any program can send WM_CLOSE).
platform::Event CloseRequestFor(platform::WindowNumber window);
platform::Event OtherEventIn(platform::WindowNumber window);
// A key pressed in a shown window: the Shortcut event of a key registered there, else Other.
platform::Event KeyPress(platform::WindowNumber window, int key);

// Leaves an event pending, as a user's action on Windows leaves a message in the queue:
// WaitEvent and PollEvent take pending events, oldest first, before they ask the script. An
// event for a window that is not open is dropped at once, and closing or replacing a window
// drops the events pending for it.
void PostUserEvent(const platform::Event& event);

}  // namespace headless
