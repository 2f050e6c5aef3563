#include "platform/win32/dib_rows.h"

namespace platform::win32 {

void WriteDibRows(const Image& image, int left, int top, int width, int height,
                  std::uint8_t* rows) {
  const int stride = DibRowStride(width);
  for (int y = 0; y < height; ++y) {
    std::uint8_t* out = rows + static_cast<std::ptrdiff_t>(y) * stride;
    const Colour* in = &image.At(left, top + y);
    for (int x = 0; x < width; ++x, ++in) {
      *out++ = in->blue;
      *out++ = in->green;
      *out++ = in->red;
    }
    for (int pad = width * 3; pad < stride; ++pad)
      *out++ = 0;
  }
}

void ReadDibRows(const std::uint8_t* rows, int left, int top, int width, int height, Image& image) {
  const int stride = DibRowStride(width);
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* in = rows + static_cast<std::ptrdiff_t>(y) * stride;
    Colour* out = &image.At(left, top + y);
    for (int x = 0; x < width; ++x, ++out, in += 3)
      *out = Colour{in[2], in[1], in[0]};
  }
}

}  // namespace platform::win32
