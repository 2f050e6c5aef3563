#include "toolkit/registry_access.h"

#include <vector>

#include "platform/registry.h"
#include "toolkit/last_error.h"

namespace toolkit {

using namespace platform;

namespace {

bool IsPredefinedRoot(RootKey root) {
  switch (root) {
    case HKEY_CLASSES_ROOT:
    case HKEY_CURRENT_USER:
    case HKEY_LOCAL_MACHINE:
    case HKEY_USERS:
    case HKEY_PERFORMANCE_DATA:
    case HKEY_CURRENT_CONFIG:
    case HKEY_DYN_DATA:
      return true;
    default:
      return false;
  }
}

// One leading backslash is dropped; a second one stays and reaches the registry as it is.
std::string WithoutLeadingBackslash(const std::string& subKey) {
  return !subKey.empty() && subKey.front() == '\\' ? subKey.substr(1) : subKey;
}

enum class Operation { KeyTest, KeyCreation, NumberWrite, ValueAccess };

// The checks every operation begins with, in their order. A sub-key that is empty once its
// leading backslash is gone (a lone "\") counts as empty: it would name the root itself.
bool ArgumentsAccepted(Operation operation, RootKey root, const std::string& subKey,
                       const std::string& valueName) {
  ClearLastErrorText();
  if (!IsPredefinedRoot(root)) {
    SetLastErrorText("ERROR, #HKEY is empty");
    return false;
  }
  if (WithoutLeadingBackslash(subKey).empty()) {
    SetLastErrorText("ERROR, subkeyname is empty");
    return false;
  }
  if (operation == Operation::NumberWrite && valueName.empty()) {
    SetLastErrorText("ERROR, valuename is empty");
    return false;
  }
  if (operation == Operation::NumberWrite || operation == Operation::ValueAccess) {
    if (RegistryKeyExists(root, subKey) != 1) {
      SetLastErrorText("ERROR, sub key dont exist");
      return false;
    }
  }
  return true;
}

int WriteValue(RootKey root, const std::string& subKey, const std::string& valueName,
               std::uint32_t type, const void* data, std::uint32_t size) {
  RegKey key;
  if (KeyOpen(root, WithoutLeadingBackslash(subKey), KEY_ALL_ACCESS, key) == ERROR_SUCCESS &&
      KeySetValue(key, valueName, type, data, size) == ERROR_SUCCESS) {
    return 1;
  }
  SetLastErrorText("ERROR, can´t write value");
  return 0;
}

}  // namespace

int RegistryKeyExists(RootKey root, const std::string& subKey) {
  if (!ArgumentsAccepted(Operation::KeyTest, root, subKey, {})) return 0;
  RegKey key;
  if (KeyOpen(root, WithoutLeadingBackslash(subKey), KEY_READ, key) == ERROR_SUCCESS) return 1;
  SetLastErrorText("ERROR, sub key not found");
  return 0;
}

int RegistryCreateKey(RootKey root, const std::string& subKey) {
  if (!ArgumentsAccepted(Operation::KeyCreation, root, subKey, {})) return 0;
  RegKey key;
  if (KeyCreate(root, WithoutLeadingBackslash(subKey), KEY_ALL_ACCESS, key) == ERROR_SUCCESS) {
    return 1;
  }
  SetLastErrorText("ERROR, false type");
  return 0;
}

int RegistryWriteText(RootKey root, const std::string& subKey, const std::string& valueName,
                      const std::string& text) {
  if (!ArgumentsAccepted(Operation::ValueAccess, root, subKey, valueName)) return 0;
  return WriteValue(root, subKey, valueName, REG_SZ, text.c_str(),
                    static_cast<std::uint32_t>(text.size() + 1));
}

int RegistryWriteNumber(RootKey root, const std::string& subKey, const std::string& valueName,
                        std::int32_t number) {
  if (!ArgumentsAccepted(Operation::NumberWrite, root, subKey, valueName)) return 0;
  const auto value = static_cast<std::uint32_t>(number);
  const std::uint8_t bytes[4] = {
      static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
      static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
  return WriteValue(root, subKey, valueName, REG_DWORD, bytes, sizeof(bytes));
}

std::string RegistryReadText(RootKey root, const std::string& subKey,
                             const std::string& valueName) {
  if (!ArgumentsAccepted(Operation::ValueAccess, root, subKey, valueName)) return {};
  RegKey key;
  std::uint32_t type = 0;
  std::uint32_t size = 0;
  if (KeyOpen(root, WithoutLeadingBackslash(subKey), KEY_READ, key) != ERROR_SUCCESS ||
      KeyQueryValue(key, valueName, &type, nullptr, &size) != ERROR_SUCCESS) {
    SetLastErrorText("ERROR, not specified message");
    return {};
  }
  if (type != REG_SZ) {
    SetLastErrorText("ERROR, false type");
    return {};
  }
  // Asked once more, then filled into a buffer of exactly that size.
  if (KeyQueryValue(key, valueName, &type, nullptr, &size) != ERROR_SUCCESS) {
    SetLastErrorText("ERROR, reading key");
    return {};
  }
  std::vector<char> buffer(size);
  std::uint32_t filled = size;
  if (size > 0 && KeyQueryValue(key, valueName, &type, buffer.data(), &filled) != ERROR_SUCCESS) {
    SetLastErrorText("ERROR, reading key");
    return {};
  }
  std::string text;
  text.reserve(filled);
  for (std::uint32_t i = 0; i < filled && i < size; ++i) {
    if (buffer[i] != '\0') text += buffer[i];
  }
  return text;
}

int RegistryDeleteValue(RootKey root, const std::string& subKey, const std::string& valueName) {
  if (!ArgumentsAccepted(Operation::ValueAccess, root, subKey, valueName)) return 0;
  RegKey key;
  if (KeyOpen(root, WithoutLeadingBackslash(subKey), KEY_ALL_ACCESS, key) != ERROR_SUCCESS) {
    return 0;
  }
  if (KeyDeleteValue(key, valueName) == ERROR_SUCCESS) return 1;
  SetLastErrorText("ERROR, can´t delete value");
  return 0;
}

}  // namespace toolkit
