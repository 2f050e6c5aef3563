// The SHA-256 digest of a file's bytes, to tell whether a file is the one this build shipped.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>

namespace lumorak {

struct FileDigest {
  bool read = false;  // false when the file could not be read to its end or hashing failed
  std::uint64_t size = 0;
  std::array<unsigned char, 32> sha256{};
};

// Reads an open file from its first byte to its last.
FileDigest DigestOfOpenFile(HANDLE file);

}  // namespace lumorak
