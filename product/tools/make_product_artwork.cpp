// make_product_artwork FOLDER: paints the product's pictures and writes them into FOLDER:
//
//   intro_picture_1.bmp  110 x 300  the tall side picture: northern lights over a fjord
//   intro_picture_2.bmp  226 x 226  the emblem: the same night in a golden ring
//   intro_picture_3.bmp  600 x 450  the wide view, with a red cabin on the shore
//   qvdlumorak.ico, lumouninst.ico  the programs' icons (the emblem; the uninstaller's with a
//                                   red minus)
//
// The pictures are uncompressed 8-bit Windows bitmaps with a 256-entry palette, chosen by
// median cut and dithered. Everything is computed from fixed numbers, so every run writes the
// same bytes.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;

// ---- Colours and images -----------------------------------------------------------------

struct Colour {
  double r = 0, g = 0, b = 0;
};
Colour operator+(Colour a, Colour b) {
  return {a.r + b.r, a.g + b.g, a.b + b.b};
}
Colour operator*(Colour a, double f) {
  return {a.r * f, a.g * f, a.b * f};
}
Colour Mix(Colour a, Colour b, double t) {
  return a * (1 - t) + b * t;
}
Colour Rgb(int r, int g, int b) {
  return {r / 255.0, g / 255.0, b / 255.0};
}

double Clamp01(double value) {
  return value < 0 ? 0 : value > 1 ? 1 : value;
}
double SmoothStep(double edge0, double edge1, double x) {
  const double t = Clamp01((x - edge0) / (edge1 - edge0));
  return t * t * (3 - 2 * t);
}

struct Image {
  int width = 0, height = 0;
  std::vector<Colour> pixels;
  std::vector<double> alpha;  // coverage, used by the icons only
  Image(int w, int h) : width(w), height(h), pixels(w * h), alpha(w * h, 1.0) {}
  Colour& at(int x, int y) { return pixels[y * width + x]; }
  const Colour& at(int x, int y) const { return pixels[y * width + x]; }
};

// Averages factor x factor blocks: the pictures are painted larger and reduced, which smooths
// every edge.
Image Reduced(const Image& large, int factor) {
  Image small(large.width / factor, large.height / factor);
  const double share = 1.0 / (factor * factor);
  for (int y = 0; y < small.height; ++y) {
    for (int x = 0; x < small.width; ++x) {
      Colour sum;
      double coverage = 0;
      for (int dy = 0; dy < factor; ++dy) {
        for (int dx = 0; dx < factor; ++dx) {
          const int index = (y * factor + dy) * large.width + x * factor + dx;
          sum = sum + large.pixels[index] * large.alpha[index];
          coverage += large.alpha[index];
        }
      }
      small.at(x, y) = coverage > 0 ? sum * (1.0 / coverage) : Colour{};
      small.alpha[y * small.width + x] = coverage * share;
    }
  }
  return small;
}

// A small fixed pseudo-random sequence (xorshift), so that the stars fall the same every time.
struct Random {
  std::uint32_t state;
  double Next() {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return (state & 0xFFFFFF) / double(0x1000000);
  }
};

// ---- The night over the fjord -----------------------------------------------------------

struct Curtain {
  double base;       // height of its lower edge, as a share of the picture height
  double amplitude;  // of its wave, as a share of the width
  double frequency;  // waves over the picture width
  double phase;
  double glow;  // how far its light reaches upwards, as a share of the height
  double strength;
};

struct Layout {
  int width, height;  // in painted (enlarged) pixels
  double waterLevel;  // as a share of the height
  std::vector<Curtain> curtains;
  std::uint32_t seed;
  bool cabin;
};

Colour Sky(double v, double water) {
  const Colour top = Rgb(4, 6, 24);
  const Colour middle = Rgb(16, 20, 62);
  const Colour low = Rgb(52, 38, 96);
  const double t = v / water;
  return t < 0.6 ? Mix(top, middle, SmoothStep(0, 0.6, t))
                 : Mix(middle, low, SmoothStep(0.6, 1.0, t));
}

double Rays(double u, double width) {
  const double x = u / width * 40;
  const double wave = 0.5 + 0.5 * std::sin(x * 3.1 + 2.2 * std::sin(x * 0.37));
  return 0.3 + 0.7 * wave * wave * wave;
}

Colour Aurora(const Layout& layout, double u, double v) {
  Colour light;
  const double w = layout.width;
  const double h = layout.height;
  for (const Curtain& curtain : layout.curtains) {
    const double x = u / w * 2 * kPi * curtain.frequency;
    const double edge = h * curtain.base + w * curtain.amplitude *
                                               (std::sin(x + curtain.phase) +
                                                0.35 * std::sin(2.7 * x + 1.3 * curtain.phase));
    const double above = edge - v;
    const double reach = h * curtain.glow;
    double intensity = 0;
    if (above >= 0) {
      intensity = std::exp(-above / reach) * Rays(u + curtain.phase * 97, w);
    } else {
      const double below = -above / (h * 0.012);
      intensity = std::exp(-below * below);
    }
    const double height = Clamp01(above / (reach * 2.5));
    const Colour hue = Mix(Rgb(70, 255, 150), Rgb(170, 70, 210), SmoothStep(0.25, 1.0, height));
    light = light + hue * (intensity * curtain.strength);
  }
  return light;
}

// Mountain heights scale with the width (three quarters of it), so that a narrow picture gets
// gentle hills rather than needles.
double FarRidge(const Layout& layout, double u) {
  const double w = layout.width;
  const double x = u / w;
  return layout.height * layout.waterLevel -
         w * 0.75 *
             (0.10 + 0.045 * std::sin(x * 9.0 + 1.0) + 0.03 * std::sin(x * 23.0 + 0.4) +
              0.012 * std::sin(x * 61.0 + 2.0) + 0.05 * std::exp(-std::pow((x - 0.7) * 5, 2)));
}

double NearRidge(const Layout& layout, double u) {
  const double w = layout.width;
  const double x = u / w;
  return layout.height * layout.waterLevel -
         w * 0.75 *
             (0.035 + 0.025 * std::sin(x * 5.0 + 3.0) + 0.01 * std::sin(x * 17.0 + 1.7) +
              0.06 * std::exp(-std::pow((x - 0.08) * 6, 2)));
}

// A spruce: tiers of narrowing triangles.
bool InSpruce(double u, double v, double foot, double top, double centre, double halfWidth) {
  if (v < top || v > foot) return false;
  const double t = (v - top) / (foot - top);
  const double tier = std::fmod(t * 5, 1.0);
  const double width = halfWidth * (0.25 + 0.75 * t) * (0.65 + 0.35 * tier);
  return std::fabs(u - centre) <= width || (t > 0.9 && std::fabs(u - centre) < halfWidth * 0.1);
}

Image PaintNight(const Layout& layout) {
  Image image(layout.width, layout.height);
  const double w = layout.width;
  const double h = layout.height;
  const int water = static_cast<int>(h * layout.waterLevel);

  for (int y = 0; y < water; ++y) {
    for (int x = 0; x < layout.width; ++x) {
      image.at(x, y) = Sky(y, water) + Aurora(layout, x, y);
    }
  }
  // Stars, fading towards the horizon.
  Random random{layout.seed};
  const int stars = static_cast<int>(w * water / 2600);
  const double radius = w / 700;
  for (int i = 0; i < stars; ++i) {
    const double sx = random.Next() * w;
    const double sy = random.Next() * water * 0.9;
    const double brightness = std::pow(random.Next(), 2.5) * (1 - sy / water);
    const Colour tint = Mix(Rgb(255, 240, 210), Rgb(200, 220, 255), random.Next());
    const int reach = static_cast<int>(radius * 3) + 1;
    for (int y = std::max(0, int(sy) - reach); y <= std::min(water - 1, int(sy) + reach); ++y) {
      for (int x = std::max(0, int(sx) - reach); x <= std::min(layout.width - 1, int(sx) + reach);
           ++x) {
        const double d = std::hypot(x - sx, y - sy) / radius;
        image.at(x, y) = image.at(x, y) + tint * (brightness * 1.6 * std::exp(-d * d));
      }
    }
  }
  // Mountains: a far range with snow that catches the green light, and a dark near range.
  for (int x = 0; x < layout.width; ++x) {
    const double far = FarRidge(layout, x);
    const double near = NearRidge(layout, x);
    for (int y = std::max(0, int(far)); y < water; ++y) {
      const double depth = (y - far) / (w * 0.045);
      const Colour rock = Mix(Rgb(34, 38, 70), Rgb(14, 16, 34), SmoothStep(0, 1.5, depth));
      const double snow = std::exp(-depth * 2.2) * (0.6 + 0.4 * std::sin(x / w * 140));
      image.at(x, y) = Mix(rock, Rgb(120, 170, 170), Clamp01(snow) * 0.6);
      if (y >= near)
        image.at(x, y) = Mix(Rgb(8, 10, 22), Rgb(4, 5, 12), SmoothStep(near, water, y));
    }
  }
  // The cabin: a red house with a snowy roof and a lit window, on the near hills to the right.
  if (layout.cabin) {
    const double middle = w * 0.74;
    const double foot = NearRidge(layout, middle) + h * 0.008;
    const double halfWidth = w * 0.022;
    const double wallTop = foot - h * 0.028;
    const double roofTop = wallTop - h * 0.02;
    const double roofHalf = halfWidth + w * 0.006;
    const double windowLeft = middle - w * 0.011, windowRight = middle + w * 0.001;
    const double windowTop = foot - h * 0.02, windowFoot = foot - h * 0.009;
    for (int y = int(roofTop); y < std::min(water, int(foot) + 1); ++y) {
      for (int x = int(middle - roofHalf); x <= int(middle + roofHalf); ++x) {
        if (y < wallTop) {
          if (std::fabs(x - middle) <= roofHalf * (y - roofTop) / (wallTop - roofTop)) {
            image.at(x, y) =
                Mix(Rgb(190, 205, 225), Rgb(90, 100, 130), (y - roofTop) / (wallTop - roofTop));
          }
        } else if (std::fabs(x - middle) <= halfWidth) {
          const bool window =
              x >= windowLeft && x <= windowRight && y >= windowTop && y <= windowFoot;
          image.at(x, y) =
              window ? Rgb(255, 205, 120)
                     : Mix(Rgb(150, 12, 5), Rgb(80, 6, 3), (y - wallTop) / (foot - wallTop));
        }
      }
    }
    // The window's glow in the air around it.
    const double gx = (windowLeft + windowRight) / 2, gy = (windowTop + windowFoot) / 2;
    for (int y = std::max(0, int(gy - w * 0.06)); y < std::min(water, int(gy + w * 0.06)); ++y) {
      for (int x = std::max(0, int(gx - w * 0.06)); x < std::min(layout.width, int(gx + w * 0.06));
           ++x) {
        const double d = std::hypot(x - gx, y - gy) / (w * 0.018);
        image.at(x, y) = image.at(x, y) + Rgb(255, 150, 60) * (0.3 * std::exp(-d * d));
      }
    }
  }
  // The water mirrors everything above it, darker and rippled.
  for (int y = water; y < layout.height; ++y) {
    const double below = (y - water) / h;
    for (int x = 0; x < layout.width; ++x) {
      const double ripple =
          w * 0.004 * std::sin(y * 0.9 / (h / 450) + x * 0.01 / (w / 600)) * (0.3 + below * 4);
      const int sx = std::clamp(int(x + ripple), 0, layout.width - 1);
      const int sy = std::clamp(2 * water - y - 1, 0, water - 1);
      image.at(x, y) = Mix(image.at(sx, sy) * 0.6, Rgb(3, 6, 16), SmoothStep(0, 0.35, below) * 0.6);
    }
  }
  // The near shore on the left with spruces, black against the light.
  const Colour shore = Rgb(3, 4, 9);
  for (int y = 0; y < layout.height; ++y) {
    for (int x = 0; x < layout.width; ++x) {
      const double u = x / w;
      const double shoreLine = h * (0.88 + 0.5 * u * u) - h * 0.03 * std::sin(u * 14);
      bool dark = y >= shoreLine;
      for (int tree = 0; tree < 6 && !dark; ++tree) {
        const double centre = w * (0.03 + tree * 0.065 + 0.02 * std::sin(tree * 2.3));
        const double foot =
            h * (0.90 + 0.5 * std::pow(centre / w, 2)) - h * 0.03 * std::sin(centre / w * 14);
        const double tall = h * (0.20 - tree * 0.022) * (layout.width < layout.height ? 0.8 : 1.0);
        dark = InSpruce(x, y, foot, foot - tall, centre, w * 0.028);
      }
      if (dark) image.at(x, y) = shore;
    }
  }
  return image;
}

// ---- The emblem -------------------------------------------------------------------------

// The night in a golden ring. Outside the ring the background, or transparency for icons.
Image PaintEmblem(int size, bool transparent, bool minusBadge) {
  const double s = size;
  const double centre = s / 2;
  const double ring = s * (transparent ? 0.47 : 0.40);
  const double ringWidth = s * (transparent ? 0.07 : 0.045);
  const double inner = ring - ringWidth;

  const int sceneSize = static_cast<int>(inner * 2) + 2;
  Layout layout{
      sceneSize,   sceneSize,
      0.68,        {{0.42, 0.05, 1.1, 0.4, 0.22, 1.0}, {0.30, 0.04, 1.6, 2.1, 0.16, 0.55}},
      0x5eed0002u, false};
  const Image night = PaintNight(layout);

  Image image(size, size);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const double dx = x + 0.5 - centre, dy = y + 0.5 - centre;
      const double r = std::hypot(dx, dy);
      Colour colour;
      double alpha = 1;
      if (r < inner) {
        const int sx = std::clamp(int(dx + inner), 0, sceneSize - 1);
        const int sy = std::clamp(int(dy + inner), 0, sceneSize - 1);
        colour = night.at(sx, sy);
      } else if (r < ring) {
        // Brushed gold, lit from the upper left.
        const double light = 0.5 + 0.5 * std::cos(std::atan2(dy, dx) + 2.3);
        const double bevel = std::sin((r - inner) / ringWidth * kPi);
        colour = Mix(Rgb(120, 78, 20), Rgb(255, 214, 120), Clamp01(light * 0.7 + bevel * 0.4));
      } else if (transparent) {
        alpha = 0;
      } else {
        const double glow = std::exp(-(r - ring) / (s * 0.05));
        colour = Mix(Rgb(10, 12, 34), Rgb(2, 3, 12), Clamp01(r / (s * 0.75))) +
                 Rgb(120, 90, 40) * (0.35 * glow);
      }
      if (minusBadge) {
        const double bx = x + 0.5 - s * 0.74, by = y + 0.5 - s * 0.74;
        if (std::hypot(bx, by) < s * 0.25) {
          const bool bar = std::fabs(by) < s * 0.06 && std::fabs(bx) < s * 0.16;
          colour = bar ? Rgb(255, 255, 255) : Rgb(232, 11, 0);
          alpha = 1;
        } else if (std::hypot(bx, by) < s * 0.27) {
          colour = Rgb(255, 255, 255);
          alpha = 1;
        }
      }
      image.at(x, y) = colour;
      image.alpha[y * size + x] = alpha;
    }
  }
  return image;
}

// ---- 256 colours --------------------------------------------------------------------------

using Rgb8 = std::array<std::uint8_t, 3>;

std::uint8_t Byte(double value) {
  return static_cast<std::uint8_t>(std::lround(Clamp01(value) * 255));
}

// Median cut: the box with the widest spread is halved at its median until there are 256.
std::vector<Rgb8> ChoosePalette(std::vector<Rgb8> pixels) {
  struct Box {
    std::size_t begin, end;
    int channel;
    int spread;
  };
  auto measure = [&pixels](Box& box) {
    std::array<int, 3> low{255, 255, 255}, high{0, 0, 0};
    for (std::size_t i = box.begin; i < box.end; ++i) {
      for (int c = 0; c < 3; ++c) {
        low[c] = std::min<int>(low[c], pixels[i][c]);
        high[c] = std::max<int>(high[c], pixels[i][c]);
      }
    }
    box.channel = 0;
    for (int c = 1; c < 3; ++c) {
      if (high[c] - low[c] > high[box.channel] - low[box.channel]) box.channel = c;
    }
    box.spread = high[box.channel] - low[box.channel];
  };
  std::vector<Box> boxes{{0, pixels.size(), 0, 0}};
  measure(boxes[0]);
  while (boxes.size() < 256) {
    std::size_t widest = 0;
    for (std::size_t i = 1; i < boxes.size(); ++i) {
      const std::size_t a = boxes[i].spread * (boxes[i].end - boxes[i].begin);
      const std::size_t b = boxes[widest].spread * (boxes[widest].end - boxes[widest].begin);
      if (a > b) widest = i;
    }
    Box box = boxes[widest];
    if (box.spread == 0) break;
    const int c = box.channel;
    // Sorted by the whole colour, so that equal keys cannot come out in another order.
    std::sort(pixels.begin() + box.begin, pixels.begin() + box.end,
              [c](const Rgb8& a, const Rgb8& b) {
                return std::tie(a[c], a[(c + 1) % 3], a[(c + 2) % 3]) <
                       std::tie(b[c], b[(c + 1) % 3], b[(c + 2) % 3]);
              });
    std::size_t middle = box.begin + (box.end - box.begin) / 2;
    while (middle > box.begin + 1 && pixels[middle][c] == pixels[middle - 1][c])
      --middle;
    if (pixels[middle][c] == pixels[box.begin][c]) {
      middle = box.begin + (box.end - box.begin) / 2;
      while (middle < box.end - 1 && pixels[middle][c] == pixels[middle - 1][c])
        ++middle;
    }
    Box first{box.begin, middle, 0, 0}, second{middle, box.end, 0, 0};
    measure(first);
    measure(second);
    boxes[widest] = first;
    boxes.push_back(second);
  }
  std::vector<Rgb8> palette;
  for (const Box& box : boxes) {
    std::array<std::uint64_t, 3> sum{};
    for (std::size_t i = box.begin; i < box.end; ++i) {
      for (int c = 0; c < 3; ++c)
        sum[c] += pixels[i][c];
    }
    const std::uint64_t count = box.end - box.begin;
    palette.push_back({static_cast<std::uint8_t>((sum[0] + count / 2) / count),
                       static_cast<std::uint8_t>((sum[1] + count / 2) / count),
                       static_cast<std::uint8_t>((sum[2] + count / 2) / count)});
  }
  palette.resize(256, Rgb8{0, 0, 0});
  return palette;
}

int Nearest(const std::vector<Rgb8>& palette, double r, double g, double b) {
  int best = 0;
  double bestDistance = 1e300;
  for (int i = 0; i < 256; ++i) {
    const double dr = palette[i][0] - r, dg = palette[i][1] - g, db = palette[i][2] - b;
    const double distance = 0.30 * dr * dr + 0.59 * dg * dg + 0.11 * db * db;
    if (distance < bestDistance) {
      bestDistance = distance;
      best = i;
    }
  }
  return best;
}

struct IndexedImage {
  int width, height;
  std::vector<Rgb8> palette;
  std::vector<std::uint8_t> indices;  // top row first
};

// Floyd-Steinberg: each pixel's rounding error is passed on to its neighbours.
IndexedImage ToPalette(const Image& image) {
  std::vector<Rgb8> pixels;
  for (const Colour& colour : image.pixels)
    pixels.push_back({Byte(colour.r), Byte(colour.g), Byte(colour.b)});
  IndexedImage indexed{image.width, image.height, ChoosePalette(pixels), {}};
  std::vector<std::array<double, 3>> work(pixels.size());
  for (std::size_t i = 0; i < pixels.size(); ++i)
    work[i] = {double(pixels[i][0]), double(pixels[i][1]), double(pixels[i][2])};
  indexed.indices.resize(pixels.size());
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      auto& value = work[y * image.width + x];
      for (double& channel : value)
        channel = std::clamp(channel, 0.0, 255.0);
      const int index = Nearest(indexed.palette, value[0], value[1], value[2]);
      indexed.indices[y * image.width + x] = static_cast<std::uint8_t>(index);
      const auto spread = [&](int dx, int dy, double share) {
        const int nx = x + dx, ny = y + dy;
        if (nx < 0 || nx >= image.width || ny >= image.height) return;
        for (int c = 0; c < 3; ++c)
          work[ny * image.width + nx][c] += (value[c] - indexed.palette[index][c]) * share;
      };
      spread(1, 0, 7 / 16.0);
      spread(-1, 1, 3 / 16.0);
      spread(0, 1, 5 / 16.0);
      spread(1, 1, 1 / 16.0);
    }
  }
  return indexed;
}

// ---- Files --------------------------------------------------------------------------------

void Put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
  out.push_back(value & 0xFF);
  out.push_back(value >> 8 & 0xFF);
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

void PutInfoHeader(std::vector<std::uint8_t>& out, int width, int height, int bits,
                   std::uint32_t imageSize, std::uint32_t colours) {
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(width));
  Put32(out, static_cast<std::uint32_t>(height));
  Put16(out, 1);
  Put16(out, static_cast<std::uint32_t>(bits));
  Put32(out, 0);  // BI_RGB
  Put32(out, imageSize);
  Put32(out, 2835);  // 72 dots per inch
  Put32(out, 2835);
  Put32(out, colours);
  Put32(out, 0);
}

std::vector<std::uint8_t> BitmapFile(const IndexedImage& image) {
  const std::uint32_t stride = (image.width + 3) & ~3u;
  const std::uint32_t imageSize = stride * image.height;
  const std::uint32_t offset = 14 + 40 + 256 * 4;
  std::vector<std::uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  Put32(out, offset + imageSize);
  Put32(out, 0);
  Put32(out, offset);
  PutInfoHeader(out, image.width, image.height, 8, imageSize, 256);
  for (const Rgb8& colour : image.palette) {
    out.push_back(colour[2]);
    out.push_back(colour[1]);
    out.push_back(colour[0]);
    out.push_back(0);
  }
  for (int y = image.height - 1; y >= 0; --y) {  // bottom row first
    for (int x = 0; x < image.width; ++x)
      out.push_back(image.indices[y * image.width + x]);
    for (std::uint32_t pad = image.width; pad < stride; ++pad)
      out.push_back(0);
  }
  return out;
}

// An icon file with 32-bit images (colour and alpha) and their 1-bit masks.
std::vector<std::uint8_t> IconFile(const std::vector<Image>& images) {
  std::vector<std::vector<std::uint8_t>> bodies;
  for (const Image& image : images) {
    const int size = image.width;
    const std::uint32_t maskStride = ((size + 31) / 32) * 4;
    std::vector<std::uint8_t> body;
    PutInfoHeader(body, size, size * 2, 32, size * size * 4 + maskStride * size, 0);
    for (int y = size - 1; y >= 0; --y) {
      for (int x = 0; x < size; ++x) {
        const Colour& c = image.at(x, y);
        const double a = Clamp01(image.alpha[y * size + x]);
        body.push_back(Byte(c.b));
        body.push_back(Byte(c.g));
        body.push_back(Byte(c.r));
        body.push_back(Byte(a));
      }
    }
    for (int y = size - 1; y >= 0; --y) {
      std::vector<std::uint8_t> row(maskStride, 0);
      for (int x = 0; x < size; ++x) {
        if (image.alpha[y * size + x] < 0.5) row[x / 8] |= 0x80 >> (x % 8);
      }
      body.insert(body.end(), row.begin(), row.end());
    }
    bodies.push_back(body);
  }
  std::vector<std::uint8_t> out;
  Put16(out, 0);
  Put16(out, 1);
  Put16(out, static_cast<std::uint32_t>(images.size()));
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    out.push_back(static_cast<std::uint8_t>(images[i].width));
    out.push_back(static_cast<std::uint8_t>(images[i].height));
    out.push_back(0);
    out.push_back(0);
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, static_cast<std::uint32_t>(bodies[i].size()));
    Put32(out, offset);
    offset += static_cast<std::uint32_t>(bodies[i].size());
  }
  for (const auto& body : bodies)
    out.insert(out.end(), body.begin(), body.end());
  return out;
}

bool Write(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  if (!out) std::fprintf(stderr, "make_product_artwork: cannot write %s\n", path.c_str());
  return static_cast<bool>(out);
}

Image PaintIcon(int size, bool minusBadge) {
  constexpr int kEnlarged = 4;
  return Reduced(PaintEmblem(size * kEnlarged, true, minusBadge), kEnlarged);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_product_artwork FOLDER\n");
    return 2;
  }
  const std::string folder = std::string(argv[1]) + "/";
  constexpr int kEnlarged = 3;

  const Layout tall{110 * kEnlarged,
                    300 * kEnlarged,
                    0.80,
                    {{0.50, 0.10, 0.9, 0.3, 0.16, 0.8}, {0.34, 0.08, 1.4, 2.4, 0.11, 0.45}},
                    0x5eed0001u,
                    false};
  const Layout wide{600 * kEnlarged,
                    450 * kEnlarged,
                    0.74,
                    {{0.42, 0.045, 1.3, 0.8, 0.17, 0.8},
                     {0.28, 0.035, 2.1, 2.6, 0.12, 0.45},
                     {0.17, 0.025, 3.2, 4.4, 0.08, 0.25}},
                    0x5eed0003u,
                    true};
  bool written = Write(folder + "intro_picture_1.bmp",
                       BitmapFile(ToPalette(Reduced(PaintNight(tall), kEnlarged))));
  written =
      Write(
          folder + "intro_picture_2.bmp",
          BitmapFile(ToPalette(Reduced(PaintEmblem(226 * kEnlarged, false, false), kEnlarged)))) &&
      written;
  written = Write(folder + "intro_picture_3.bmp",
                  BitmapFile(ToPalette(Reduced(PaintNight(wide), kEnlarged)))) &&
            written;
  written =
      Write(folder + "qvdlumorak.ico", IconFile({PaintIcon(32, false), PaintIcon(16, false)})) &&
      written;
  written =
      Write(folder + "lumouninst.ico", IconFile({PaintIcon(32, true), PaintIcon(16, true)})) &&
      written;
  return written ? 0 : 1;
}
