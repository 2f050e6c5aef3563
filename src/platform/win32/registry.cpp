#include "platform/registry.h"

#include "platform/win32/internal.h"

namespace platform {

namespace {
HKEY Handle(const RegKey& key) {
  return reinterpret_cast<HKEY>(key.handle);
}
}  // namespace

ResultCode KeyOpen(RootKey root, const std::string& subKey, std::uint32_t access, RegKey& key) {
  KeyClose(key);
  HKEY opened = nullptr;
  const LONG result = RegOpenKeyExA(win32::RootHandle(root), subKey.c_str(), 0, access, &opened);
  if (result == ERROR_SUCCESS) key.handle = reinterpret_cast<std::uintptr_t>(opened);
  return result;
}

ResultCode KeyCreate(RootKey root, const std::string& subKey, std::uint32_t access, RegKey& key) {
  KeyClose(key);
  SECURITY_ATTRIBUTES attributes{};
  HKEY created = nullptr;
  const LONG result =
      RegCreateKeyExA(win32::RootHandle(root), subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      access, &attributes, &created, nullptr);
  if (result == ERROR_SUCCESS) key.handle = reinterpret_cast<std::uintptr_t>(created);
  return result;
}

ResultCode KeySetValue(const RegKey& key, const std::string& name, std::uint32_t type,
                       const void* data, std::uint32_t size) {
  return RegSetValueExA(Handle(key), name.c_str(), 0, type, static_cast<const BYTE*>(data), size);
}

ResultCode KeyQueryValue(const RegKey& key, const std::string& name, std::uint32_t* type,
                         void* data, std::uint32_t* size) {
  DWORD kind = 0;
  DWORD bytes = size != nullptr ? *size : 0;
  const LONG result =
      RegQueryValueExA(Handle(key), name.c_str(), nullptr, &kind, static_cast<BYTE*>(data),
                       size != nullptr ? &bytes : nullptr);
  if (type != nullptr) *type = kind;
  if (size != nullptr) *size = bytes;
  return result;
}

ResultCode KeyDeleteValue(const RegKey& key, const std::string& name) {
  return RegDeleteValueA(Handle(key), name.c_str());
}

void KeyClose(RegKey& key) {
  if (key.handle != 0) RegCloseKey(Handle(key));
  key.handle = 0;
}

ResultCode KeyDeleteTree(RootKey root, const std::string& subKey) {
  if (subKey.empty()) return ERROR_INVALID_PARAMETER;
  const LONG result = RegDeleteTreeA(win32::RootHandle(root), subKey.c_str());
  if (result != ERROR_SUCCESS) return result;
  RegDeleteKeyA(win32::RootHandle(root), subKey.c_str());
  return ERROR_SUCCESS;
}

}  // namespace platform
