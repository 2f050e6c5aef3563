// Text in fonts in the stand-in: widths from a table of advance widths measured once with GDI
// (Arial as the test prefix serves it), so that text lays out on Linux as it does on Windows.
// Every face is measured as Arial; a text's width is the sum of its characters' widths, as GDI
// measures these fonts (no kerning).
#include <cstdlib>
#include <map>

#include "platform/headless/control.h"
#include "platform/headless/internal.h"
#include "platform/image.h"
#include "platform/text.h"

namespace headless {
namespace {

struct MeasuredFont {
  std::uint32_t style;  // kFontBold and kFontItalic bits
  int emHeight;
  int lineHeight;
  int ascent;
  int widths[256];
};

constexpr MeasuredFont kMeasuredFonts[] = {
#include "platform/headless/arial_advance_widths.inc"
};

// A font as the stand-in lays it out: a measured row, scaled when the em height was not
// measured.
struct Metrics {
  const MeasuredFont* row = nullptr;
  int emHeight = 0;

  int Scale(int value) const {
    if (emHeight == row->emHeight) return value;
    return (value * emHeight + row->emHeight / 2) / row->emHeight;
  }
  int Width(const std::string& text) const {
    int sum = 0;
    for (char c : text)
      sum += row->widths[static_cast<unsigned char>(c)];
    return Scale(sum);
  }
  int LineHeight() const { return Scale(row->lineHeight); }
  int Ascent() const { return Scale(row->ascent); }
};

// The em height Windows gives a font of that size: MulDiv(points, pixels per inch, 72), rounded
// half away from zero. A screen without a resolution is taken as 96 pixels per inch.
int EmHeight(int points) {
  const int pixelsPerInch = internal::PixelsPerInch() > 0 ? internal::PixelsPerInch() : 96;
  const long long product = static_cast<long long>(points) * pixelsPerInch;
  return static_cast<int>((product + (product >= 0 ? 36 : -36)) / 72);
}

Metrics MetricsFor(int points, std::uint32_t style) {
  const std::uint32_t shape = style & (platform::kFontBold | platform::kFontItalic);
  const int emHeight = EmHeight(points) >= 1 ? EmHeight(points) : 1;
  Metrics metrics;
  metrics.emHeight = emHeight;
  for (const MeasuredFont& row : kMeasuredFonts) {
    if (row.style != shape) continue;
    if (metrics.row == nullptr ||
        std::abs(row.emHeight - emHeight) < std::abs(metrics.row->emHeight - emHeight)) {
      metrics.row = &row;
    }
  }
  return metrics;
}

struct Text {
  std::map<std::uintptr_t, Metrics> surfaces;
  std::uintptr_t nextSurface = 1;
  bool failSurfaces = false;
};

Text& T() {
  static Text text;
  return text;
}

}  // namespace

void internal::ResetText() {
  T() = Text{};
}

void FailMeasuringSurfaces(bool fail) {
  T().failSurfaces = fail;
}

int OpenMeasuringSurfaceCount() {
  return static_cast<int>(T().surfaces.size());
}

}  // namespace headless

namespace platform {

using headless::T;

MeasuringSurface OpenMeasuringSurface(const std::string&, int points, std::uint32_t style) {
  MeasuringSurface surface;
  if (T().failSurfaces) return surface;
  surface.handle = T().nextSurface++;
  T().surfaces[surface.handle] = headless::MetricsFor(points, style);
  return surface;
}

int MeasureTextWidth(const MeasuringSurface& surface, const std::string& text) {
  auto it = T().surfaces.find(surface.handle);
  return it == T().surfaces.end() ? 0 : it->second.Width(text);
}

void CloseMeasuringSurface(MeasuringSurface& surface) {
  if (surface.handle == 0) return;
  T().surfaces.erase(surface.handle);
  surface.handle = 0;
}

int TextWidthInFont(FontNumber font, const std::string& text) {
  const auto loaded = headless::LoadedFont(font);
  if (!loaded) return 0;
  return headless::MetricsFor(loaded->points, loaded->style).Width(text);
}

int FontLineHeight(FontNumber font) {
  const auto loaded = headless::LoadedFont(font);
  if (!loaded) return 0;
  return headless::MetricsFor(loaded->points, loaded->style).LineHeight();
}

// Drawn so that a test can see where text went: the opaque box covers the text's advance width
// and line height; each character that is not a blank fills its advance box from the top of the
// line down to the baseline in the text colour.
bool DrawTextOnImage(Image& image, int x, int y, const std::string& text, FontNumber font,
                     Colour textColour, const Colour* background) {
  const auto loaded = headless::LoadedFont(font);
  if (!loaded) return false;
  const headless::Metrics metrics = headless::MetricsFor(loaded->points, loaded->style);
  if (background != nullptr) {
    platform::FillBox(image, x, y, metrics.Width(text), metrics.LineHeight(), *background);
  }
  // Positions come from the widths of whole beginnings, so that scaled fonts do not drift.
  int measured = 0;
  int pen = 0;
  for (char c : text) {
    measured += metrics.row->widths[static_cast<unsigned char>(c)];
    const int next = metrics.Scale(measured);
    // Nothing more reaches the image; stopping here also keeps x + pen from overflowing.
    const long long left = static_cast<long long>(x) + pen;
    if (left >= image.width) break;
    if (c != ' ') {
      platform::FillBox(image, static_cast<int>(left), y, next - pen, metrics.Ascent(), textColour);
    }
    pen = next;
  }
  return true;
}

}  // namespace platform
