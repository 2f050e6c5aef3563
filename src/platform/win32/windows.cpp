// Numbered top-level windows of one shared class.
#include "platform/gui.h"

#include "platform/win32/dib_rows.h"
#include "platform/win32/gui_state.h"
#include "platform/win32/internal.h"

namespace platform {
namespace {

using win32::Gui;

DWORD StyleOf(std::uint32_t style) {
  DWORD windowStyle = WS_POPUP | WS_CLIPCHILDREN;
  if (style & (kWindowCaption | kWindowSystemMenu)) windowStyle |= WS_CAPTION;
  if (style & kWindowSystemMenu) windowStyle |= WS_SYSMENU;
  if (style & kWindowSizingBorder) windowStyle |= WS_THICKFRAME;
  return windowStyle;
}

}  // namespace

bool OpenWindow(WindowNumber number, const WindowSpec& layout) {
  CloseWindow(number);
  const DWORD style = StyleOf(layout.style);
  const DWORD extendedStyle = (layout.style & kWindowTopMost) ? WS_EX_TOPMOST : 0;
  RECT frame{0, 0, layout.innerWidth, layout.innerHeight};
  AdjustWindowRectEx(&frame, style, FALSE, extendedStyle);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  int x = layout.x;
  int y = layout.y;
  if (layout.style & kWindowCentred) {
    x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  }
  const HWND window = CreateWindowExA(
      extendedStyle, win32::kWindowClass, layout.title.c_str(), style, x, y, width, height,
      win32::WindowHandleOf(layout.owner), nullptr, GetModuleHandleA(nullptr), nullptr);
  if (window == nullptr) return false;
  win32::SetClassBackground(window, Gui().classBackground);
  Gui().windows[number].handle.reset(window);
  if (!(layout.style & kWindowHidden)) {
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
  }
  return true;
}

void CloseWindow(WindowNumber number) {
  const HWND window = win32::WindowHandleOf(number);
  if (window == nullptr) return;
  // The window procedure forgets the window and its controls while it is destroyed.
  DestroyWindow(window);
  Gui().windows.erase(number);
}

bool IsWindowOpen(WindowNumber number) {
  return win32::WindowHandleOf(number) != nullptr;
}

void SetWindowVisible(WindowNumber number, bool visible) {
  if (const HWND window = win32::WindowHandleOf(number)) {
    ShowWindow(window, visible ? SW_SHOW : SW_HIDE);
  }
}

void SetWindowTitle(WindowNumber number, const std::string& title) {
  if (const HWND window = win32::WindowHandleOf(number)) SetWindowTextA(window, title.c_str());
}

void SetWindowTopMost(WindowNumber number, bool topMost) {
  if (const HWND window = win32::WindowHandleOf(number)) {
    SetWindowPos(window, topMost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

Point WindowFramePosition(WindowNumber number) {
  RECT frame{};
  if (const HWND window = win32::WindowHandleOf(number)) GetWindowRect(window, &frame);
  return {frame.left, frame.top};
}

Size WindowInnerSize(WindowNumber number) {
  RECT inner{};
  if (const HWND window = win32::WindowHandleOf(number)) GetClientRect(window, &inner);
  return {inner.right, inner.bottom};
}

bool RemoveSystemMenuEntry(WindowNumber number, int position) {
  const HWND window = win32::WindowHandleOf(number);
  if (window == nullptr) return false;
  const HMENU menu = GetSystemMenu(window, FALSE);
  return menu != nullptr && DeleteMenu(menu, static_cast<UINT>(position), MF_BYPOSITION);
}

void AddKeyboardShortcut(WindowNumber number, int key, int shortcutId) {
  if (win32::WindowEntry* entry = win32::FindWindowEntry(number)) {
    entry->shortcuts.emplace_back(key, shortcutId);
  }
}

bool ShowImageInWindow(WindowNumber number, const Image& image, int x, int y) {
  win32::WindowEntry* entry = win32::FindWindowEntry(number);
  if (entry == nullptr || !win32::IsWholeImage(image)) return false;
  win32::Dib& shown = entry->shownImage;
  // The intro sends a frame of the same size many times a second: the bitmap is kept.
  if (shown.width != image.width || shown.height != image.height) {
    shown = win32::MakeDib(image.width, image.height);
    if (shown.rows == nullptr) return false;
  }
  win32::FillDib(shown, image);
  entry->shownX = x;
  entry->shownY = y;
  const HWND window = entry->handle.get();
  const win32::WindowDc screen(window);
  const win32::MemoryDc source(screen.get());
  if (source.get() == nullptr) return false;
  const win32::SelectGuard selected(source.get(), shown.bitmap.get());
  return BitBlt(screen.get(), x, y, image.width, image.height, source.get(), 0, 0, SRCCOPY);
}

}  // namespace platform
