#include "platform/win32/dib_rows.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using platform::Colour;
using platform::Image;
using platform::win32::DibRowStride;
using platform::win32::ReadDibRows;
using platform::win32::WriteDibRows;

// Neighbouring pixels differ in every channel: red = x, green = y, blue = 100 + x + y.
Image Numbered(int width, int height) {
  Image image = *platform::MakeImage(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x)
      image.At(x, y) = Colour{static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y),
                              static_cast<std::uint8_t>(100 + x + y)};
  }
  return image;
}

TEST(DibRows, RowsHoldBlueGreenRedPaddedToFourBytes) {
  struct Case {
    int width, stride;
  } cases[] = {{1, 4}, {2, 8}, {3, 12}, {4, 12}, {5, 16}, {800, 2400}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.width);
    ASSERT_EQ(DibRowStride(c.width), c.stride);
    const Image image = Numbered(c.width, 2);
    std::vector<std::uint8_t> rows(static_cast<std::size_t>(c.stride) * 2, 0xEE);
    WriteDibRows(image, 0, 0, c.width, 2, rows.data());
    for (int y = 0; y < 2; ++y) {
      const std::uint8_t* row = rows.data() + y * c.stride;
      for (int x = 0; x < c.width; ++x) {
        EXPECT_EQ(row[3 * x], image.At(x, y).blue);
        EXPECT_EQ(row[3 * x + 1], image.At(x, y).green);
        EXPECT_EQ(row[3 * x + 2], image.At(x, y).red);
      }
      for (int pad = 3 * c.width; pad < c.stride; ++pad)
        EXPECT_EQ(row[pad], 0) << "padding is cleared";
    }
  }
}

TEST(DibRows, ABoxGoesOutAndComesBackToItsOwnPlaceOnly) {
  const Image original = Numbered(7, 5);
  std::vector<std::uint8_t> rows(static_cast<std::size_t>(DibRowStride(3)) * 2);
  WriteDibRows(original, 2, 1, 3, 2, rows.data());
  EXPECT_EQ(rows[0], 100 + 2 + 1) << "the box's first pixel is the image's (2, 1)";

  Image copy = *platform::MakeImage(7, 5, Colour{1, 2, 3});
  ReadDibRows(rows.data(), 2, 1, 3, 2, copy);
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 7; ++x) {
      const bool boxed = x >= 2 && x < 5 && y >= 1 && y < 3;
      EXPECT_EQ(copy.At(x, y), boxed ? original.At(x, y) : (Colour{1, 2, 3})) << x << "," << y;
    }
  }
}

}  // namespace
