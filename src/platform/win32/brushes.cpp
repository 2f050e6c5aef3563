// Brushes the program makes and frees by id, and the background of the setup's window class.
#include "platform/gui.h"
#include "platform/pictures.h"

#include "platform/win32/gui_state.h"
#include "platform/win32/internal.h"

namespace platform {
namespace {

using win32::Gui;

BrushId Keep(win32::BrushEntry entry) {
  const HBRUSH brush = entry.brush.get();
  if (brush == nullptr) return 0;
  const BrushId id = reinterpret_cast<BrushId>(brush);
  Gui().brushes[id] = std::move(entry);
  return id;
}

}  // namespace

namespace win32 {

void SetClassBackground(HWND window, HBRUSH brush) {
  if (brush == nullptr) brush = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  SetClassLongPtrA(window, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(brush));
}

}  // namespace win32

BrushId MakeSolidBrush(Colour colour) {
  win32::BrushEntry entry;
  entry.brush.reset(CreateSolidBrush(RGB(colour.red, colour.green, colour.blue)));
  return Keep(std::move(entry));
}

BrushId MakePatternBrush(int picture) {
  const Image* image = FindPicture(picture);
  if (image == nullptr) return 0;
  win32::BrushEntry entry;
  entry.pattern = std::move(win32::DibOfImage(*image).bitmap);
  if (entry.pattern.get() == nullptr) return 0;
  entry.brush.reset(CreatePatternBrush(entry.pattern.get()));
  return Keep(std::move(entry));
}

void FreeBrush(BrushId brush) {
  auto it = Gui().brushes.find(brush);
  if (it == Gui().brushes.end()) return;
  if (Gui().classBackground == it->second.brush.get()) {
    // No window may paint with a deleted brush: the class falls back to the system colour.
    Gui().classBackground = nullptr;
    if (!Gui().windows.empty()) {
      win32::SetClassBackground(Gui().windows.begin()->second.handle.get(), nullptr);
    }
  }
  Gui().brushes.erase(it);
}

bool SetWindowBackground(WindowNumber number, BrushId brush) {
  const HWND window = win32::WindowHandleOf(number);
  if (window == nullptr) return false;
  auto it = Gui().brushes.find(brush);
  if (brush != 0 && it == Gui().brushes.end()) return false;
  Gui().classBackground = brush != 0 ? it->second.brush.get() : nullptr;
  win32::SetClassBackground(window, Gui().classBackground);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  return true;
}

}  // namespace platform
