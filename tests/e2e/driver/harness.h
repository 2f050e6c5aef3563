// What the end-to-end scenarios do as a user would: start programs, find windows by title, read
// and click their controls, answer message boxes; and what they check afterwards: registry and
// files. A failed check prints its message and marks the scenario failed; the runner then keeps
// a screenshot of the screen as the failure left it.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

namespace e2e {

// ---- Scenarios --------------------------------------------------------------------------

struct Context {
  std::string setupPath;    // Windows path of the setup under test
  std::string buildFolder;  // Windows path of the folder the setup was built in, with "\\"
  std::string runFolder;    // Linux path of this run's sandbox (QVD_RUN_FOLDER)
};

using Scenario = std::function<void(Context&)>;
struct Registration {
  Registration(const char* name, Scenario scenario);
};
#define E2E_SCENARIO(name)                                     \
  static void name(::e2e::Context& context);                   \
  static ::e2e::Registration registration_##name(#name, name); \
  static void name([[maybe_unused]] ::e2e::Context& context)

int RunScenario(const std::string& name, Context& context);

// Records a failure unless the condition holds; returns the condition.
bool Check(bool condition, const std::string& message);
template <typename T, typename U>
bool CheckEqual(const T& actual, const U& expected, const std::string& what);
bool Failed();

// ---- Processes --------------------------------------------------------------------------

struct Process {
  HANDLE handle = nullptr;
  DWORD id = 0;
};
// Starts a program with a command line of its own (arguments after the quoted path).
Process Start(const std::string& path, const std::string& arguments = "",
              const std::string& folder = "");
// The exit code, or nothing when the process is still running after the time.
std::optional<DWORD> WaitForExit(const Process& process, int milliseconds);
void Kill(const Process& process);

// ---- Windows ----------------------------------------------------------------------------

// A visible top-level window with exactly this title (of the process, when given).
HWND WaitForWindow(const std::string& title, int milliseconds, DWORD processId = 0);
HWND FindTopWindow(const std::string& title, DWORD processId = 0);
// Waits until no visible window of the title is left.
bool WaitForWindowGone(const std::string& title, int milliseconds);
std::vector<HWND> Descendants(HWND window);
std::string ClassOf(HWND window);
std::string TextOf(HWND window);
// The first descendant of a class (case-insensitive) with exactly that text.
HWND FindControl(HWND window, const std::string& className, const std::string& text);
// The same, waiting for it to appear: a window's page may be built after the window is shown.
HWND WaitForControl(HWND window, const std::string& className, const std::string& text,
                    int milliseconds = 10000);
// Posts a click: a handler that opens a modal box then does not block the scenario.
void Click(HWND button);
RECT ClientRectOnScreen(HWND window);
// Chooses a menu item as the keyboard does: Alt with the menu's underlined letter, then the
// item's underlined letter. (Wine keeps menus inside their process: they cannot be read from
// outside.)
void ChooseMenuItem(HWND window, char menuLetter, char itemLetter);
// Brings the window to the front and presses a key (a virtual-key code) once.
void PressKey(HWND window, WORD key);

// ---- Message boxes ----------------------------------------------------------------------

struct MessageBoxView {
  HWND window = nullptr;
  std::string text;
  std::vector<std::string> buttons;
};
std::optional<MessageBoxView> WaitForMessageBox(const std::string& title, int milliseconds,
                                                DWORD processId = 0);
// Clicks the button whose text, without "&", is the given one.
bool Answer(const MessageBoxView& box, const std::string& button);

// ---- Registry and files -----------------------------------------------------------------

std::optional<std::string> ReadRegistryText(HKEY root, const std::string& subKey,
                                            const std::string& name);
bool RegistryKeyPresent(HKEY root, const std::string& subKey);
// Creates the key as needed and writes a REG_SZ value ("" names the default value).
bool WriteRegistryText(HKEY root, const std::string& subKey, const std::string& name,
                       const std::string& value);
bool DeleteRegistryValue(HKEY root, const std::string& subKey, const std::string& name);
bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
// Creates the folder with all folders above it.
bool MakeFolders(const std::string& folder);
bool WriteFileBytes(const std::string& path, const std::string& bytes);
std::optional<std::string> ReadFileBytes(const std::string& path);
// A shell special folder (CSIDL) and the temporary folder, ending with a backslash.
std::string SpecialFolder(int csidl);
std::string TemporaryFolder();

void Sleep(int milliseconds);

// ---- The screen -------------------------------------------------------------------------

struct Pixel {
  BYTE red = 0;
  BYTE green = 0;
  BYTE blue = 0;
};
// What the screen shows in a rectangle (screen coordinates), row by row, copied with BitBlt
// from the desktop's device context; empty when it cannot be had.
std::vector<Pixel> CaptureScreen(const RECT& area);

// ---- Implementation of the template -----------------------------------------------------

std::string Describe(const std::string& value);
inline std::string Describe(const char* value) {
  return Describe(std::string(value));
}
template <typename Number>
requires std::is_arithmetic_v<Number> std::string Describe(Number value) {
  return std::to_string(value);
}

template <typename T, typename U>
bool CheckEqual(const T& actual, const U& expected, const std::string& what) {
  return Check(actual == expected,
               what + ": got " + Describe(actual) + ", expected " + Describe(expected));
}

}  // namespace e2e
