// Whole-file conveniences, the same on every platform.
#include "platform/files.h"

namespace platform {

bool WriteWholeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  FileHandle file = CreateFileForWriting(path);
  if (!file.IsOpen()) return false;
  const bool complete = WriteToFile(file, bytes.data(), bytes.size()) == bytes.size();
  CloseFile(file);
  return complete;
}

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path) {
  const std::int64_t size = FileSize(path);
  if (size < 0) return std::nullopt;
  FileHandle file = OpenFileForReading(path);
  if (!file.IsOpen()) return std::nullopt;
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
  if (ReadFromFile(file, bytes.data(), bytes.size()) != bytes.size()) return std::nullopt;
  return bytes;
}

}  // namespace platform
