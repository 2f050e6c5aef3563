// How the bytes of a document become the text the window shows. Documents are plain text,
// written on Windows in its ANSI code page or, by newer editors, in UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace lumorak {

enum class TextEncoding { Ansi, Utf8 };

struct DocumentText {
  TextEncoding encoding = TextEncoding::Ansi;
  // Lines end with "\r\n" whatever the file used; a NUL byte, which would end the text early
  // in the window, is shown as a blank; a UTF-8 byte order mark is dropped.
  std::string text;
};

// UTF-8 when the bytes begin with its byte order mark, or when they hold at least one of its
// multi-byte sequences and nothing that is not UTF-8; ANSI otherwise.
DocumentText PrepareDocumentText(std::string_view bytes);

}  // namespace lumorak
