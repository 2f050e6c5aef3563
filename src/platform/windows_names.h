// Constants of the Windows API that the setup's logic speaks of, under their Windows names and
// with their Windows values, so that code outside the Windows layer can use them without
// <windows.h>. Inside src/platform/win32 this header must come before <windows.h>, whose macros
// of the same names would otherwise rewrite these declarations.
#pragma once

#ifdef _WINDOWS_
#error "include the platform headers before <windows.h>"
#endif

#include <cstdint>

namespace platform {

// Predefined registry root keys (32-bit values; Windows sign-extends them on 64-bit systems).
using RootKey = std::uint32_t;
inline constexpr RootKey HKEY_CLASSES_ROOT = 0x80000000u;
inline constexpr RootKey HKEY_CURRENT_USER = 0x80000001u;
inline constexpr RootKey HKEY_LOCAL_MACHINE = 0x80000002u;
inline constexpr RootKey HKEY_USERS = 0x80000003u;
inline constexpr RootKey HKEY_PERFORMANCE_DATA = 0x80000004u;
inline constexpr RootKey HKEY_CURRENT_CONFIG = 0x80000005u;
inline constexpr RootKey HKEY_DYN_DATA = 0x80000006u;

// Registry value kinds.
inline constexpr std::uint32_t REG_NONE = 0;
inline constexpr std::uint32_t REG_SZ = 1;
inline constexpr std::uint32_t REG_EXPAND_SZ = 2;
inline constexpr std::uint32_t REG_BINARY = 3;
inline constexpr std::uint32_t REG_DWORD = 4;
inline constexpr std::uint32_t REG_MULTI_SZ = 7;

// Registry access rights.
inline constexpr std::uint32_t KEY_READ = 0x20019;
inline constexpr std::uint32_t KEY_ALL_ACCESS = 0xF003F;

// Result codes of the registry functions.
using ResultCode = std::int32_t;
inline constexpr ResultCode ERROR_SUCCESS = 0;
inline constexpr ResultCode ERROR_FILE_NOT_FOUND = 2;
inline constexpr ResultCode ERROR_ACCESS_DENIED = 5;
inline constexpr ResultCode ERROR_INVALID_HANDLE = 6;
inline constexpr ResultCode ERROR_INVALID_PARAMETER = 87;
inline constexpr ResultCode ERROR_MORE_DATA = 234;

// Message box styles and answers.
inline constexpr std::uint32_t MB_OK = 0x0;
inline constexpr std::uint32_t MB_YESNO = 0x4;
inline constexpr std::uint32_t MB_ICONERROR = 0x10;
inline constexpr std::uint32_t MB_ICONWARNING = 0x30;
inline constexpr std::uint32_t MB_TOPMOST = 0x40000;
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// System version.
inline constexpr std::uint32_t VER_PLATFORM_WIN32_WINDOWS = 1;
inline constexpr std::uint32_t VER_PLATFORM_WIN32_NT = 2;

// Shell special folders.
inline constexpr int CSIDL_DESKTOP = 0x00;
inline constexpr int CSIDL_PROGRAMS = 0x02;
inline constexpr int CSIDL_COMMON_PROGRAMS = 0x17;
inline constexpr int CSIDL_COMMON_DESKTOPDIRECTORY = 0x19;
inline constexpr int CSIDL_PROGRAM_FILES = 0x26;

// The control-colour request sent before a static text control is painted.
inline constexpr std::uint32_t WM_CTLCOLORSTATIC = 0x138;

}  // namespace platform
