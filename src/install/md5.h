// The MD5 message digest of RFC 1321.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace install {

std::array<std::uint8_t, 16> Md5(const std::uint8_t* data, std::size_t size);
// 32 lower-case hexadecimal digits.
std::string Md5Hex(const std::string& text);

}  // namespace install
