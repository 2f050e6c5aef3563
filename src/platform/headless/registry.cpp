// The stand-in's registry: a tree of keys under the seven predefined roots, with values of any
// kind stored as raw bytes, as RegSetValueExA hands them over. Names compare without letter
// case. Handles name a key by its path, so that a key deleted while open is noticed.
#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <vector>

#include "platform/headless/control.h"
#include "platform/headless/internal.h"
#include "platform/registry.h"

namespace headless {
namespace {

using platform::ResultCode;
using platform::RootKey;

constexpr ResultCode kBadPathname = 161;  // ERROR_BAD_PATHNAME
constexpr ResultCode kKeyDeleted = 1018;  // ERROR_KEY_DELETED

struct Value {
  std::string name;
  std::uint32_t type = 0;
  std::vector<std::uint8_t> data;
};

struct Key {
  std::string name;
  std::map<std::string, std::unique_ptr<Key>> keys;  // by upper-case name
  std::map<std::string, Value> values;               // by upper-case name
};

struct OpenKey {
  RootKey root = 0;
  std::vector<std::string> path;  // upper-case parts
  bool writable = false;
};

struct Registry {
  std::map<RootKey, Key> roots;
  std::map<std::uintptr_t, OpenKey> open;
  std::uintptr_t nextHandle = 0x1000;
  std::set<RootKey> refused;
  bool failDataReads = false;
};

Registry& R() {
  static Registry registry;
  return registry;
}

bool IsRoot(RootKey root) {
  return root >= platform::HKEY_CLASSES_ROOT && root <= platform::HKEY_DYN_DATA;
}

// Splits a sub-key into its parts. A trailing backslash is allowed, as with Windows; a leading
// one or an empty part in the middle is not.
bool SplitSubKey(const std::string& subKey, std::vector<std::string>& parts) {
  parts.clear();
  if (subKey.empty()) return true;
  std::string part;
  for (std::size_t i = 0; i <= subKey.size(); ++i) {
    if (i == subKey.size() || subKey[i] == '\\') {
      if (part.empty()) {
        if (i == subKey.size() && i > 0) break;  // trailing backslash
        return false;
      }
      parts.push_back(part);
      part.clear();
    } else {
      part += subKey[i];
    }
  }
  return true;
}

Key* Find(RootKey root, const std::vector<std::string>& path) {
  auto rootIt = R().roots.find(root);
  if (rootIt == R().roots.end()) return nullptr;
  Key* key = &rootIt->second;
  for (const std::string& part : path) {
    auto it = key->keys.find(internal::UpperCase1252(part));
    if (it == key->keys.end()) return nullptr;
    key = it->second.get();
  }
  return key;
}

bool WantsWrite(std::uint32_t access) {
  return (access & 0x2 /*KEY_SET_VALUE*/) != 0;
}

std::uintptr_t Remember(RootKey root, const std::vector<std::string>& path, bool writable) {
  const std::uintptr_t handle = R().nextHandle++;
  R().open[handle] = OpenKey{root, path, writable};
  return handle;
}

// The key behind a handle, or an error code.
ResultCode Resolve(const platform::RegKey& key, OpenKey*& open, Key*& node) {
  auto it = R().open.find(key.handle);
  if (it == R().open.end()) return platform::ERROR_INVALID_HANDLE;
  open = &it->second;
  node = Find(open->root, open->path);
  return node == nullptr ? kKeyDeleted : platform::ERROR_SUCCESS;
}

}  // namespace

void internal::ResetRegistry() {
  R() = Registry{};
  for (RootKey root = platform::HKEY_CLASSES_ROOT; root <= platform::HKEY_DYN_DATA; ++root) {
    R().roots[root];
  }
}

void RefuseRegistryWrites(RootKey root, bool refuse) {
  if (refuse) {
    R().refused.insert(root);
  } else {
    R().refused.erase(root);
  }
}

void FailRegistryDataReads(bool fail) {
  R().failDataReads = fail;
}

int OpenRegistryKeyCount() {
  return static_cast<int>(R().open.size());
}

}  // namespace headless

namespace platform {

using headless::R;

ResultCode KeyOpen(RootKey root, const std::string& subKey, std::uint32_t access, RegKey& key) {
  KeyClose(key);
  if (!headless::IsRoot(root)) return ERROR_INVALID_HANDLE;
  std::vector<std::string> path;
  if (!headless::SplitSubKey(subKey, path)) return headless::kBadPathname;
  if (headless::Find(root, path) == nullptr) return ERROR_FILE_NOT_FOUND;
  const bool write = headless::WantsWrite(access);
  if (write && R().refused.count(root) != 0) return ERROR_ACCESS_DENIED;
  key.handle = headless::Remember(root, path, write);
  return ERROR_SUCCESS;
}

ResultCode KeyCreate(RootKey root, const std::string& subKey, std::uint32_t access, RegKey& key) {
  KeyClose(key);
  if (!headless::IsRoot(root)) return ERROR_INVALID_HANDLE;
  std::vector<std::string> path;
  if (!headless::SplitSubKey(subKey, path)) return headless::kBadPathname;
  if (R().refused.count(root) != 0) return ERROR_ACCESS_DENIED;
  headless::Key* node = &R().roots[root];
  for (const std::string& part : path) {
    auto& child = node->keys[headless::internal::UpperCase1252(part)];
    if (!child) {
      child = std::make_unique<headless::Key>();
      child->name = part;
    }
    node = child.get();
  }
  key.handle = headless::Remember(root, path, headless::WantsWrite(access));
  return ERROR_SUCCESS;
}

ResultCode KeySetValue(const RegKey& key, const std::string& name, std::uint32_t type,
                       const void* data, std::uint32_t size) {
  headless::OpenKey* open = nullptr;
  headless::Key* node = nullptr;
  if (ResultCode result = headless::Resolve(key, open, node); result != ERROR_SUCCESS) {
    return result;
  }
  if (!open->writable || R().refused.count(open->root) != 0) return ERROR_ACCESS_DENIED;
  if (data == nullptr && size != 0) return 998;  // ERROR_NOACCESS
  headless::Value& value = node->values[headless::internal::UpperCase1252(name)];
  value.name = name;
  value.type = type;
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  value.data.assign(bytes, bytes + size);
  return ERROR_SUCCESS;
}

ResultCode KeyQueryValue(const RegKey& key, const std::string& name, std::uint32_t* type,
                         void* data, std::uint32_t* size) {
  headless::OpenKey* open = nullptr;
  headless::Key* node = nullptr;
  if (ResultCode result = headless::Resolve(key, open, node); result != ERROR_SUCCESS) {
    return result;
  }
  auto it = node->values.find(headless::internal::UpperCase1252(name));
  if (it == node->values.end()) return ERROR_FILE_NOT_FOUND;
  const headless::Value& value = it->second;
  if (type != nullptr) *type = value.type;
  const auto needed = static_cast<std::uint32_t>(value.data.size());
  if (data == nullptr) {
    if (size != nullptr) *size = needed;
    return ERROR_SUCCESS;
  }
  if (R().failDataReads) return ERROR_ACCESS_DENIED;
  if (size == nullptr) return ERROR_INVALID_PARAMETER;
  if (*size < needed) {
    *size = needed;
    return ERROR_MORE_DATA;
  }
  std::copy(value.data.begin(), value.data.end(), static_cast<std::uint8_t*>(data));
  *size = needed;
  return ERROR_SUCCESS;
}

ResultCode KeyDeleteValue(const RegKey& key, const std::string& name) {
  headless::OpenKey* open = nullptr;
  headless::Key* node = nullptr;
  if (ResultCode result = headless::Resolve(key, open, node); result != ERROR_SUCCESS) {
    return result;
  }
  if (!open->writable || R().refused.count(open->root) != 0) return ERROR_ACCESS_DENIED;
  return node->values.erase(headless::internal::UpperCase1252(name)) != 0 ? ERROR_SUCCESS
                                                                          : ERROR_FILE_NOT_FOUND;
}

void KeyClose(RegKey& key) {
  if (key.handle != 0) R().open.erase(key.handle);
  key.handle = 0;
}

ResultCode KeyDeleteTree(RootKey root, const std::string& subKey) {
  if (!headless::IsRoot(root)) return ERROR_INVALID_HANDLE;
  std::vector<std::string> path;
  if (!headless::SplitSubKey(subKey, path) || path.empty()) return headless::kBadPathname;
  if (R().refused.count(root) != 0) return ERROR_ACCESS_DENIED;
  const std::string last = headless::internal::UpperCase1252(path.back());
  path.pop_back();
  headless::Key* parent = headless::Find(root, path);
  if (parent == nullptr || parent->keys.erase(last) == 0) return ERROR_FILE_NOT_FOUND;
  return ERROR_SUCCESS;
}

}  // namespace platform
