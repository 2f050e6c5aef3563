// The stand-in's file system: in memory, with Windows paths that compare without letter case.
// Drive C:\ exists from the start. Sharing follows the setup's use: a file open for writing
// lets others read but not write or delete; a file that "another process" locked can be neither
// opened nor deleted.
#include <algorithm>
#include <map>
#include <set>

#include "platform/files.h"
#include "platform/headless/control.h"
#include "platform/headless/internal.h"

namespace headless {
namespace {

struct Entry {
  std::string name;  // as created
  bool folder = false;
  std::vector<std::uint8_t> bytes;
};

struct OpenFile {
  std::string key;
  bool write = false;
  std::size_t position = 0;
};

struct FileSystem {
  std::map<std::string, Entry> entries;  // by normalised upper-case path
  std::map<std::uintptr_t, OpenFile> open;
  std::uintptr_t nextHandle = 0x100;
  std::set<std::string> refusedFolders;
  std::set<std::string> locked;
  std::int64_t bytesUntilFull = -1;
};

FileSystem& F() {
  static FileSystem files;
  return files;
}

// "c:/a\\b\\" -> "C:\\A\\B"; a drive root keeps its backslash. Relative paths count from C:\.
// Paths with "." or ".." parts or without a drive come out empty (not found).
std::string Normalise(const std::string& path) {
  std::string p = path;
  std::replace(p.begin(), p.end(), '/', '\\');
  if (p.size() < 2 || p[1] != ':') p = "C:\\" + p;
  if (p.size() == 2) p += '\\';
  if (p[2] != '\\') return {};
  std::string out = p.substr(0, 3);
  std::string part;
  for (std::size_t i = 3; i <= p.size(); ++i) {
    if (i == p.size() || p[i] == '\\') {
      if (part == "." || part == "..") return {};
      if (!part.empty()) {
        if (out.back() != '\\') out += '\\';
        out += part;
      }
      part.clear();
    } else {
      part += p[i];
    }
  }
  return internal::UpperCase1252(out);
}

std::string Parent(const std::string& key) {
  const std::size_t slash = key.rfind('\\');
  if (key.size() <= 3 || slash == std::string::npos) return {};
  return slash == 2 ? key.substr(0, 3) : key.substr(0, slash);
}

std::string LastPart(const std::string& path) {
  std::string p = path;
  while (!p.empty() && (p.back() == '\\' || p.back() == '/'))
    p.pop_back();
  const std::size_t slash = p.find_last_of("\\/");
  return slash == std::string::npos ? p : p.substr(slash + 1);
}

Entry* Lookup(const std::string& key) {
  auto it = F().entries.find(key);
  return it == F().entries.end() ? nullptr : &it->second;
}

bool OpenForWriting(const std::string& key) {
  return std::any_of(F().open.begin(), F().open.end(),
                     [&](const auto& item) { return item.second.key == key && item.second.write; });
}

bool OpenAtAll(const std::string& key) {
  return std::any_of(F().open.begin(), F().open.end(),
                     [&](const auto& item) { return item.second.key == key; });
}

// Whether a new entry may be made at key: parent folder present and not refused.
bool MayCreate(const std::string& key) {
  const std::string parent = Parent(key);
  const Entry* folder = Lookup(parent);
  return !parent.empty() && folder != nullptr && folder->folder &&
         F().refusedFolders.count(parent) == 0;
}

platform::FileHandle Open(const std::string& key, bool write) {
  platform::FileHandle file;
  file.handle = F().nextHandle++;
  F().open[file.handle] = OpenFile{key, write, 0};
  return file;
}

}  // namespace

void internal::ResetFiles() {
  F() = FileSystem{};
  F().entries["C:\\"] = Entry{"C:\\", true, {}};
  // The folders a fresh machine has: the default temporary folder and its parents.
  for (const char* folder :
       {"C:\\Users", "C:\\Users\\Tester", "C:\\Users\\Tester\\AppData",
        "C:\\Users\\Tester\\AppData\\Local", "C:\\Users\\Tester\\AppData\\Local\\Temp"}) {
    platform::MakeFolder(folder);
  }
}

void internal::EndProcessFiles() {
  F().open.clear();
}

void RefuseCreationIn(const std::string& folder) {
  F().refusedFolders.insert(Normalise(folder));
}

void SetDiskFullAfter(std::int64_t bytes) {
  F().bytesUntilFull = bytes;
}

void LockFile(const std::string& path, bool locked) {
  if (locked) {
    F().locked.insert(Normalise(path));
  } else {
    F().locked.erase(Normalise(path));
  }
}

int OpenFileCount() {
  return static_cast<int>(F().open.size());
}

}  // namespace headless

namespace platform {

using headless::F;
using headless::Lookup;
using headless::Normalise;

PathKind QueryPath(const std::string& path) {
  const headless::Entry* entry = Lookup(Normalise(path));
  if (entry == nullptr) return PathKind::Missing;
  return entry->folder ? PathKind::Folder : PathKind::File;
}

std::int64_t FileSize(const std::string& path) {
  const headless::Entry* entry = Lookup(Normalise(path));
  if (entry == nullptr || entry->folder) return -1;
  return static_cast<std::int64_t>(entry->bytes.size());
}

bool MakeFolder(const std::string& path) {
  const std::string key = Normalise(path);
  if (key.empty() || Lookup(key) != nullptr || !headless::MayCreate(key)) return false;
  F().entries[key] = headless::Entry{headless::LastPart(path), true, {}};
  return true;
}

bool CanListFolder(const std::string& path) {
  const headless::Entry* entry = Lookup(Normalise(path));
  return entry != nullptr && entry->folder;
}

std::vector<std::string> ListFolder(const std::string& path) {
  std::vector<std::string> names;
  const std::string key = Normalise(path);
  if (!CanListFolder(path)) return names;
  for (const auto& [entryKey, entry] : F().entries) {
    if (entryKey != key && headless::Parent(entryKey) == key) names.push_back(entry.name);
  }
  return names;
}

bool RemoveFile(const std::string& path) {
  const std::string key = Normalise(path);
  const headless::Entry* entry = Lookup(key);
  if (entry == nullptr || entry->folder) return false;
  if (F().locked.count(key) != 0 || headless::OpenAtAll(key)) return false;
  F().entries.erase(key);
  return true;
}

bool RemoveFolderTree(const std::string& path) {
  const std::string key = Normalise(path);
  const headless::Entry* entry = Lookup(key);
  if (entry == nullptr || !entry->folder || key.size() <= 3) return false;
  bool all = true;
  for (const std::string& name : ListFolder(path)) {
    const std::string child = key + "\\" + name;
    const bool removed =
        QueryPath(child) == PathKind::Folder ? RemoveFolderTree(child) : RemoveFile(child);
    all = all && removed;
  }
  if (!all) return false;
  F().entries.erase(key);
  return true;
}

FileHandle CreateFileForWriting(const std::string& path) {
  const std::string key = Normalise(path);
  if (key.empty()) return {};
  headless::Entry* entry = Lookup(key);
  if (entry != nullptr) {
    if (entry->folder || F().locked.count(key) != 0 || headless::OpenForWriting(key)) return {};
    entry->bytes.clear();
  } else {
    if (!headless::MayCreate(key)) return {};
    F().entries[key] = headless::Entry{headless::LastPart(path), false, {}};
  }
  return headless::Open(key, true);
}

FileHandle OpenFileForWriting(const std::string& path) {
  const std::string key = Normalise(path);
  if (key.empty()) return {};
  const headless::Entry* entry = Lookup(key);
  if (entry != nullptr) {
    if (entry->folder || F().locked.count(key) != 0 || headless::OpenForWriting(key)) return {};
  } else {
    if (!headless::MayCreate(key)) return {};
    F().entries[key] = headless::Entry{headless::LastPart(path), false, {}};
  }
  return headless::Open(key, true);
}

FileHandle OpenFileForReading(const std::string& path) {
  const std::string key = Normalise(path);
  const headless::Entry* entry = Lookup(key);
  if (entry == nullptr || entry->folder || F().locked.count(key) != 0) return {};
  return headless::Open(key, false);
}

std::size_t WriteToFile(const FileHandle& file, const void* data, std::size_t size) {
  auto it = F().open.find(file.handle);
  if (it == F().open.end() || !it->second.write) return 0;
  headless::Entry* entry = Lookup(it->second.key);
  if (entry == nullptr) return 0;
  std::size_t count = size;
  if (F().bytesUntilFull >= 0) {
    count = std::min<std::size_t>(count, static_cast<std::size_t>(F().bytesUntilFull));
    F().bytesUntilFull -= static_cast<std::int64_t>(count);
  }
  std::size_t& position = it->second.position;
  if (entry->bytes.size() < position + count) entry->bytes.resize(position + count);
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  std::copy(bytes, bytes + count, entry->bytes.begin() + static_cast<std::ptrdiff_t>(position));
  position += count;
  return count;
}

std::size_t ReadFromFile(const FileHandle& file, void* data, std::size_t size) {
  auto it = F().open.find(file.handle);
  if (it == F().open.end()) return 0;
  const headless::Entry* entry = Lookup(it->second.key);
  if (entry == nullptr) return 0;
  std::size_t& position = it->second.position;
  if (position >= entry->bytes.size()) return 0;
  const std::size_t count = std::min(size, entry->bytes.size() - position);
  std::copy_n(entry->bytes.begin() + static_cast<std::ptrdiff_t>(position), count,
              static_cast<std::uint8_t*>(data));
  position += count;
  return count;
}

bool SeekInFile(const FileHandle& file, std::uint64_t offset) {
  auto it = F().open.find(file.handle);
  if (it == F().open.end()) return false;
  it->second.position = static_cast<std::size_t>(offset);
  return true;
}

void CloseFile(FileHandle& file) {
  if (file.handle != 0) F().open.erase(file.handle);
  file.handle = 0;
}

}  // namespace platform
