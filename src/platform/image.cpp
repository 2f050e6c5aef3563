#include "platform/image.h"

#include <algorithm>
#include <cstring>

namespace platform {
namespace {

// Pictures larger than this many pixels are refused: a small damaged header must not make the
// setup allocate gigabytes.
constexpr std::int64_t kMaxPixels = std::int64_t{1} << 24;

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;

std::uint32_t U16(const std::uint8_t* p) {
  return p[0] | p[1] << 8;
}
std::uint32_t U32(const std::uint8_t* p) {
  return p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}
std::int32_t S32(const std::uint8_t* p) {
  return static_cast<std::int32_t>(U32(p));
}

void Put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

bool SizeAccepted(std::int64_t width, std::int64_t height) {
  return width >= 1 && height >= 1 && width <= kMaxImageSide && height <= kMaxImageSide &&
         width * height <= kMaxPixels;
}

}  // namespace

std::optional<Image> MakeImage(int width, int height, Colour fill) {
  if (!SizeAccepted(width, height)) return std::nullopt;
  Image image;
  image.width = width;
  image.height = height;
  image.pixels.assign(static_cast<std::size_t>(width) * height, fill);
  return image;
}

std::optional<Image> DecodeBmp(const std::uint8_t* data, std::size_t size) {
  if (data == nullptr || size < kFileHeaderSize + kInfoHeaderSize) return std::nullopt;
  if (data[0] != 'B' || data[1] != 'M') return std::nullopt;
  const std::uint32_t fileSize = U32(data + 2);
  const std::uint64_t pixelOffset = U32(data + 10);
  if (fileSize != 0 && fileSize > size) return std::nullopt;  // cut off

  const std::uint8_t* info = data + kFileHeaderSize;
  const std::uint64_t infoSize = U32(info);
  const std::int64_t width = S32(info + 4);
  const std::int64_t signedHeight = S32(info + 8);
  const std::uint32_t planes = U16(info + 12);
  const std::uint32_t bits = U16(info + 14);
  const std::uint32_t compression = U32(info + 16);
  const std::uint32_t coloursUsed = U32(info + 32);

  if (infoSize < kInfoHeaderSize || kFileHeaderSize + infoSize > size) return std::nullopt;
  if (planes != 1 || compression != 0 /* BI_RGB */) return std::nullopt;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return std::nullopt;
  const bool topDown = signedHeight < 0;
  const std::int64_t height = topDown ? -signedHeight : signedHeight;
  if (!SizeAccepted(width, height)) return std::nullopt;

  // The palette follows the info header and must end before the pixels begin.
  std::vector<Colour> palette;
  const std::uint64_t paletteStart = kFileHeaderSize + infoSize;
  if (bits <= 8) {
    const std::uint32_t maximum = 1u << bits;
    const std::uint32_t count = coloursUsed == 0 ? maximum : coloursUsed;
    if (count > maximum) return std::nullopt;
    const std::uint64_t paletteEnd = paletteStart + std::uint64_t{count} * 4;
    if (paletteEnd > size || paletteEnd > pixelOffset) return std::nullopt;
    palette.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
      const std::uint8_t* entry = data + paletteStart + i * 4;
      palette.push_back(Colour{entry[2], entry[1], entry[0]});
    }
  } else if (pixelOffset < paletteStart) {
    return std::nullopt;
  }

  const std::uint64_t stride = (static_cast<std::uint64_t>(width) * bits + 31) / 32 * 4;
  if (pixelOffset + stride * static_cast<std::uint64_t>(height) > size) return std::nullopt;

  Image image;
  image.width = static_cast<int>(width);
  image.height = static_cast<int>(height);
  image.pixels.resize(static_cast<std::size_t>(width * height));
  for (std::int64_t row = 0; row < height; ++row) {
    const std::uint8_t* source = data + pixelOffset + stride * static_cast<std::uint64_t>(row);
    const std::int64_t y = topDown ? row : height - 1 - row;
    Colour* target = &image.pixels[static_cast<std::size_t>(y * width)];
    for (std::int64_t x = 0; x < width; ++x) {
      if (bits == 24 || bits == 32) {
        const std::uint8_t* pixel = source + x * (bits / 8);
        target[x] = Colour{pixel[2], pixel[1], pixel[0]};
        continue;
      }
      const std::uint64_t bit = static_cast<std::uint64_t>(x) * bits;
      const std::uint32_t shift = 8 - bits - static_cast<std::uint32_t>(bit % 8);
      const std::uint32_t index = (source[bit / 8] >> shift) & ((1u << bits) - 1);
      if (index >= palette.size()) return std::nullopt;  // points past the palette
      target[x] = palette[index];
    }
  }
  return image;
}

std::vector<std::uint8_t> EncodeBmp24(const Image& image) {
  std::vector<std::uint8_t> out;
  if (image.width <= 0 || image.height <= 0 ||
      image.pixels.size() != static_cast<std::size_t>(image.width) * image.height) {
    return out;
  }
  const std::uint32_t stride = (static_cast<std::uint32_t>(image.width) * 3 + 3) & ~3u;
  const std::uint32_t pixelBytes = stride * static_cast<std::uint32_t>(image.height);
  const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize;
  out.reserve(offset + pixelBytes);
  out.push_back('B');
  out.push_back('M');
  Put32(out, offset + pixelBytes);
  Put32(out, 0);
  Put32(out, offset);
  Put32(out, kInfoHeaderSize);
  Put32(out, static_cast<std::uint32_t>(image.width));
  Put32(out, static_cast<std::uint32_t>(image.height));  // positive: bottom-up
  Put16(out, 1);
  Put16(out, 24);
  Put32(out, 0);  // BI_RGB
  Put32(out, pixelBytes);
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, 0);
  for (int y = image.height - 1; y >= 0; --y) {
    for (int x = 0; x < image.width; ++x) {
      const Colour& pixel = image.At(x, y);
      out.push_back(pixel.blue);
      out.push_back(pixel.green);
      out.push_back(pixel.red);
    }
    out.resize(out.size() + (stride - static_cast<std::uint32_t>(image.width) * 3), 0);
  }
  return out;
}

namespace {

// How one target pixel along an axis is made of source pixels: integer weights that add up to
// the divisor, so that the result is exact and the same on every machine.
struct Contribution {
  int first = 0;
  std::vector<std::uint32_t> weights;
  std::uint32_t divisor = 1;
};

// Shrinking averages the covered area exactly: in units of 1/(source * target), target pixel x
// covers [x * source, (x + 1) * source) and source pixel i covers [i * target, (i + 1) * target).
// Enlarging interpolates linearly between the two nearest pixel centres.
std::vector<Contribution> Contributions(int source, int target) {
  std::vector<Contribution> list(static_cast<std::size_t>(target));
  const std::int64_t s = source;
  const std::int64_t t = target;
  for (std::int64_t x = 0; x < t; ++x) {
    Contribution& c = list[static_cast<std::size_t>(x)];
    if (target < source) {
      const std::int64_t begin = x * s;
      const std::int64_t end = begin + s;
      const std::int64_t firstPixel = begin / t;
      const std::int64_t lastPixel = (end - 1) / t;
      c.first = static_cast<int>(firstPixel);
      c.divisor = static_cast<std::uint32_t>(s);
      for (std::int64_t i = firstPixel; i <= lastPixel; ++i) {
        const std::int64_t overlap = std::min(end, (i + 1) * t) - std::max(begin, i * t);
        c.weights.push_back(static_cast<std::uint32_t>(overlap));
      }
    } else {
      const std::int64_t denominator = 2 * t;
      const std::int64_t numerator = std::max<std::int64_t>((2 * x + 1) * s - t, 0);
      const std::int64_t i0 = numerator / denominator;
      const std::int64_t fraction = numerator - i0 * denominator;
      c.first = static_cast<int>(i0);
      c.divisor = static_cast<std::uint32_t>(denominator);
      c.weights.push_back(static_cast<std::uint32_t>(denominator - fraction));
      if (i0 + 1 < s) {
        c.weights.push_back(static_cast<std::uint32_t>(fraction));
      } else {
        c.weights.front() = static_cast<std::uint32_t>(denominator);
      }
    }
  }
  return list;
}

}  // namespace

std::optional<Image> ScaleSmooth(const Image& source, int width, int height) {
  if (source.width <= 0 || source.height <= 0 ||
      source.pixels.size() != static_cast<std::size_t>(source.width) * source.height ||
      !SizeAccepted(width, height)) {
    return std::nullopt;
  }
  const auto columns = Contributions(source.width, width);
  const auto rows = Contributions(source.height, height);

  // Across first, keeping the undivided sums; then down, dividing once with rounding.
  const std::size_t across = static_cast<std::size_t>(width) * source.height * 3;
  std::vector<std::uint32_t> sums(across);
  for (int y = 0; y < source.height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Contribution& c = columns[static_cast<std::size_t>(x)];
      std::uint32_t red = 0, green = 0, blue = 0;
      for (std::size_t k = 0; k < c.weights.size(); ++k) {
        const Colour& pixel = source.At(c.first + static_cast<int>(k), y);
        red += pixel.red * c.weights[k];
        green += pixel.green * c.weights[k];
        blue += pixel.blue * c.weights[k];
      }
      std::uint32_t* out = &sums[(static_cast<std::size_t>(y) * width + x) * 3];
      out[0] = red;
      out[1] = green;
      out[2] = blue;
    }
  }

  Image image;
  image.width = width;
  image.height = height;
  image.pixels.resize(static_cast<std::size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    const Contribution& r = rows[static_cast<std::size_t>(y)];
    for (int x = 0; x < width; ++x) {
      const std::uint64_t divisor =
          std::uint64_t{columns[static_cast<std::size_t>(x)].divisor} * r.divisor;
      std::uint64_t channel[3] = {0, 0, 0};
      for (std::size_t k = 0; k < r.weights.size(); ++k) {
        const std::uint32_t* in =
            &sums[(static_cast<std::size_t>(r.first + static_cast<int>(k)) * width + x) * 3];
        for (int c = 0; c < 3; ++c)
          channel[c] += std::uint64_t{in[c]} * r.weights[k];
      }
      image.At(x, y) = Colour{static_cast<std::uint8_t>((channel[0] + divisor / 2) / divisor),
                              static_cast<std::uint8_t>((channel[1] + divisor / 2) / divisor),
                              static_cast<std::uint8_t>((channel[2] + divisor / 2) / divisor)};
    }
  }
  return image;
}

void FillBox(Image& image, int x, int y, int width, int height, Colour colour) {
  const std::int64_t left = std::max<std::int64_t>(x, 0);
  const std::int64_t top = std::max<std::int64_t>(y, 0);
  const std::int64_t right = std::min<std::int64_t>(std::int64_t{x} + width, image.width);
  const std::int64_t bottom = std::min<std::int64_t>(std::int64_t{y} + height, image.height);
  for (std::int64_t row = top; row < bottom; ++row) {
    for (std::int64_t column = left; column < right; ++column) {
      image.At(static_cast<int>(column), static_cast<int>(row)) = colour;
    }
  }
}

void DrawImage(Image& target, const Image& source, int x, int y) {
  const std::int64_t left = std::max<std::int64_t>(x, 0);
  const std::int64_t top = std::max<std::int64_t>(y, 0);
  const std::int64_t right = std::min<std::int64_t>(std::int64_t{x} + source.width, target.width);
  const std::int64_t bottom =
      std::min<std::int64_t>(std::int64_t{y} + source.height, target.height);
  for (std::int64_t row = top; row < bottom; ++row) {
    for (std::int64_t column = left; column < right; ++column) {
      target.At(static_cast<int>(column), static_cast<int>(row)) =
          source.At(static_cast<int>(column - x), static_cast<int>(row - y));
    }
  }
}

}  // namespace platform
