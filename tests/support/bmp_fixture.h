// Small Windows bitmaps made field by field, so that a test can build exactly the picture (or
// the damage) it needs.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/colour.h"

namespace fixture {

struct BmpSpec {
  int width = 2;
  int height = 2;  // negative: top-down
  int bits = 24;
  std::vector<platform::Colour> palette;  // for 1, 4 and 8 bits
  std::vector<std::uint32_t> pixels;      // palette indexes, or 0xRRGGBB, row by row as stored
};

inline void Put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

inline void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

// The bytes of a BMP: file header, 40-byte info header, palette, rows padded to 4 bytes.
inline std::vector<std::uint8_t> MakeBmp(const BmpSpec& layout) {
  const int rows = layout.height < 0 ? -layout.height : layout.height;
  const std::uint32_t stride =
      (static_cast<std::uint32_t>(layout.width) * layout.bits + 31) / 32 * 4;
  const std::uint32_t offset = 54 + static_cast<std::uint32_t>(layout.palette.size()) * 4;
  std::vector<std::uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  Put32(out, offset + stride * rows);
  Put32(out, 0);
  Put32(out, offset);
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(layout.width));
  Put32(out, static_cast<std::uint32_t>(layout.height));
  Put16(out, 1);
  Put16(out, static_cast<std::uint32_t>(layout.bits));
  Put32(out, 0);
  Put32(out, stride * rows);
  Put32(out, 2835);
  Put32(out, 2835);
  Put32(out, static_cast<std::uint32_t>(layout.palette.size()));
  Put32(out, 0);
  for (const platform::Colour& colour : layout.palette) {
    out.push_back(colour.blue);
    out.push_back(colour.green);
    out.push_back(colour.red);
    out.push_back(0);
  }
  for (int row = 0; row < rows; ++row) {
    std::vector<std::uint8_t> line(stride, 0);
    for (int x = 0; x < layout.width; ++x) {
      const std::uint32_t value = layout.pixels[static_cast<std::size_t>(row) * layout.width + x];
      if (layout.bits >= 24) {
        const int bytes = layout.bits / 8;
        line[x * bytes] = static_cast<std::uint8_t>(value);
        line[x * bytes + 1] = static_cast<std::uint8_t>(value >> 8);
        line[x * bytes + 2] = static_cast<std::uint8_t>(value >> 16);
      } else {
        const int bit = x * layout.bits;
        line[bit / 8] |= static_cast<std::uint8_t>(value << (8 - layout.bits - bit % 8));
      }
    }
    out.insert(out.end(), line.begin(), line.end());
  }
  return out;
}

}  // namespace fixture
