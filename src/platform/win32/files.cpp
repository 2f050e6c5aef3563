#include "platform/files.h"

#include <algorithm>

#include "platform/win32/handles.h"
#include "platform/win32/internal.h"

namespace platform {

namespace {

HANDLE Handle(const FileHandle& file) {
  return reinterpret_cast<HANDLE>(file.handle);
}

FileHandle Open(const std::string& path, DWORD access, DWORD share, DWORD disposition) {
  FileHandle file;
  HANDLE handle = CreateFileA(path.c_str(), access, share, nullptr, disposition,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle != INVALID_HANDLE_VALUE) file.handle = reinterpret_cast<std::uintptr_t>(handle);
  return file;
}

std::string WithBackslash(const std::string& folder) {
  return !folder.empty() && folder.back() == '\\' ? folder : folder + "\\";
}

}  // namespace

PathKind QueryPath(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return PathKind::Missing;
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? PathKind::Folder : PathKind::File;
}

std::int64_t FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return -1;
  if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return -1;
  return (static_cast<std::int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool MakeFolder(const std::string& path) {
  return CreateDirectoryA(path.c_str(), nullptr) != 0;
}

bool CanListFolder(const std::string& path) {
  WIN32_FIND_DATAA entry{};
  const win32::FindHandle search(FindFirstFileA((WithBackslash(path) + "*").c_str(), &entry));
  return search.valid();
}

std::vector<std::string> ListFolder(const std::string& path) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA entry{};
  const win32::FindHandle search(FindFirstFileA((WithBackslash(path) + "*").c_str(), &entry));
  if (!search.valid()) return names;
  do {
    const std::string name = entry.cFileName;
    if (name != "." && name != "..") names.push_back(name);
  } while (FindNextFileA(search.get(), &entry));
  return names;
}

bool RemoveFile(const std::string& path) {
  return DeleteFileA(path.c_str()) != 0;
}

bool RemoveFolderTree(const std::string& path) {
  std::string folder = path;
  while (folder.size() > 3 && folder.back() == '\\')
    folder.pop_back();
  if (QueryPath(folder) != PathKind::Folder) return false;
  bool all = true;
  for (const std::string& name : ListFolder(folder)) {
    const std::string child = folder + "\\" + name;
    if (QueryPath(child) == PathKind::Folder) {
      all = RemoveFolderTree(child) && all;
    } else {
      SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
      all = (DeleteFileA(child.c_str()) != 0) && all;
    }
  }
  SetFileAttributesA(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
  return (RemoveDirectoryA(folder.c_str()) != 0) && all;
}

FileHandle CreateFileForWriting(const std::string& path) {
  return Open(path, GENERIC_WRITE, FILE_SHARE_READ, CREATE_ALWAYS);
}

FileHandle OpenFileForWriting(const std::string& path) {
  return Open(path, GENERIC_WRITE, FILE_SHARE_READ, OPEN_ALWAYS);
}

FileHandle OpenFileForReading(const std::string& path) {
  return Open(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING);
}

std::size_t WriteToFile(const FileHandle& file, const void* data, std::size_t size) {
  std::size_t total = 0;
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  while (total < size) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size - total, 1u << 30));
    DWORD written = 0;
    if (!WriteFile(Handle(file), bytes + total, chunk, &written, nullptr) || written == 0) break;
    total += written;
  }
  return total;
}

std::size_t ReadFromFile(const FileHandle& file, void* data, std::size_t size) {
  std::size_t total = 0;
  auto* bytes = static_cast<std::uint8_t*>(data);
  while (total < size) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size - total, 1u << 30));
    DWORD read = 0;
    if (!ReadFile(Handle(file), bytes + total, chunk, &read, nullptr) || read == 0) break;
    total += read;
  }
  return total;
}

bool SeekInFile(const FileHandle& file, std::uint64_t offset) {
  LARGE_INTEGER distance{};
  distance.QuadPart = static_cast<LONGLONG>(offset);
  return SetFilePointerEx(Handle(file), distance, nullptr, FILE_BEGIN) != 0;
}

void CloseFile(FileHandle& file) {
  if (file.handle != 0) CloseHandle(Handle(file));
  file.handle = 0;
}

}  // namespace platform
