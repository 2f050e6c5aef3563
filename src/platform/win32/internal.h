// Shared pieces of the Windows layer.
#pragma once

#include "platform/win32/windows_api.h"

namespace platform::win32 {

// The window of a number, or null.
HWND WindowHandleOf(int number);
// The window of a control id, or null.
HWND ControlHandleOf(int control);
// The font of a number (-1: the standard control font), or null.
HFONT FontHandleOf(int font);

// A root key value as Windows knows it: the 32-bit value sign-extended to a handle.
inline HKEY RootHandle(unsigned root) {
  return reinterpret_cast<HKEY>(
      static_cast<ULONG_PTR>(static_cast<LONG_PTR>(static_cast<LONG>(root))));
}

// Releases what the window and drawing services hold (windows, fonts, brushes).
void ReleaseGui();
// Registers window classes and loads the common controls and the rich-text library.
void InitialiseGui();

}  // namespace platform::win32
