// Numbers as texts, without the printf family.
#pragma once

#include <cstdint>
#include <string>

namespace toolkit {

// Decimal digits with a leading "-" for negative numbers, no leading zeros.
std::string DecimalText(std::int64_t number);

// The value of the decimal digits at the start of a text after leading blanks; reading stops at
// the first character that is not a digit; no digits give 0. Saturates at the int64 maximum.
std::int64_t LeadingDecimalValue(const std::string& text);

// Two lower-case hexadecimal digits per byte.
std::string LowerHexText(const std::uint8_t* bytes, std::size_t count);

}  // namespace toolkit
