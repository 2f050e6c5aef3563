#include "removal_actions.h"

#include <windows.h>

#include <string>

#include "../common/owned_handles.h"
#include "../common/product_facts.h"
#include "../common/system_places.h"

namespace uninstaller {
namespace {

HKEY RootKey(RegistryRoot root) {
  return root == RegistryRoot::ClassesRoot ? HKEY_CLASSES_ROOT : HKEY_LOCAL_MACHINE;
}

bool IsOwnEntry(const RemovalItem& item, const std::string& name) {
  for (const std::string& own : item.ownEntries) {
    if (product::SameName(own, name)) return true;
  }
  return false;
}

Presence SurveyFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return Presence::Absent;
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? Presence::Foreign : Presence::Present;
}

// Present when nothing but our own entries lies in the folder.
Presence SurveyFolder(const RemovalItem& item) {
  const DWORD attributes = GetFileAttributesA(item.location.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return Presence::Absent;
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) return Presence::Foreign;
  WIN32_FIND_DATAA entry{};
  HANDLE search = FindFirstFileA((item.location + "*").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return Presence::Foreign;  // cannot look inside
  Presence presence = Presence::Present;
  do {
    const std::string name = entry.cFileName;
    if (name == "." || name == "..") continue;
    if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 || !IsOwnEntry(item, name)) {
      presence = Presence::Foreign;
      break;
    }
  } while (FindNextFileA(search, &entry));
  FindClose(search);
  return presence;
}

// The key's default value when it is a text; nothing when missing or of another kind.
bool DefaultTextIs(HKEY key, const char* expected) {
  char text[256] = {};
  DWORD type = 0;
  DWORD size = sizeof(text) - 1;
  if (RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(text), &size) !=
          ERROR_SUCCESS ||
      type != REG_SZ) {
    return false;
  }
  text[size < sizeof(text) ? size : sizeof(text) - 1] = '\0';
  return std::string(text) == expected;
}

// Present when the key has no values and all its sub-keys are our own entries.
Presence SurveyHoldingKey(HKEY key, const RemovalItem& item) {
  DWORD subKeys = 0;
  DWORD values = 0;
  if (RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, &values, nullptr,
                       nullptr, nullptr, nullptr) != ERROR_SUCCESS ||
      values != 0) {
    return Presence::Foreign;
  }
  for (DWORD index = 0; index < subKeys; ++index) {
    char name[256] = {};
    DWORD length = sizeof(name);
    if (RegEnumKeyExA(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS ||
        !IsOwnEntry(item, name)) {
      return Presence::Foreign;
    }
  }
  return Presence::Present;
}

Presence SurveyKey(const RemovalItem& item) {
  product::OwnedKey key;
  if (RegOpenKeyExA(RootKey(item.root), item.location.c_str(), 0, KEY_READ, key.receive()) !=
      ERROR_SUCCESS) {
    return Presence::Absent;
  }
  switch (item.kind) {
    case ItemKind::ExtensionIfOurs:
      return DefaultTextIs(key.get(), product::kProgramId) ? Presence::Present : Presence::Foreign;
    case ItemKind::KeyIfOnlyHolds:
      return SurveyHoldingKey(key.get(), item);
    default:
      return Presence::Present;
  }
}

unsigned long RemoveFile(const std::string& path) {
  if (DeleteFileA(path.c_str())) return ERROR_SUCCESS;
  DWORD error = GetLastError();
  // A read-only link or file is still ours; anything else that refuses is reported.
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (error == ERROR_ACCESS_DENIED && attributes != INVALID_FILE_ATTRIBUTES &&
      (attributes & FILE_ATTRIBUTE_READONLY) != 0 &&
      SetFileAttributesA(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY)) {
    if (DeleteFileA(path.c_str())) return ERROR_SUCCESS;
    error = GetLastError();
    SetFileAttributesA(path.c_str(), attributes);
  }
  return error;
}

unsigned long RemoveKeyTree(HKEY root, const std::string& subKey) {
  const LSTATUS status = RegDeleteTreeA(root, subKey.c_str());
  if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) return status;
  // RegDeleteTree may leave the emptied key itself behind.
  const LSTATUS last = RegDeleteKeyA(root, subKey.c_str());
  return last == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : last;
}

// Our own sub-keys are gone by now unless their removal failed: then this one stays too.
unsigned long RemoveEmptyKey(HKEY root, const std::string& subKey) {
  {
    product::OwnedKey key;
    DWORD subKeys = 0;
    if (RegOpenKeyExA(root, subKey.c_str(), 0, KEY_READ, key.receive()) == ERROR_SUCCESS &&
        RegQueryInfoKeyA(key.get(), nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, nullptr,
                         nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS &&
        subKeys != 0) {
      return ERROR_DIR_NOT_EMPTY;
    }
  }
  const LSTATUS status = RegDeleteKeyA(root, subKey.c_str());
  return status == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : status;
}

}  // namespace

Presence Survey(const RemovalItem& item) {
  switch (item.kind) {
    case ItemKind::File:
      return SurveyFile(item.location);
    case ItemKind::FolderIfEmpty:
      return SurveyFolder(item);
    default:
      return SurveyKey(item);
  }
}

Removal Remove(const RemovalItem& item) {
  // Each item is looked at again right before: what changed since the question decides.
  const Presence presence = Survey(item);
  if (presence == Presence::Absent) return {Outcome::NotThere, ERROR_SUCCESS};
  if (presence == Presence::Foreign) return {Outcome::Kept, ERROR_SUCCESS};
  unsigned long error = ERROR_SUCCESS;
  switch (item.kind) {
    case ItemKind::File:
      error = RemoveFile(item.location);
      break;
    case ItemKind::FolderIfEmpty:
      error = RemoveDirectoryA(item.location.c_str()) ? ERROR_SUCCESS : GetLastError();
      break;
    case ItemKind::KeyTree:
    case ItemKind::ExtensionIfOurs:
      error = RemoveKeyTree(RootKey(item.root), item.location);
      break;
    case ItemKind::KeyIfOnlyHolds:
      error = RemoveEmptyKey(RootKey(item.root), item.location);
      break;
  }
  return error == ERROR_SUCCESS ? Removal{Outcome::Removed, error}
                                : Removal{Outcome::Failed, error};
}

}  // namespace uninstaller
