// Reading a document from disk into the text the window shows.
#pragma once

#include <string>

namespace lumorak {

enum class DocumentLoad { Loaded, NotOpened, TooLarge, ReadFailed };

// Documents larger than this are refused rather than read into memory.
inline constexpr unsigned long long kLargestDocument = 16ull * 1024 * 1024;

struct LoadedDocument {
  DocumentLoad result = DocumentLoad::NotOpened;
  std::wstring text;
};

LoadedDocument LoadDocument(const std::string& path);

}  // namespace lumorak
