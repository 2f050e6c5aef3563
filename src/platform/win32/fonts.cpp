// Numbered fonts and the font that new controls take.
#include "platform/gui.h"

#include "platform/win32/gui_state.h"
#include "platform/win32/internal.h"

namespace platform {
namespace {

using win32::Gui;

// Gives the controls that use a font another one before the font is deleted.
void SwitchControlsOfFont(FontNumber from, FontNumber to) {
  const HFONT font = win32::FontHandleOf(to);
  for (auto& [id, control] : Gui().controls) {
    if (control.font != from) continue;
    control.font = to;
    SendMessageA(control.handle, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  }
}

}  // namespace

namespace win32 {

GdiObject<HFONT> MakeFont(const std::string& face, int points, std::uint32_t style) {
  const WindowDc screen(nullptr);
  if (screen.get() == nullptr) return {};
  const int height = -MulDiv(points, GetDeviceCaps(screen.get(), LOGPIXELSY), 72);
  return GdiObject<HFONT>(CreateFontA(
      height, 0, 0, 0, (style & kFontBold) ? FW_BOLD : FW_NORMAL, (style & kFontItalic) != 0,
      (style & kFontUnderline) != 0, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str()));
}

HFONT FontHandleOf(int font) {
  if (font == -1) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  auto it = Gui().fonts.find(font);
  return it == Gui().fonts.end() ? nullptr : it->second.get();
}

}  // namespace win32

bool LoadFont(FontNumber number, const std::string& face, int points, std::uint32_t style) {
  if (number < 0) return false;
  win32::GdiObject<HFONT> font = win32::MakeFont(face, points, style);
  if (font.get() == nullptr) return false;
  win32::GdiObject<HFONT>& slot = Gui().fonts[number];
  const win32::GdiObject<HFONT> earlier(slot.release());  // deleted once no control uses it
  slot.reset(font.release());
  if (earlier.get() != nullptr) SwitchControlsOfFont(number, number);
  return true;
}

void FreeFont(FontNumber number) {
  if (!IsFontLoaded(number)) return;
  SwitchControlsOfFont(number, -1);
  Gui().fonts.erase(number);
}

bool IsFontLoaded(FontNumber number) {
  return Gui().fonts.count(number) != 0;
}

void SetDefaultControlFont(FontNumber number) {
  Gui().defaultFont = number;
}

void UseStandardControlFont() {
  Gui().defaultFont = -1;
}

}  // namespace platform
