// Images as DIB sections, the form in which GDI draws them and draws into them.
#include "platform/image.h"

#include "platform/win32/dib_rows.h"
#include "platform/win32/gui_state.h"

namespace platform::win32 {

Dib MakeDib(int width, int height) {
  Dib dib;
  if (width <= 0 || height <= 0 || width > kMaxImageSide || height > kMaxImageSide) return dib;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top row first, as in Image
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* rows = nullptr;
  dib.bitmap.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &rows, nullptr, 0));
  if (dib.bitmap.get() == nullptr || rows == nullptr) {
    dib.bitmap.reset();
    return dib;
  }
  dib.rows = static_cast<std::uint8_t*>(rows);
  dib.width = width;
  dib.height = height;
  return dib;
}

void FillDib(Dib& dib, const Image& image) {
  GdiFlush();  // GDI may still be drawing into the rows
  WriteDibRows(image, 0, 0, dib.width, dib.height, dib.rows);
}

Dib DibOfImage(const Image& image) {
  if (!IsWholeImage(image)) return {};
  Dib dib = MakeDib(image.width, image.height);
  if (dib.rows != nullptr) FillDib(dib, image);
  return dib;
}

}  // namespace platform::win32
