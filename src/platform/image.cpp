// Placeholder until the imaging work lands.
#include "platform/image.h"

namespace platform {
std::optional<Image> MakeImage(int width, int height, Colour fill) {
  if (width < 1 || height < 1 || width > kMaxImageSide || height > kMaxImageSide)
    return std::nullopt;
  Image image;
  image.width = width;
  image.height = height;
  image.pixels.assign(static_cast<std::size_t>(width) * height, fill);
  return image;
}
std::optional<Image> DecodeBmp(const std::uint8_t*, std::size_t) {
  return std::nullopt;
}
std::vector<std::uint8_t> EncodeBmp24(const Image&) {
  return {};
}
std::optional<Image> ScaleSmooth(const Image&, int, int) {
  return std::nullopt;
}
void FillBox(Image&, int, int, int, int, Colour) {}
void DrawImage(Image&, const Image&, int, int) {}
}  // namespace platform
