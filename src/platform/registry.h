// Registry services at the level of the Windows registry functions: keys opened under one of the
// predefined roots, values set, queried and deleted, Windows result codes.
#pragma once

#include <cstdint>
#include <string>

#include "platform/windows_names.h"

namespace platform {

// An open registry key. Closes itself when it goes out of scope.
struct RegKey;
void KeyClose(RegKey& key);

struct RegKey {
  std::uintptr_t handle = 0;

  RegKey() = default;
  RegKey(const RegKey&) = delete;
  RegKey& operator=(const RegKey&) = delete;
  RegKey(RegKey&& other) noexcept : handle(other.handle) { other.handle = 0; }
  RegKey& operator=(RegKey&& other) noexcept {
    if (this != &other) {
      KeyClose(*this);
      handle = other.handle;
      other.handle = 0;
    }
    return *this;
  }
  ~RegKey() { KeyClose(*this); }
};

// RegOpenKeyExA(root, subKey, 0, access).
ResultCode KeyOpen(RootKey root, const std::string& subKey, std::uint32_t access, RegKey& key);
// RegCreateKeyExA(root, subKey, 0, no class, non-volatile, access, zeroed security attributes).
ResultCode KeyCreate(RootKey root, const std::string& subKey, std::uint32_t access, RegKey& key);
// RegSetValueExA(key, name, 0, type, data, size). An empty name is the default value.
ResultCode KeySetValue(const RegKey& key, const std::string& name, std::uint32_t type,
                       const void* data, std::uint32_t size);
// RegQueryValueExA(key, name, 0, type, data, size): with data null only the kind and the size
// are asked for; *size is in/out as with Windows.
ResultCode KeyQueryValue(const RegKey& key, const std::string& name, std::uint32_t* type,
                         void* data, std::uint32_t* size);
// RegDeleteValueA(key, name).
ResultCode KeyDeleteValue(const RegKey& key, const std::string& name);
// RegCloseKey; the key is empty afterwards. Closing an empty key does nothing.
void KeyClose(RegKey& key);
// Deletes a key with all its sub-keys and values (RegDeleteTreeA, then the key itself).
ResultCode KeyDeleteTree(RootKey root, const std::string& subKey);

}  // namespace platform
