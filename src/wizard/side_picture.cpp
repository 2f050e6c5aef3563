#include "wizard/side_picture.h"

#include "platform/image.h"
#include "platform/pictures.h"
#include "platform/text.h"
#include "toolkit/resource_numbers.h"

namespace wizard {
namespace {

bool StoreScaled(const platform::Image& source) {
  std::optional<platform::Image> side =
      platform::ScaleSmooth(source, kSidePictureWidth, kSidePictureHeight);
  if (!side) return false;
  platform::StorePicture(numbers::kIntroPicture1, std::move(*side));
  return true;
}

}  // namespace

bool PrepareSidePicture() {
  if (const platform::Image* intro = platform::FindPicture(numbers::kIntroPicture1)) {
    if (StoreScaled(*intro)) return true;
  }
  // The substitute is cut from a copy: the gradient itself stays as it was painted.
  const platform::Image* gradient = platform::FindPicture(numbers::kGradientPicture);
  if (gradient == nullptr) return false;
  std::optional<platform::Image> substitute = platform::ScaleSmooth(*gradient, 110, 300);
  if (!substitute) return false;
  // Without the word the substitute still shows the gradient, so a failure to draw is no reason
  // to go without a picture.
  platform::DrawTextOnImage(*substitute, 10, 10, "Setup", numbers::kWizardLargeFont,
                            platform::Colour{255, 255, 255}, nullptr);
  return StoreScaled(*substitute);
}

}  // namespace wizard
