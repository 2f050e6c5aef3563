#include "toolkit/screen_metrics.h"

#include <cmath>

#include "platform/display.h"
#include "toolkit/last_error.h"

namespace toolkit {

int ScreenPixelsPerInch() {
  ClearLastErrorText();
  const int pixelsPerInch = platform::DesktopPixelsPerInch();
  if (pixelsPerInch >= 1) return pixelsPerInch;
  SetLastErrorText("ERROR, desktop size not found");
  return 0;
}

double DisplayScale(int pixelsPerInch) {
  return pixelsPerInch > 0 ? 96.0 / pixelsPerInch : 1.0;
}

int ScaledPoints(int points, double scale) {
  // nearbyint rounds in the default mode, to nearest with ties to even.
  return static_cast<int>(std::nearbyint(points * scale));
}

}  // namespace toolkit
