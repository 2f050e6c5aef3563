#include "document_file.h"

#include <windows.h>

#include "../common/owned_handles.h"
#include "document_text.h"

namespace lumorak {
namespace {

std::wstring Widened(const std::string& text, UINT codePage) {
  if (text.empty()) return {};
  const int length =
      MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

}  // namespace

LoadedDocument LoadDocument(const std::string& path) {
  LoadedDocument document;
  // Others may keep the file open for writing: the window shows what is there now.
  product::OwnedHandle file(CreateFileA(path.c_str(), GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return document;
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0) {
    document.result = DocumentLoad::ReadFailed;
    return document;
  }
  if (static_cast<unsigned long long>(size.QuadPart) > kLargestDocument) {
    document.result = DocumentLoad::TooLarge;
    return document;
  }
  std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
  std::size_t filled = 0;
  while (filled < bytes.size()) {
    DWORD got = 0;
    if (!ReadFile(file.get(), bytes.data() + filled, static_cast<DWORD>(bytes.size() - filled),
                  &got, nullptr)) {
      document.result = DocumentLoad::ReadFailed;
      return document;
    }
    if (got == 0) break;  // the file became shorter meanwhile
    filled += got;
  }
  bytes.resize(filled);
  const DocumentText prepared = PrepareDocumentText(bytes);
  document.text =
      Widened(prepared.text, prepared.encoding == TextEncoding::Utf8 ? CP_UTF8 : CP_ACP);
  document.result = DocumentLoad::Loaded;
  return document;
}

}  // namespace lumorak
