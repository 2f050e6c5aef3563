#include "platform/pictures.h"

#include <map>

#include "platform/files.h"

namespace platform {
namespace {

struct StoredPicture {
  Image image;
  std::uintptr_t handle = 0;
};

struct PictureStore {
  std::map<int, StoredPicture> pictures;
  std::uintptr_t nextHandle = 1;
};

PictureStore& Store() {
  static PictureStore store;
  return store;
}

}  // namespace

void StorePicture(int number, Image image) {
  Store().pictures[number] = StoredPicture{std::move(image), Store().nextHandle++};
}

Image* FindPicture(int number) {
  auto it = Store().pictures.find(number);
  return it == Store().pictures.end() ? nullptr : &it->second.image;
}

void FreePicture(int number) {
  Store().pictures.erase(number);
}

void FreeAllPictures() {
  Store().pictures.clear();
}

std::uintptr_t PictureHandle(int number) {
  auto it = Store().pictures.find(number);
  return it == Store().pictures.end() ? 0 : it->second.handle;
}

std::optional<Image> LoadBmpFile(const std::string& path) {
  const auto bytes = ReadWholeFile(path);
  if (!bytes) return std::nullopt;
  return DecodeBmp(bytes->data(), bytes->size());
}

bool SaveBmpFile(const std::string& path, const Image& image) {
  const std::vector<std::uint8_t> bytes = EncodeBmp24(image);
  if (bytes.empty()) return false;
  if (WriteWholeFile(path, bytes)) return true;
  // A picture cut short by a full disk would only fail later, when it is read: none is better.
  RemoveFile(path);
  return false;
}

}  // namespace platform
