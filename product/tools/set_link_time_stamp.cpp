// set_link_time_stamp PROGRAM SECONDS: writes the link time stamp of a PE program (the
// TimeDateStamp of its COFF file header) in place, so that the program carries the same stamp on
// every build. A header checksum that the linker set is computed anew for the changed bytes;
// the tool first checks that its computation gives the linker's value for the file as it was.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

std::uint32_t U32(const std::vector<unsigned char>& bytes, std::size_t at) {
  if (at + 4 > bytes.size()) return 0;
  return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
         static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

// The PE image checksum: the file's 16-bit words summed with end-around carry, the checksum
// field itself left out, plus the file's length.
std::uint32_t ImageChecksum(const std::vector<unsigned char>& bytes, std::size_t checksumAt) {
  std::uint64_t sum = 0;
  for (std::size_t at = 0; at < bytes.size(); at += 2) {
    if (at == checksumAt || at == checksumAt + 2) continue;
    std::uint32_t word = bytes[at];
    if (at + 1 < bytes.size()) word |= bytes[at + 1] << 8;
    sum += word;
    sum = (sum & 0xFFFF) + (sum >> 16);
  }
  sum = (sum & 0xFFFF) + (sum >> 16);
  return static_cast<std::uint32_t>(sum + bytes.size());
}

int Refuse(const char* program, const char* why) {
  std::fprintf(stderr, "set_link_time_stamp: %s: %s\n", program, why);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: set_link_time_stamp PROGRAM SECONDS\n");
    return 2;
  }
  const char* path = argv[1];
  char* end = nullptr;
  const unsigned long long seconds = std::strtoull(argv[2], &end, 10);
  if (*end != '\0' || seconds > 0xFFFFFFFFull) return Refuse(path, "bad time stamp");
  std::vector<unsigned char> bytes;
  {
    std::ifstream in(path, std::ios::binary);
    if (!in) return Refuse(path, "cannot read");
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  const std::uint32_t pe = U32(bytes, 60);
  if (pe > bytes.size() || U32(bytes, pe) != 0x4550) return Refuse(path, "no PE signature");
  // The optional header's CheckSum lies 64 bytes into it in both PE32 and PE32+.
  const std::size_t checksum = pe + 24 + 64;
  if (checksum + 4 > bytes.size()) return Refuse(path, "header cut short");
  const bool withChecksum = U32(bytes, checksum) != 0;
  if (withChecksum && ImageChecksum(bytes, checksum) != U32(bytes, checksum)) {
    return Refuse(path, "the header checksum does not compute as expected");
  }
  const std::size_t stamp = pe + 8;
  for (int i = 0; i < 4; ++i)
    bytes[stamp + i] = static_cast<unsigned char>(seconds >> (8 * i));
  if (withChecksum) {
    const std::uint32_t value = ImageChecksum(bytes, checksum);
    for (int i = 0; i < 4; ++i)
      bytes[checksum + i] = static_cast<unsigned char>(value >> (8 * i));
  }
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  return out ? 0 : Refuse(path, "cannot write");
}
