#include "driver/intro_pictures.h"

#include "install/payload.h"
#include "platform/files.h"
#include "platform/pictures.h"
#include "platform/system.h"
#include "toolkit/resource_numbers.h"

namespace driver {

namespace {

constexpr const char* kPictureFiles[] = {"pic_001.bmp", "pic_002.bmp", "pic_003.bmp"};

std::optional<platform::Image> Decode(install::PayloadItem item) {
  const platform::ByteView bytes = install::PayloadBytes(item);
  return platform::DecodeBmp(bytes.data, bytes.size);
}

// Saves into the intro folder; without a temporary folder nothing is written (the intro then
// finds no pictures and is not shown), rather than into whatever folder is current.
void Save(const platform::Image& image, const char* file) {
  const std::string folder = IntroFolder();
  if (!folder.empty()) platform::SaveBmpFile(folder + file, image);
}

}  // namespace

std::string IntroFolder() {
  const std::string temporary = platform::TemporaryFolder();
  return temporary.empty() ? std::string() : temporary + "kvintro\\";
}

void StageIntroPictures() {
  const std::string temporary = platform::TemporaryFolder();
  if (!temporary.empty()) platform::MakeFolder(temporary + "kvintro");

  if (auto picture = Decode(install::PayloadItem::IntroPicture1)) {
    Save(*picture, kPictureFiles[0]);
    auto scaled = platform::ScaleSmooth(*picture, 110, 300);
    platform::StorePicture(numbers::kIntroPicture1,
                           scaled ? std::move(*scaled) : std::move(*picture));
  }
  // Pictures 2 and 3 pass through one slot and are released after saving.
  if (auto picture = Decode(install::PayloadItem::IntroPicture2)) {
    platform::StorePicture(numbers::kStagingPicture, std::move(*picture));
    Save(*platform::FindPicture(numbers::kStagingPicture), kPictureFiles[1]);
  }
  if (auto picture = Decode(install::PayloadItem::IntroPicture3)) {
    platform::StorePicture(numbers::kStagingPicture, std::move(*picture));
    Save(*platform::FindPicture(numbers::kStagingPicture), kPictureFiles[2]);
  }
  platform::FreePicture(numbers::kStagingPicture);
}

void RemoveIntroPictures() {
  const std::string folder = IntroFolder();
  if (folder.empty()) return;
  for (const char* file : kPictureFiles)
    platform::RemoveFile(folder + file);
}

}  // namespace driver
