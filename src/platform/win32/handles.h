// Small owners of Windows handles: each releases its handle when it goes out of scope.
#pragma once

#include "platform/win32/windows_api.h"

namespace platform::win32 {

// A device context obtained with GetDC, released with ReleaseDC.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_ != nullptr) ReleaseDC(window_, dc_);
  }
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// A device context made with CreateCompatibleDC, deleted with DeleteDC.
class MemoryDc {
 public:
  explicit MemoryDc(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  ~MemoryDc() {
    if (dc_ != nullptr) DeleteDC(dc_);
  }
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

// A GDI object (font, brush, bitmap, pen), deleted with DeleteObject.
template <typename Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle handle) : handle_(handle) {}
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  GdiObject(GdiObject&& other) noexcept : handle_(other.release()) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  ~GdiObject() { reset(); }
  Handle get() const { return handle_; }
  Handle release() {
    Handle handle = handle_;
    handle_ = nullptr;
    return handle;
  }
  void reset(Handle handle = nullptr) {
    if (handle_ != nullptr) DeleteObject(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = nullptr;
};

// Selects an object into a device context for the lifetime of the guard.
class SelectGuard {
 public:
  SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  SelectGuard(const SelectGuard&) = delete;
  SelectGuard& operator=(const SelectGuard&) = delete;
  ~SelectGuard() {
    if (previous_ != nullptr && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A window made with CreateWindowEx, destroyed with DestroyWindow. The window procedure
// releases the owner when the system destroys the window by itself (an owned window goes with
// its owner), so that it is never destroyed twice.
class OwnedWindow {
 public:
  OwnedWindow() = default;
  explicit OwnedWindow(HWND window) : window_(window) {}
  OwnedWindow(const OwnedWindow&) = delete;
  OwnedWindow& operator=(const OwnedWindow&) = delete;
  OwnedWindow(OwnedWindow&& other) noexcept : window_(other.release()) {}
  OwnedWindow& operator=(OwnedWindow&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  ~OwnedWindow() { reset(); }
  HWND get() const { return window_; }
  HWND release() {
    HWND window = window_;
    window_ = nullptr;
    return window;
  }
  void reset(HWND window = nullptr) {
    if (window_ != nullptr) DestroyWindow(window_);
    window_ = window;
  }

 private:
  HWND window_ = nullptr;
};

// A library loaded with LoadLibraryA, freed with FreeLibrary.
class LoadedLibrary {
 public:
  LoadedLibrary() = default;
  LoadedLibrary(const LoadedLibrary&) = delete;
  LoadedLibrary& operator=(const LoadedLibrary&) = delete;
  ~LoadedLibrary() { reset(); }
  HMODULE get() const { return module_; }
  void reset(HMODULE module = nullptr) {
    if (module_ != nullptr) FreeLibrary(module_);
    module_ = module;
  }

 private:
  HMODULE module_ = nullptr;
};

// A search handle of FindFirstFileA, closed with FindClose.
class FindHandle {
 public:
  explicit FindHandle(HANDLE handle) : handle_(handle) {}
  FindHandle(const FindHandle&) = delete;
  FindHandle& operator=(const FindHandle&) = delete;
  ~FindHandle() {
    if (valid()) FindClose(handle_);
  }
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

}  // namespace platform::win32
