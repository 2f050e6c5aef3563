#include "toolkit/number_text.h"

#include <limits>

namespace toolkit {

std::string DecimalText(std::int64_t number) {
  // Work on the magnitude as unsigned, so that the smallest int64 has a magnitude too.
  std::uint64_t magnitude =
      number < 0 ? 0 - static_cast<std::uint64_t>(number) : static_cast<std::uint64_t>(number);
  char digits[21];
  int length = 0;
  do {
    digits[length++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  std::string text;
  if (number < 0) text += '-';
  while (length > 0)
    text += digits[--length];
  return text;
}

std::int64_t LeadingDecimalValue(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ')
    ++i;
  std::int64_t value = 0;
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    const int digit = text[i] - '0';
    if (value > (kMax - digit) / 10) return kMax;
    value = value * 10 + digit;
  }
  return value;
}

std::string LowerHexText(const std::uint8_t* bytes, std::size_t count) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string text;
  text.reserve(count * 2);
  for (std::size_t i = 0; i < count; ++i) {
    text += kDigits[bytes[i] >> 4];
    text += kDigits[bytes[i] & 0xF];
  }
  return text;
}

}  // namespace toolkit
