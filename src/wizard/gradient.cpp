#include "platform/image.h"
#include "platform/pictures.h"
#include "toolkit/last_error.h"
#include "wizard/window_colours.h"

namespace wizard {
namespace {

constexpr const char* kGradientError = "ERROR, can´t create gradient";

platform::BrushId lastGradientBrush = 0;

// a * b / c rounded to the nearest integer, halves away from zero, as MulDiv does.
int MulDiv(int a, int b, int c) {
  const std::int64_t product = static_cast<std::int64_t>(a) * b;
  const std::int64_t magnitude = product < 0 ? -product : product;
  const std::int64_t divisor = c < 0 ? -static_cast<std::int64_t>(c) : c;
  const std::int64_t rounded = (2 * magnitude + divisor) / (2 * divisor);
  return static_cast<int>((product < 0) != (c < 0) ? -rounded : rounded);
}

std::uint8_t Channel(int value) {
  return static_cast<std::uint8_t>(value < 0 ? 0 : (value > 255 ? 255 : value));
}

}  // namespace

void ResetGradientBrush() {
  lastGradientBrush = 0;
}

std::uintptr_t PaintGradientBackground(platform::Colour firstColour, platform::Colour lastColour,
                                       int steps, int direction, int window, int picture) {
  toolkit::ClearLastErrorText();
  steps = steps < 2 ? 2 : (steps > 255 ? 255 : steps);
  if (picture < 0 || window < 0) {
    toolkit::SetLastErrorText(kGradientError);
    return 0;
  }
  const int redSpan = lastColour.red - firstColour.red;
  const int greenSpan = lastColour.green - firstColour.green;
  const int blueSpan = lastColour.blue - firstColour.blue;
  const platform::Size inner = platform::WindowInnerSize(window);
  std::optional<platform::Image> image = platform::MakeImage(inner.width, inner.height);
  if (!image) {
    toolkit::SetLastErrorText(kGradientError);
    return 0;
  }
  for (int i = 0; i < steps; ++i) {
    const platform::Colour colour{Channel(firstColour.red + MulDiv(i, redSpan, steps)),
                                  Channel(firstColour.green + MulDiv(i, greenSpan, steps)),
                                  Channel(firstColour.blue + MulDiv(i, blueSpan, steps))};
    if (direction == kVerticalStripes) {
      const int left = MulDiv(i, inner.width, steps);
      platform::FillBox(*image, left, 0, MulDiv(i + 1, inner.width, steps) - left, inner.height,
                        colour);
    } else {
      const int top = MulDiv(i, inner.height, steps);
      platform::FillBox(*image, 0, top, inner.width, MulDiv(i + 1, inner.height, steps) - top,
                        colour);
    }
  }
  platform::StorePicture(picture, std::move(*image));

  const platform::BrushId brush = platform::MakePatternBrush(picture);
  if (brush == 0 || !platform::SetWindowBackground(window, brush)) {
    platform::FreeBrush(brush);
    toolkit::SetLastErrorText(kGradientError);
    return 0;
  }
  // The earlier brush goes only now: until the new one is in place it is still the windows'
  // background, and a failed call leaves it there.
  platform::FreeBrush(lastGradientBrush);
  lastGradientBrush = brush;
  return platform::PictureHandle(picture);
}

}  // namespace wizard
