// Files and folders with Windows paths (8-bit ANSI texts).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

enum class PathKind { Missing, File, Folder };
PathKind QueryPath(const std::string& path);

// Size of a file in bytes; -1 when there is no file of that name.
std::int64_t FileSize(const std::string& path);

// Creates one folder level; false when it could not be created (also when it exists).
bool MakeFolder(const std::string& path);
// True when the folder exists and its entries can be listed.
bool CanListFolder(const std::string& path);
// Names of the entries of a folder (files and folders, without "." and ".."); empty on failure.
std::vector<std::string> ListFolder(const std::string& path);
// Deletes a file; false when it is missing, locked or protected.
bool RemoveFile(const std::string& path);
// Deletes a folder with everything in it, resetting each file's attributes to normal first.
bool RemoveFolderTree(const std::string& path);

// An open file. Closes itself when it goes out of scope.
struct FileHandle;
void CloseFile(FileHandle& file);

struct FileHandle {
  std::uintptr_t handle = 0;

  FileHandle() = default;
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  FileHandle(FileHandle&& other) noexcept : handle(other.handle) { other.handle = 0; }
  FileHandle& operator=(FileHandle&& other) noexcept {
    if (this != &other) {
      CloseFile(*this);
      handle = other.handle;
      other.handle = 0;
    }
    return *this;
  }
  ~FileHandle() { CloseFile(*this); }
  bool IsOpen() const { return handle != 0; }
};

// Creates a file or truncates an existing one, for writing; others may read it meanwhile.
FileHandle CreateFileForWriting(const std::string& path);
// Opens a file for writing from its first byte, creating it when missing, without truncating.
FileHandle OpenFileForWriting(const std::string& path);
// Opens an existing file for reading; others may read and write it meanwhile.
FileHandle OpenFileForReading(const std::string& path);
// Writes bytes at the current position; returns how many were written.
std::size_t WriteToFile(const FileHandle& file, const void* data, std::size_t size);
// Reads up to size bytes from the current position; returns how many were read.
std::size_t ReadFromFile(const FileHandle& file, void* data, std::size_t size);
// Moves the position to the given offset from the start; false on failure.
bool SeekInFile(const FileHandle& file, std::uint64_t offset);
// Closes the file; the handle is empty afterwards. Closing an empty handle does nothing.
void CloseFile(FileHandle& file);

// Whole-file conveniences built on the calls above.
bool WriteWholeFile(const std::string& path, const std::vector<std::uint8_t>& bytes);
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path);

}  // namespace platform
