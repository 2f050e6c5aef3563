// What the package checks share: whole files as bytes, little-endian fields, failures counted.
#pragma once

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace package {

using Bytes = std::vector<std::uint8_t>;

inline int failures = 0;

inline void Fail(const std::string& message) {
  std::fprintf(stderr, "FAIL: %s\n", message.c_str());
  ++failures;
}

inline bool Read(const std::string& path, Bytes& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return true;
}

// Fields past the end read as all ones, which no checked field may be.
inline std::uint32_t U32(const Bytes& b, std::size_t at) {
  if (at + 4 > b.size()) return 0xFFFFFFFF;
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

inline std::uint16_t U16(const Bytes& b, std::size_t at) {
  if (at + 2 > b.size()) return 0xFFFF;
  return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

}  // namespace package
