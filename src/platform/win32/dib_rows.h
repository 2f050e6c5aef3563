// Pixel rows of 24-bit device-independent bitmaps as GDI keeps them: blue, green, red per
// pixel, every row padded to a multiple of four bytes, top row first (a negative height in the
// bitmap header). Portable, so that it is tested on every build.
#pragma once

#include <cstdint>

#include "platform/image.h"

namespace platform::win32 {

// Bytes from the start of one row to the start of the next.
inline int DibRowStride(int width) {
  return (width * 3 + 3) & ~3;
}

// An image whose pixels fill its width and height, none missing.
inline bool IsWholeImage(const Image& image) {
  return image.width > 0 && image.height > 0 &&
         image.pixels.size() == static_cast<std::size_t>(image.width) * image.height;
}

// A box of an image, lying wholly inside it, as the rows of a bitmap of the box's size.
void WriteDibRows(const Image& image, int left, int top, int width, int height, std::uint8_t* rows);
// The rows of a bitmap of width x height back into the image's box at (left, top), which lies
// wholly inside the image.
void ReadDibRows(const std::uint8_t* rows, int left, int top, int width, int height, Image& image);

}  // namespace platform::win32
