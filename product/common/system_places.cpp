#include "system_places.h"

#include <windows.h>

#include <shlobj.h>

namespace product {
namespace {

std::string WithBackslash(std::string folder) {
  if (!folder.empty() && folder.back() != '\\') folder += '\\';
  return folder;
}

}  // namespace

std::string TemporaryFolder() {
  char shortForm[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathA(sizeof(shortForm), shortForm);
  if (length == 0 || length >= sizeof(shortForm)) return {};
  char longForm[MAX_PATH + 1] = {};
  const DWORD longLength = GetLongPathNameA(shortForm, longForm, sizeof(longForm));
  if (longLength == 0 || longLength >= sizeof(longForm)) return WithBackslash(shortForm);
  return WithBackslash(longForm);
}

std::string SpecialFolder(int csidl) {
  char path[MAX_PATH + 1] = {};
  if (!SHGetSpecialFolderPathA(nullptr, path, csidl, FALSE) || path[0] == '\0') return {};
  return WithBackslash(path);
}

std::string OwnFolder() {
  char path[MAX_PATH + 1] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, sizeof(path));
  // A full buffer means the name was cut: no folder rather than a wrong one.
  if (length == 0 || length >= sizeof(path) - 1) return {};
  return FolderOf(path);
}

std::string FileNameOf(const std::string& path) {
  const std::size_t cut = path.find_last_of("\\/");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string FolderOf(const std::string& path) {
  const std::size_t cut = path.find_last_of("\\/");
  return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  // Upper-cased copies compared byte by byte: the sorting comparisons of the system would take
  // names that differ only in a hyphen for near neighbours, not for different names.
  std::string upperA = a;
  std::string upperB = b;
  CharUpperBuffA(upperA.data(), static_cast<DWORD>(upperA.size()));
  CharUpperBuffA(upperB.data(), static_cast<DWORD>(upperB.size()));
  return upperA == upperB;
}

}  // namespace product
