// Text in fonts: measuring on a drawing surface of the screen, drawing into images.
#pragma once

#include <cstdint>
#include <string>

#include "platform/colour.h"
#include "platform/gui.h"
#include "platform/image.h"

namespace platform {

// A drawing surface of the screen with a font selected for measuring. Releases both when it
// goes out of scope.
struct MeasuringSurface;
void CloseMeasuringSurface(MeasuringSurface& surface);

struct MeasuringSurface {
  std::uintptr_t handle = 0;

  MeasuringSurface() = default;
  MeasuringSurface(const MeasuringSurface&) = delete;
  MeasuringSurface& operator=(const MeasuringSurface&) = delete;
  MeasuringSurface(MeasuringSurface&& other) noexcept : handle(other.handle) { other.handle = 0; }
  MeasuringSurface& operator=(MeasuringSurface&& other) noexcept {
    if (this != &other) {
      CloseMeasuringSurface(*this);
      handle = other.handle;
      other.handle = 0;
    }
    return *this;
  }
  ~MeasuringSurface() { CloseMeasuringSurface(*this); }
  bool IsOpen() const { return handle != 0; }
};

// Makes the surface and selects a font of that face, size in points and style (FontStyle);
// the surface is not open when either cannot be had.
MeasuringSurface OpenMeasuringSurface(const std::string& face, int points, std::uint32_t style);
// Width in pixels of a text in the surface's font.
int MeasureTextWidth(const MeasuringSurface& surface, const std::string& text);
// Releases the surface and its font; the surface is not open afterwards.
void CloseMeasuringSurface(MeasuringSurface& surface);

// Width in pixels and line height of a text in a numbered font.
int TextWidthInFont(FontNumber font, const std::string& text);
int FontLineHeight(FontNumber font);

// Draws a text into an image with the top-left corner of its box at (x, y): with an opaque box
// of the background colour, or transparent when background is null. False when drawing could
// not start.
bool DrawTextOnImage(Image& image, int x, int y, const std::string& text, FontNumber font,
                     Colour textColour, const Colour* background);

}  // namespace platform
