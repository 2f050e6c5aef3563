// Pictures come from outside the code: any bytes must decode to a consistent image or be
// refused, never crash or read past the data. A decoded image must survive saving and scaling.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/image.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto image = platform::DecodeBmp(data, size);
  if (!image) return 0;
  if (image->width < 1 || image->height < 1 ||
      image->pixels.size() != static_cast<std::size_t>(image->width) * image->height) {
    std::abort();
  }
  const auto bytes = platform::EncodeBmp24(*image);
  const auto again = platform::DecodeBmp(bytes.data(), bytes.size());
  if (!again || again->pixels != image->pixels) std::abort();

  const int width = image->width % 37 + 1;
  const int height = image->height % 41 + 1;
  const auto scaled = platform::ScaleSmooth(*image, width, height);
  if (!scaled || scaled->width != width || scaled->height != height) std::abort();
  return 0;
}
