// Text in fonts: widths and line heights on a surface of the screen, text drawn into images.
#include "platform/text.h"

#include <algorithm>

#include "platform/win32/dib_rows.h"
#include "platform/win32/gui_state.h"
#include "platform/win32/internal.h"

namespace platform {
namespace {

// A memory DC compatible with the screen and the font selected into it. Members go in reverse:
// the DC first, then the font that was selected into it.
struct SurfaceParts {
  win32::GdiObject<HFONT> font;
  win32::MemoryDc dc;
};

SurfaceParts* PartsOf(const MeasuringSurface& surface) {
  return reinterpret_cast<SurfaceParts*>(surface.handle);
}

SIZE TextExtent(HDC dc, const std::string& text) {
  SIZE extent{0, 0};
  if (!text.empty())
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  return extent;
}

int LineHeight(HDC dc) {
  TEXTMETRICA metrics{};
  return GetTextMetricsA(dc, &metrics) ? metrics.tmHeight : 0;
}

// A measuring DC with a numbered font, for the life of the object.
struct FontDc {
  explicit FontDc(HFONT font) : screen(nullptr), dc(screen.get()), selected(dc.get(), font) {}
  win32::WindowDc screen;
  win32::MemoryDc dc;
  win32::SelectGuard selected;
};

}  // namespace

MeasuringSurface OpenMeasuringSurface(const std::string& face, int points, std::uint32_t style) {
  MeasuringSurface surface;
  const win32::WindowDc screen(nullptr);
  auto* parts =
      new SurfaceParts{win32::MakeFont(face, points, style), win32::MemoryDc(screen.get())};
  if (parts->font.get() == nullptr || parts->dc.get() == nullptr ||
      SelectObject(parts->dc.get(), parts->font.get()) == nullptr) {
    delete parts;
    return surface;
  }
  surface.handle = reinterpret_cast<std::uintptr_t>(parts);
  return surface;
}

int MeasureTextWidth(const MeasuringSurface& surface, const std::string& text) {
  if (!surface.IsOpen()) return 0;
  return TextExtent(PartsOf(surface)->dc.get(), text).cx;
}

void CloseMeasuringSurface(MeasuringSurface& surface) {
  delete PartsOf(surface);
  surface.handle = 0;
}

int TextWidthInFont(FontNumber font, const std::string& text) {
  if (!IsFontLoaded(font)) return 0;
  const FontDc measuring(win32::FontHandleOf(font));
  return TextExtent(measuring.dc.get(), text).cx;
}

int FontLineHeight(FontNumber font) {
  if (!IsFontLoaded(font)) return 0;
  const FontDc measuring(win32::FontHandleOf(font));
  return LineHeight(measuring.dc.get());
}

bool DrawTextOnImage(Image& image, int x, int y, const std::string& text, FontNumber font,
                     Colour textColour, const Colour* background) {
  if (!IsFontLoaded(font) || !win32::IsWholeImage(image)) return false;
  const FontDc drawing(win32::FontHandleOf(font));
  const HDC dc = drawing.dc.get();
  if (dc == nullptr) return false;
  // Only the text's box goes through GDI: the intro draws its bands into full frames.
  const SIZE extent = TextExtent(dc, text);
  const int left = std::max(x, 0);
  const int top = std::max(y, 0);
  const int right = static_cast<int>(std::min<long long>(0LL + x + extent.cx, image.width));
  const int bottom = static_cast<int>(std::min<long long>(0LL + y + LineHeight(dc), image.height));
  if (right <= left || bottom <= top) return true;  // nothing of the text lies in the image

  win32::Dib box = win32::MakeDib(right - left, bottom - top);
  if (box.rows == nullptr) return false;
  win32::WriteDibRows(image, left, top, box.width, box.height, box.rows);
  {
    const win32::SelectGuard selected(dc, box.bitmap.get());
    SetTextColor(dc, RGB(textColour.red, textColour.green, textColour.blue));
    if (background != nullptr) {
      SetBkMode(dc, OPAQUE);
      SetBkColor(dc, RGB(background->red, background->green, background->blue));
    } else {
      SetBkMode(dc, TRANSPARENT);
    }
    TextOutA(dc, x - left, y - top, text.c_str(), static_cast<int>(text.size()));
    GdiFlush();
  }
  win32::ReadDibRows(box.rows, left, top, box.width, box.height, image);
  return true;
}

}  // namespace platform
