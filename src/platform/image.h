// Portable 24-bit images: BMP decoding and saving, smooth scaling, copying, filled boxes.
// Shared by both platform implementations.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/colour.h"

namespace platform {

struct Image {
  int width = 0;
  int height = 0;
  std::vector<Colour> pixels;  // row by row, top row first

  Colour& At(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
  const Colour& At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// The largest side accepted for a picture; larger ones are refused rather than allocated.
inline constexpr int kMaxImageSide = 16384;

// A new image filled with one colour; nullopt for sizes outside 1..kMaxImageSide.
std::optional<Image> MakeImage(int width, int height, Colour fill = {});

// Decodes a Windows bitmap (BITMAPFILEHEADER + BITMAPINFOHEADER or larger): 1, 4 and 8 bits
// with palette, 24 and 32 bits; bottom-up and top-down; uncompressed only. Every header field
// and size is checked against the data: damaged or truncated data gives nullopt.
std::optional<Image> DecodeBmp(const std::uint8_t* data, std::size_t size);

// Encodes an image as a 24-bit bottom-up Windows bitmap.
std::vector<std::uint8_t> EncodeBmp24(const Image& image);

// Scales with smoothing (area averaging when shrinking, bilinear when enlarging); nullopt for
// an empty source or a target size outside 1..kMaxImageSide.
std::optional<Image> ScaleSmooth(const Image& source, int width, int height);

// Fills a box, clipped to the image.
void FillBox(Image& image, int x, int y, int width, int height, Colour colour);

// Draws source into target with its top-left corner at (x, y), clipped to the target.
void DrawImage(Image& target, const Image& source, int x, int y);

}  // namespace platform
