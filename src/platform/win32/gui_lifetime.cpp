// Start and end of the window services: the common controls, the rich-text library and the
// window classes; at the end every window, font and brush the services still hold.
#include "platform/gui.h"

#include "platform/win32/gui_state.h"
#include "platform/win32/internal.h"

#include <commctrl.h>

namespace platform::win32 {
namespace {

bool RegisterWindowClass(const char* name, WNDPROC procedure, HBRUSH background) {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = name;
  return RegisterClassExA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

void InitialiseGui() {
  INITCOMMONCONTROLSEX commonControls{sizeof(commonControls),
                                      ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&commonControls);
  GuiState& gui = Gui();
  if (gui.richEdit.get() == nullptr) gui.richEdit.reset(LoadLibraryA("riched20.dll"));
  // The classes stay registered until the process ends: unregistering would make the system
  // delete whatever brush was last the class background, a brush this layer owns.
  if (!gui.classesRegistered) {
    gui.classesRegistered =
        RegisterWindowClass(kWindowClass, WindowProcedure,
                            reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1))) &&
        RegisterWindowClass(kPanelClass, PanelProcedure, nullptr);
  }
}

void ReleaseGui() {
  GuiState& gui = Gui();
  while (!gui.windows.empty())
    platform::CloseWindow(gui.windows.begin()->first);
  gui.controls.clear();
  while (!gui.brushes.empty())
    platform::FreeBrush(gui.brushes.begin()->first);
  gui.fonts.clear();
  gui.defaultFont = -1;
  gui.events.clear();
  gui.richEdit.reset();
}

}  // namespace platform::win32
