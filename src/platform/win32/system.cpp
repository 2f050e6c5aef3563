#include "platform/system.h"
#include "platform/command_line.h"
#include "platform/display.h"
#include "platform/pictures.h"

#include "platform/win32/handles.h"
#include "platform/win32/internal.h"

namespace platform {

void InitialisePlatform() {
  win32::InitialiseGui();
}

void ReleasePlatform() {
  win32::ReleaseGui();
  FreeAllPictures();
}

[[noreturn]] void EndProcess(unsigned exitCode) {
  ExitProcess(exitCode);
}

std::vector<std::string> CommandLineArguments() {
  return SplitCommandLine(GetCommandLineA());
}

std::uint32_t TickCount() {
  return GetTickCount();
}

void PauseMilliseconds(std::uint32_t milliseconds) {
  Sleep(milliseconds);
}

OsVersion QueryOsVersion() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof(info);  // 148
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  const BOOL known = GetVersionExA(&info);
#pragma GCC diagnostic pop
  if (!known) return {};
  return {true, info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion};
}

bool NamedMutexOpens(const std::string& name) {
  HANDLE mutex = OpenMutexA(MUTEX_ALL_ACCESS, TRUE, name.c_str());
  if (mutex == nullptr) return false;
  CloseHandle(mutex);
  return true;
}

MutexCreation CreateHeldMutex(const std::string& name) {
  SECURITY_ATTRIBUTES attributes{};
  attributes.nLength = sizeof(attributes);
  attributes.bInheritHandle = TRUE;
  // Deliberately never closed: the mutex marks this process as running until it ends.
  HANDLE mutex = CreateMutexA(&attributes, TRUE, name.c_str());
  if (mutex == nullptr) return MutexCreation::Failed;
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    // Someone else's mutex: this process does not keep a hold on it.
    CloseHandle(mutex);
    return MutexCreation::AlreadyExisted;
  }
  return MutexCreation::Created;
}

std::string TemporaryFolder() {
  char shortPath[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathA(sizeof(shortPath), shortPath);
  if (length == 0 || length >= sizeof(shortPath)) return {};
  std::string folder = shortPath;
  char longPath[MAX_PATH + 1] = {};
  const DWORD longLength = GetLongPathNameA(shortPath, longPath, sizeof(longPath));
  if (longLength > 0 && longLength < sizeof(longPath)) folder = longPath;
  if (folder.back() != '\\') folder += '\\';
  return folder;
}

LocalDateTime CurrentLocalTime() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

bool StartProgram(const std::string& file, const std::string& argument,
                  const std::string& workingFolder) {
  std::string commandLine = "\"" + file + "\"";
  if (!argument.empty()) commandLine += " " + argument;
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      workingFolder.empty() ? nullptr : workingFolder.c_str(), &startup,
                      &process)) {
    return false;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

std::string UpperCaseAnsi(const std::string& text) {
  std::string upper = text;
  if (!upper.empty()) CharUpperBuffA(upper.data(), static_cast<DWORD>(upper.size()));
  return upper;
}

int DesktopPixelsPerInch() {
  const win32::WindowDc screen(GetDesktopWindow());
  if (screen.get() == nullptr) return 0;
  return GetDeviceCaps(screen.get(), LOGPIXELSX);
}

}  // namespace platform
