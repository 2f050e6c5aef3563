#include "harness.h"

#include <shlobj.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <map>

namespace e2e {

namespace {

std::map<std::string, Scenario>& Scenarios() {
  static std::map<std::string, Scenario> scenarios;
  return scenarios;
}

bool failed = false;

// Writes the whole screen as a 24-bit BMP to the file that QVD_FAILURE_SCREEN names.
void SaveScreenAtFailure() {
  const char* path = std::getenv("QVD_FAILURE_SCREEN");
  if (path == nullptr || *path == '\0') return;
  const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  const std::vector<Pixel> pixels = CaptureScreen(screen);
  const int width = screen.right;
  const int height = screen.bottom;
  if (pixels.size() != static_cast<std::size_t>(width) * height) return;
  const DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(file) + sizeof(info);
  file.bfSize = file.bfOffBits + stride * height;
  info.biSize = sizeof(info);
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  std::string bytes(reinterpret_cast<const char*>(&file), sizeof(file));
  bytes.append(reinterpret_cast<const char*>(&info), sizeof(info));
  for (int y = height - 1; y >= 0; --y) {
    std::string row(stride, '\0');
    for (int x = 0; x < width; ++x) {
      const Pixel& pixel = pixels[static_cast<std::size_t>(y) * width + x];
      row[x * 3] = static_cast<char>(pixel.blue);
      row[x * 3 + 1] = static_cast<char>(pixel.green);
      row[x * 3 + 2] = static_cast<char>(pixel.red);
    }
    bytes += row;
  }
  HANDLE out = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (out == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(out, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(out);
}

struct TopWindowSearch {
  const std::string* title;
  DWORD processId;
  HWND found;
};

BOOL CALLBACK FindTop(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<TopWindowSearch*>(parameter);
  if (!IsWindowVisible(window)) return TRUE;
  if (search->processId != 0) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId) return TRUE;
  }
  if (TextOf(window) != *search->title) return TRUE;
  search->found = window;
  return FALSE;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM parameter) {
  reinterpret_cast<std::vector<HWND>*>(parameter)->push_back(window);
  return TRUE;
}

std::string WithoutAmpersand(const std::string& text) {
  std::string plain;
  for (char c : text) {
    if (c != '&') plain += c;
  }
  return plain;
}

}  // namespace

Registration::Registration(const char* name, Scenario scenario) {
  Scenarios()[name] = std::move(scenario);
}

int RunScenario(const std::string& name, Context& context) {
  auto it = Scenarios().find(name);
  if (it == Scenarios().end()) {
    std::fprintf(stderr, "no scenario %s\n", name.c_str());
    return 2;
  }
  it->second(context);
  std::fprintf(stderr, "%s: %s\n", name.c_str(), failed ? "FAILED" : "passed");
  return failed ? 1 : 0;
}

bool Check(bool condition, const std::string& message) {
  if (!condition) {
    std::fprintf(stderr, "check failed: %s\n", message.c_str());
    // The screen as the first failure found it; later steps may close what showed the fault.
    if (!failed) SaveScreenAtFailure();
    failed = true;
  }
  return condition;
}

bool Failed() {
  return failed;
}

std::string Describe(const std::string& value) {
  std::string shown = "\"";
  for (unsigned char c : value) {
    if (c == '\r') {
      shown += "\\r";
    } else if (c == '\n') {
      shown += "\\n";
    } else if (c == '\t') {
      shown += "\\t";
    } else {
      shown += static_cast<char>(c);
    }
  }
  return shown + "\"";
}

Process Start(const std::string& path, const std::string& arguments, const std::string& folder) {
  std::string commandLine = "\"" + path + "\"";
  if (!arguments.empty()) commandLine += " " + arguments;
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION information{};
  Process process;
  if (CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                     folder.empty() ? nullptr : folder.c_str(), &startup, &information)) {
    CloseHandle(information.hThread);
    process.handle = information.hProcess;
    process.id = information.dwProcessId;
  } else {
    Check(false, "cannot start " + commandLine);
  }
  return process;
}

std::optional<DWORD> WaitForExit(const Process& process, int milliseconds) {
  if (process.handle == nullptr) return std::nullopt;
  if (WaitForSingleObject(process.handle, static_cast<DWORD>(milliseconds)) != WAIT_OBJECT_0) {
    return std::nullopt;
  }
  DWORD code = 0;
  GetExitCodeProcess(process.handle, &code);
  return code;
}

void Kill(const Process& process) {
  if (process.handle != nullptr) TerminateProcess(process.handle, 99);
}

HWND FindTopWindow(const std::string& title, DWORD processId) {
  TopWindowSearch search{&title, processId, nullptr};
  EnumWindows(FindTop, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitForWindow(const std::string& title, int milliseconds, DWORD processId) {
  const DWORD start = GetTickCount();
  do {
    if (HWND window = FindTopWindow(title, processId)) return window;
    ::Sleep(20);
  } while (GetTickCount() - start < static_cast<DWORD>(milliseconds));
  return nullptr;
}

bool WaitForWindowGone(const std::string& title, int milliseconds) {
  const DWORD start = GetTickCount();
  do {
    if (FindTopWindow(title) == nullptr) return true;
    ::Sleep(20);
  } while (GetTickCount() - start < static_cast<DWORD>(milliseconds));
  return false;
}

std::vector<HWND> Descendants(HWND window) {
  std::vector<HWND> children;
  EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&children));
  return children;
}

std::string ClassOf(HWND window) {
  char name[128] = {};
  GetClassNameA(window, name, sizeof(name));
  return name;
}

std::string TextOf(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length)) {
    return {};
  }
  std::string text(length + 1, '\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                      SMTO_ABORTIFHUNG, 2000, &copied);
  text.resize(copied);
  return text;
}

HWND FindControl(HWND window, const std::string& className, const std::string& text) {
  for (HWND child : Descendants(window)) {
    if (lstrcmpiA(ClassOf(child).c_str(), className.c_str()) == 0 && TextOf(child) == text) {
      return child;
    }
  }
  return nullptr;
}

HWND WaitForControl(HWND window, const std::string& className, const std::string& text,
                    int milliseconds) {
  const DWORD start = GetTickCount();
  do {
    if (HWND control = FindControl(window, className, text)) return control;
    ::Sleep(20);
  } while (GetTickCount() - start < static_cast<DWORD>(milliseconds));
  return nullptr;
}

void Click(HWND button) {
  PostMessageA(button, BM_CLICK, 0, 0);
}

namespace {
void PressKeys(std::initializer_list<std::pair<WORD, bool>> strokes) {
  std::vector<INPUT> inputs;
  for (const auto& [key, down] : strokes) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    inputs.push_back(input);
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}
}  // namespace

void PressKey(HWND window, WORD key) {
  SetForegroundWindow(window);
  ::Sleep(200);
  PressKeys({{key, true}, {key, false}});
}

void ChooseMenuItem(HWND window, char menuLetter, char itemLetter) {
  SetForegroundWindow(window);
  ::Sleep(200);
  // Virtual keys of letters are their capitals.
  const WORD menu = static_cast<WORD>(std::toupper(static_cast<unsigned char>(menuLetter)));
  const WORD item = static_cast<WORD>(std::toupper(static_cast<unsigned char>(itemLetter)));
  PressKeys({{VK_MENU, true}, {menu, true}, {menu, false}, {VK_MENU, false}});
  ::Sleep(300);  // the menu opens
  PressKeys({{item, true}, {item, false}});
}

RECT ClientRectOnScreen(HWND window) {
  RECT rect{};
  GetClientRect(window, &rect);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

std::optional<MessageBoxView> WaitForMessageBox(const std::string& title, int milliseconds,
                                                DWORD processId) {
  const DWORD start = GetTickCount();
  do {
    HWND window = FindTopWindow(title, processId);
    if (window != nullptr && ClassOf(window) == "#32770") {
      MessageBoxView view;
      view.window = window;
      if (HWND text = GetDlgItem(window, 0xFFFF)) view.text = TextOf(text);
      for (HWND child : Descendants(window)) {
        if (lstrcmpiA(ClassOf(child).c_str(), "Button") == 0) {
          view.buttons.push_back(WithoutAmpersand(TextOf(child)));
        }
      }
      return view;
    }
    ::Sleep(20);
  } while (GetTickCount() - start < static_cast<DWORD>(milliseconds));
  return std::nullopt;
}

bool Answer(const MessageBoxView& box, const std::string& button) {
  for (HWND child : Descendants(box.window)) {
    if (lstrcmpiA(ClassOf(child).c_str(), "Button") == 0 &&
        WithoutAmpersand(TextOf(child)) == button) {
      Click(child);
      return true;
    }
  }
  return Check(false, "message box has no button " + button);
}

std::optional<std::string> ReadRegistryText(HKEY root, const std::string& subKey,
                                            const std::string& name) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, subKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return std::nullopt;
  DWORD type = 0;
  DWORD size = 0;
  std::optional<std::string> text;
  if (RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
      type == REG_SZ) {
    std::string data(size, '\0');
    if (RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()),
                         &size) == ERROR_SUCCESS) {
      data.resize(size);
      while (!data.empty() && data.back() == '\0')
        data.pop_back();
      text = data;
    }
  }
  RegCloseKey(key);
  return text;
}

bool RegistryKeyPresent(HKEY root, const std::string& subKey) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, subKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

bool WriteRegistryText(HKEY root, const std::string& subKey, const std::string& name,
                       const std::string& value) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(root, subKey.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS) {
    return Check(false, "cannot create the key " + subKey);
  }
  const LSTATUS status = RegSetValueExA(key, name.empty() ? nullptr : name.c_str(), 0, REG_SZ,
                                        reinterpret_cast<const BYTE*>(value.c_str()),
                                        static_cast<DWORD>(value.size() + 1));
  RegCloseKey(key);
  return Check(status == ERROR_SUCCESS, "cannot write " + subKey + " " + name);
}

bool DeleteRegistryValue(HKEY root, const std::string& subKey, const std::string& name) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, subKey.c_str(), 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) {
    return Check(false, "cannot open the key " + subKey);
  }
  const LSTATUS status = RegDeleteValueA(key, name.c_str());
  RegCloseKey(key);
  return Check(status == ERROR_SUCCESS, "cannot delete " + subKey + " " + name);
}

bool FolderExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool MakeFolders(const std::string& folder) {
  std::string path = folder;
  while (!path.empty() && path.back() == '\\')
    path.pop_back();
  const int result = SHCreateDirectoryExA(nullptr, path.c_str(), nullptr);
  return Check(result == ERROR_SUCCESS || result == ERROR_ALREADY_EXISTS,
               "cannot create the folder " + folder);
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return Check(false, "cannot create " + path);
  DWORD written = 0;
  const BOOL done =
      WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  return Check(done && written == bytes.size(), "cannot write " + path);
}

std::optional<std::string> ReadFileBytes(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes;
  char buffer[65536];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof(buffer), &got, nullptr) && got > 0)
    bytes.append(buffer, got);
  CloseHandle(file);
  return bytes;
}

std::string SpecialFolder(int csidl) {
  char path[MAX_PATH + 1] = {};
  if (!SHGetSpecialFolderPathA(nullptr, path, csidl, FALSE)) return {};
  std::string folder = path;
  if (!folder.empty() && folder.back() != '\\') folder += '\\';
  return folder;
}

std::string TemporaryFolder() {
  char path[MAX_PATH + 1] = {};
  GetTempPathA(sizeof(path), path);
  char longPath[MAX_PATH + 1] = {};
  if (GetLongPathNameA(path, longPath, sizeof(longPath)) == 0) return path;
  std::string folder = longPath;
  if (!folder.empty() && folder.back() != '\\') folder += '\\';
  return folder;
}

bool FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

void Sleep(int milliseconds) {
  ::Sleep(static_cast<DWORD>(milliseconds));
}

std::vector<Pixel> CaptureScreen(const RECT& area) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  std::vector<Pixel> pixels;
  if (width <= 0 || height <= 0) return pixels;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (memory != nullptr && bitmap != nullptr) {
    HGDIOBJ previous = SelectObject(memory, bitmap);
    if (BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY)) {
      GdiFlush();
      const auto* quads = static_cast<const RGBQUAD*>(bits);
      for (int i = 0; i < width * height; ++i) {
        pixels.push_back({quads[i].rgbRed, quads[i].rgbGreen, quads[i].rgbBlue});
      }
    }
    SelectObject(memory, previous);
  }
  if (bitmap != nullptr) DeleteObject(bitmap);
  if (memory != nullptr) DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

}  // namespace e2e
