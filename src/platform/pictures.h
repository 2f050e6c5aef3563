// Numbered pictures: images that the setup keeps under small numbers it chooses (picture 1 holds
// the first intro picture, picture 0 receives the wizard's gradient). Portable; both platform
// implementations draw them from here.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/image.h"

namespace platform {

// Stores an image under a number, replacing and releasing an earlier one of that number.
void StorePicture(int number, Image image);
// The picture of a number, or null.
Image* FindPicture(int number);
// Releases a picture; a missing one is passed over.
void FreePicture(int number);
void FreeAllPictures();
// A value that identifies the picture now stored under the number (never the same for two
// pictures stored one after the other); 0 when there is none.
std::uintptr_t PictureHandle(int number);

// Files with BMP contents, through the file services.
std::optional<Image> LoadBmpFile(const std::string& path);
bool SaveBmpFile(const std::string& path, const Image& image);

}  // namespace platform
