// Small owners of Windows handles for the installed programs: each releases its handle when it
// goes out of scope, on every path.
#pragma once

#include <windows.h>

namespace product {

// A kernel handle (file, mutex, process); INVALID_HANDLE_VALUE and null both mean none.
class OwnedHandle {
 public:
  OwnedHandle() = default;
  explicit OwnedHandle(HANDLE handle)
      : handle_(handle == INVALID_HANDLE_VALUE ? nullptr : handle) {}
  OwnedHandle(const OwnedHandle&) = delete;
  OwnedHandle& operator=(const OwnedHandle&) = delete;
  OwnedHandle(OwnedHandle&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }
  ~OwnedHandle() {
    if (handle_ != nullptr) CloseHandle(handle_);
  }
  HANDLE get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

 private:
  HANDLE handle_ = nullptr;
};

// An open registry key.
class OwnedKey {
 public:
  OwnedKey() = default;
  OwnedKey(const OwnedKey&) = delete;
  OwnedKey& operator=(const OwnedKey&) = delete;
  ~OwnedKey() {
    if (key_ != nullptr) RegCloseKey(key_);
  }
  HKEY get() const { return key_; }
  // For RegOpenKeyExA and the like; the key must be empty.
  HKEY* receive() { return &key_; }

 private:
  HKEY key_ = nullptr;
};

}  // namespace product
