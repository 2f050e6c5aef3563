#include "document_text.h"

namespace lumorak {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// Well-formed UTF-8 (no overlong forms, no surrogates, nothing above U+10FFFF) with at least
// one character outside ASCII.
bool IsUtf8BeyondAscii(std::string_view bytes) {
  bool beyondAscii = false;
  std::size_t at = 0;
  while (at < bytes.size()) {
    const unsigned char lead = static_cast<unsigned char>(bytes[at]);
    if (lead < 0x80) {
      ++at;
      continue;
    }
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      if (lead == 0xE0) low = 0xA0;
      if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      if (lead == 0xF0) low = 0x90;
      if (lead == 0xF4) high = 0x8F;
    } else {
      return false;
    }
    if (at + length > bytes.size()) return false;
    for (std::size_t i = 1; i < length; ++i) {
      const unsigned char next = static_cast<unsigned char>(bytes[at + i]);
      const unsigned char min = i == 1 ? low : 0x80;
      const unsigned char max = i == 1 ? high : 0xBF;
      if (next < min || next > max) return false;
    }
    beyondAscii = true;
    at += length;
  }
  return beyondAscii;
}

}  // namespace

DocumentText PrepareDocumentText(std::string_view bytes) {
  DocumentText document;
  if (bytes.substr(0, kUtf8Mark.size()) == kUtf8Mark) {
    document.encoding = TextEncoding::Utf8;
    bytes.remove_prefix(kUtf8Mark.size());
  } else if (IsUtf8BeyondAscii(bytes)) {
    document.encoding = TextEncoding::Utf8;
  }
  // CR, LF and NUL never occur inside a UTF-8 sequence, so this works on either encoding.
  document.text.reserve(bytes.size() + bytes.size() / 16);
  for (std::size_t at = 0; at < bytes.size(); ++at) {
    const char c = bytes[at];
    if (c == '\r') {
      document.text += "\r\n";
      if (at + 1 < bytes.size() && bytes[at + 1] == '\n') ++at;
    } else if (c == '\n') {
      document.text += "\r\n";
    } else if (c == '\0') {
      document.text += ' ';
    } else {
      document.text += c;
    }
  }
  return document;
}

}  // namespace lumorak
