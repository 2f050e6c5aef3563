// Checks the product's built data items from the outside, as a build-time test:
//
//   check_product_items [--bitmap FILE WIDTH HEIGHT]... [--help-file FILE [--page NAME]...]
//
// --bitmap: an uncompressed 8-bit Windows bitmap with a 256-entry palette of the given size,
// every header field agreeing with the file, and a real picture (many colours in use).
// --help-file: a Compiled HTML Help file, ITSF version 3, German (0x0407), without compile time
// (so that it is the same on every build); --page names a file its directory must list.
#include "file_bytes.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace package;

void CheckField(const std::string& path, const char* field, std::uint64_t actual,
                std::uint64_t expected) {
  if (actual != expected) {
    Fail(path + ": " + field + " is " + std::to_string(actual) + ", expected " +
         std::to_string(expected));
  }
}

void CheckBitmap(const std::string& path, std::uint32_t width, std::uint32_t height) {
  Bytes bmp;
  if (!Read(path, bmp)) return Fail("cannot read " + path);
  const std::uint32_t stride = (width + 3) & ~3u;
  const std::uint32_t pixelsAt = 14 + 40 + 256 * 4;
  CheckField(path, "file size", bmp.size(), pixelsAt + std::uint64_t{stride} * height);
  if (bmp.size() < pixelsAt || bmp[0] != 'B' || bmp[1] != 'M') return Fail(path + ": no bitmap");
  CheckField(path, "bfSize", U32(bmp, 2), bmp.size());
  CheckField(path, "bfOffBits", U32(bmp, 10), pixelsAt);
  CheckField(path, "biSize", U32(bmp, 14), 40);
  CheckField(path, "biWidth", U32(bmp, 18), width);
  CheckField(path, "biHeight", U32(bmp, 22), height);
  CheckField(path, "biPlanes", U16(bmp, 26), 1);
  CheckField(path, "biBitCount", U16(bmp, 28), 8);
  CheckField(path, "biCompression", U32(bmp, 30), 0);
  const std::uint32_t sizeImage = U32(bmp, 34);
  if (sizeImage != 0) CheckField(path, "biSizeImage", sizeImage, std::uint64_t{stride} * height);
  const std::uint32_t used = U32(bmp, 46);
  if (used != 0) CheckField(path, "biClrUsed", used, 256);
  if (bmp.size() != pixelsAt + std::uint64_t{stride} * height) return;
  std::set<std::uint32_t> colours;
  for (int i = 0; i < 256; ++i)
    colours.insert(U32(bmp, 54 + 4 * i) & 0xFFFFFF);
  std::set<std::uint8_t> indices;
  for (std::uint32_t y = 0; y < height; ++y) {
    for (std::uint32_t x = 0; x < width; ++x)
      indices.insert(bmp[pixelsAt + y * stride + x]);
  }
  // A blank or nearly blank picture means the painting went wrong.
  if (colours.size() < 128 || indices.size() < 128) {
    Fail(path + ": only " + std::to_string(colours.size()) + " colours, " +
         std::to_string(indices.size()) + " of them used");
  }
}

void CheckHelpFile(const std::string& path, const std::vector<std::string>& pages) {
  Bytes chm;
  if (!Read(path, chm)) return Fail("cannot read " + path);
  if (chm.size() < 0x60 || std::memcmp(chm.data(), "ITSF", 4) != 0) {
    return Fail(path + ": no ITSF signature");
  }
  CheckField(path, "ITSF version", U32(chm, 4), 3);
  CheckField(path, "ITSF header length", U32(chm, 8), 0x60);
  CheckField(path, "language", U32(chm, 0x14), 0x0407);
  CheckField(path, "compile time in the header", U32(chm, 0x10), 0);
  // Directory names are stored as plain text in its listing chunks.
  const std::string text(chm.begin(), chm.end());
  for (const std::string& page : pages) {
    if (text.find(page) == std::string::npos) Fail(path + ": the directory lacks " + page);
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::string helpFile;
  std::vector<std::string> pages;
  bool checked = false;
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    if (option == "--bitmap" && i + 3 < argc) {
      CheckBitmap(argv[i + 1], static_cast<std::uint32_t>(std::atoi(argv[i + 2])),
                  static_cast<std::uint32_t>(std::atoi(argv[i + 3])));
      i += 3;
      checked = true;
    } else if (option == "--help-file" && i + 1 < argc) {
      helpFile = argv[++i];
    } else if (option == "--page" && i + 1 < argc) {
      pages.push_back(argv[++i]);
    } else {
      Fail("unknown option " + option);
    }
  }
  if (!helpFile.empty()) {
    CheckHelpFile(helpFile, pages);
    checked = true;
  }
  if (!checked) Fail("nothing to check");
  return failures == 0 ? 0 : 1;
}
