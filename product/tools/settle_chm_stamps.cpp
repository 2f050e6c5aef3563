// settle_chm_stamps HELPFILE: clears the two compile times that chmcmd writes into a Compiled
// HTML Help file (in the ITSF header and as entry 10 of the #SYSTEM file), so that the same
// sources give the same bytes. Nothing else is changed; a file whose structure does not read as
// expected is refused.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

std::uint64_t Little(const Bytes& bytes, std::size_t at, int width) {
  std::uint64_t value = 0;
  if (at + width > bytes.size()) return ~std::uint64_t{0};
  for (int i = width - 1; i >= 0; --i)
    value = value << 8 | bytes[at + i];
  return value;
}

// The directory's variable-length numbers: seven bits a byte, most significant first.
bool ReadEncoded(const Bytes& bytes, std::size_t& at, std::size_t end, std::uint64_t& value) {
  value = 0;
  for (int count = 0; count < 9 && at < end; ++count) {
    const unsigned char byte = bytes[at++];
    value = value << 7 | (byte & 0x7F);
    if ((byte & 0x80) == 0) return true;
  }
  return false;
}

struct Entry {
  std::uint64_t section = 0;
  std::uint64_t offset = 0;
  std::uint64_t length = 0;
};

// Looks for a file by name in the listing chunks of the directory.
bool FindEntry(const Bytes& bytes, const std::string& wanted, Entry& found) {
  const std::uint64_t directory = Little(bytes, 0x48, 8);
  if (directory >= bytes.size() || Little(bytes, directory, 4) != 0x50535449) return false;  // ITSP
  const std::uint64_t headerLength = Little(bytes, directory + 8, 4);
  const std::uint64_t chunkSize = Little(bytes, directory + 0x10, 4);
  const std::uint64_t chunks = Little(bytes, directory + 0x2C, 4);
  if (chunkSize < 0x14 || chunkSize > 0x10000 || chunks > 0x10000) return false;
  for (std::uint64_t chunk = 0; chunk < chunks; ++chunk) {
    const std::uint64_t start = directory + headerLength + chunk * chunkSize;
    if (start + chunkSize > bytes.size()) return false;
    if (Little(bytes, start, 4) != 0x4C474D50) continue;  // not a listing chunk (PMGL)
    const std::uint64_t freeSpace = Little(bytes, start + 4, 4);
    if (freeSpace > chunkSize - 0x14) return false;
    std::size_t at = start + 0x14;
    const std::size_t end = start + chunkSize - freeSpace;
    while (at < end) {
      std::uint64_t nameLength = 0;
      if (!ReadEncoded(bytes, at, end, nameLength) || nameLength > end - at) return false;
      const std::string name(bytes.begin() + at, bytes.begin() + at + nameLength);
      at += nameLength;
      Entry entry;
      if (!ReadEncoded(bytes, at, end, entry.section) ||
          !ReadEncoded(bytes, at, end, entry.offset) ||
          !ReadEncoded(bytes, at, end, entry.length)) {
        return false;
      }
      if (name == wanted) {
        found = entry;
        return true;
      }
    }
  }
  return false;
}

int Refuse(const char* path, const char* why) {
  std::fprintf(stderr, "settle_chm_stamps: %s: %s\n", path, why);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: settle_chm_stamps HELPFILE\n");
    return 2;
  }
  const char* path = argv[1];
  Bytes bytes;
  {
    std::ifstream in(path, std::ios::binary);
    if (!in) return Refuse(path, "cannot read");
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  if (Little(bytes, 0, 4) != 0x46535449 || Little(bytes, 4, 4) != 3) {  // ITSF, version 3
    return Refuse(path, "not an ITSF file of version 3");
  }
  Entry system;
  if (!FindEntry(bytes, "/#SYSTEM", system) || system.section != 0) {
    return Refuse(path, "no #SYSTEM file in the uncompressed section");
  }
  const std::uint64_t content = Little(bytes, 0x58, 8);
  const std::uint64_t begin = content + system.offset;
  const std::uint64_t end = begin + system.length;
  if (content >= bytes.size() || end > bytes.size() || system.length < 4) {
    return Refuse(path, "#SYSTEM lies outside the file");
  }
  bool stampFound = false;
  for (std::uint64_t at = begin + 4; at + 4 <= end;) {
    const std::uint64_t code = Little(bytes, at, 2);
    const std::uint64_t length = Little(bytes, at + 2, 2);
    if (at + 4 + length > end) return Refuse(path, "#SYSTEM entry runs past its end");
    if (code == 10 && length == 4) {
      for (int i = 0; i < 4; ++i)
        bytes[at + 4 + i] = 0;
      stampFound = true;
    }
    at += 4 + length;
  }
  if (!stampFound) return Refuse(path, "#SYSTEM has no compile time");
  for (int i = 0; i < 4; ++i)
    bytes[0x10 + i] = 0;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  return out ? 0 : Refuse(path, "cannot write");
}
