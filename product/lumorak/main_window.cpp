#include "main_window.h"

#include <commdlg.h>
#include <shellapi.h>

#include <string>

#include "../common/product_facts.h"
#include "../common/system_places.h"
#include "document_file.h"
#include "self_update.h"
#include "start_notices.h"

namespace lumorak {
namespace {

constexpr char kClassName[] = "QVDLumorak.Hauptfenster";
constexpr char kDocumentTitle[] = "QVDLumorak - Dokument";
constexpr int kProgramIcon = 1;

enum Command : WORD { kOpen = 101, kExit, kHelp, kUpdate, kAbout };

struct MainWindow {
  HWND window = nullptr;
  HWND view = nullptr;  // the document's text
  HFONT font = nullptr;
};
MainWindow mainWindow;

class AcceleratorTable {
 public:
  AcceleratorTable() {
    ACCEL keys[] = {{FCONTROL | FVIRTKEY, 'O', kOpen}, {FVIRTKEY, VK_F1, kHelp}};
    table_ = CreateAcceleratorTableA(keys, sizeof(keys) / sizeof(keys[0]));
  }
  AcceleratorTable(const AcceleratorTable&) = delete;
  AcceleratorTable& operator=(const AcceleratorTable&) = delete;
  ~AcceleratorTable() {
    if (table_ != nullptr) DestroyAcceleratorTable(table_);
  }
  HACCEL get() const { return table_; }

 private:
  HACCEL table_ = nullptr;
};

class ViewFont {
 public:
  ViewFont() {
    HDC screen = GetDC(nullptr);
    const int height = -MulDiv(10, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    font_ = CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                        FIXED_PITCH | FF_MODERN, "Courier New");
  }
  ViewFont(const ViewFont&) = delete;
  ViewFont& operator=(const ViewFont&) = delete;
  ~ViewFont() {
    if (font_ != nullptr) DeleteObject(font_);
  }
  HFONT get() const { return font_; }

 private:
  HFONT font_ = nullptr;
};

HMENU BuildMenu() {
  HMENU bar = CreateMenu();
  HMENU file = CreatePopupMenu();
  AppendMenuA(file, MF_STRING, kOpen, "&Öffnen...\tStrg+O");
  AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(file, MF_STRING, kExit, "&Beenden");
  HMENU help = CreatePopupMenu();
  AppendMenuA(help, MF_STRING, kHelp, "&Hilfethemen\tF1");
  AppendMenuA(help, MF_STRING, kUpdate, "Programm &aktualisieren...");
  AppendMenuA(help, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(help, MF_STRING, kAbout, "&Info über QVDLumorak...");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&Datei");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), "&Hilfe");
  return bar;
}

void ShowDocument(const std::string& path) {
  const LoadedDocument document = LoadDocument(path);
  if (document.result != DocumentLoad::Loaded) {
    const char* reason = document.result == DocumentLoad::TooLarge
                             ? "ist zu groß: QVDLumorak zeigt Dokumente bis 16 MB."
                             : "konnte nicht gelesen werden.";
    if (document.result == DocumentLoad::NotOpened) reason = "konnte nicht geöffnet werden.";
    const std::string text = "Das Dokument\n" + path + "\n" + reason;
    MessageBoxA(mainWindow.window, text.c_str(), kDocumentTitle, MB_OK | MB_ICONERROR);
    return;
  }
  SetWindowTextW(mainWindow.view, document.text.c_str());
  const std::string title = product::FileNameOf(path) + " - " + product::kTitle;
  SetWindowTextA(mainWindow.window, title.c_str());
}

void ChooseDocument() {
  char path[1024] = {};
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = mainWindow.window;
  dialog.lpstrFilter = "QVDLumorak-Dokumente (*.lmk)\0*.lmk\0Alle Dateien (*.*)\0*.*\0";
  dialog.lpstrFile = path;
  dialog.nMaxFile = sizeof(path);
  dialog.lpstrTitle = "Dokument öffnen";
  dialog.lpstrDefExt = "lmk";
  dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
  if (GetOpenFileNameA(&dialog)) ShowDocument(path);
}

void OpenHelp() {
  const std::string folder = product::OwnFolder();
  const std::string help = folder + product::kHelpFile;
  const DWORD attributes =
      folder.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesA(help.c_str());
  const char* problem = nullptr;
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    problem =
        "wurde nicht gefunden. Führen Sie das Setup noch einmal aus, um sie wiederherzustellen.";
  } else if (reinterpret_cast<INT_PTR>(ShellExecuteA(mainWindow.window, "open", help.c_str(),
                                                     nullptr, folder.c_str(), SW_SHOWNORMAL)) <=
             32) {
    problem = "konnte nicht geöffnet werden.";
  }
  if (problem != nullptr) {
    const std::string text = "Die Hilfedatei\n" + help + "\n" + problem;
    MessageBoxA(mainWindow.window, text.c_str(), "QVDLumorak - Hilfe", MB_OK | MB_ICONWARNING);
  }
}

void ShowAbout() {
  MessageBoxA(mainWindow.window,
              "QVDLumorak V001.001.018 vom 31.12.2012\n\n"
              "Betrachter für QVDLumorak-Dokumente (*.lmk).\n\n"
              "© 2007 - 2012 Eirik Nordavik\nwww.nordavik.example",
              "Info über QVDLumorak", MB_OK | MB_ICONINFORMATION);
}

void Carry(WORD command) {
  switch (command) {
    case kOpen:
      ChooseDocument();
      break;
    case kExit:
      DestroyWindow(mainWindow.window);
      break;
    case kHelp:
      OpenHelp();
      break;
    case kUpdate:
      if (StartSelfUpdate(mainWindow.window)) DestroyWindow(mainWindow.window);
      break;
    case kAbout:
      ShowAbout();
      break;
  }
}

LRESULT CALLBACK MainWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      mainWindow.window = window;
      mainWindow.view =
          CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                          WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE |
                              ES_READONLY | ES_AUTOVSCROLL | ES_AUTOHSCROLL,
                          0, 0, 0, 0, window, nullptr,
                          reinterpret_cast<CREATESTRUCTA*>(lParam)->hInstance, nullptr);
      if (mainWindow.view == nullptr) return -1;
      SendMessageW(mainWindow.view, EM_SETLIMITTEXT, 0, 0);
      if (mainWindow.font != nullptr) {
        SendMessageW(mainWindow.view, WM_SETFONT, reinterpret_cast<WPARAM>(mainWindow.font), 0);
      }
      return 0;
    case WM_SIZE:
      MoveWindow(mainWindow.view, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
      return 0;
    case WM_SETFOCUS:
      SetFocus(mainWindow.view);
      return 0;
    case WM_COMMAND:
      if (lParam == 0) Carry(LOWORD(wParam));
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int RunMainWindow(HINSTANCE instance, int show, const StartRequest& request) {
  ViewFont font;
  mainWindow.font = font.get();
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = MainWindowProcedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(kProgramIcon));
  windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = kClassName;
  if (RegisterClassExA(&windowClass) == 0) return 1;
  if (CreateWindowExA(0, kClassName, product::kTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                      CW_USEDEFAULT, 720, 520, nullptr, BuildMenu(), instance,
                      nullptr) == nullptr) {
    return 1;
  }
  ShowWindow(mainWindow.window, show);
  UpdateWindow(mainWindow.window);
  if (request.kind == StartKind::Document) {
    ShowDocument(request.documentPath);
  } else {
    ShowStartNotice(mainWindow.window, request.kind);
  }

  AcceleratorTable accelerators;
  MSG message{};
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (TranslateAcceleratorA(mainWindow.window, accelerators.get(), &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  mainWindow = MainWindow{};
  return static_cast<int>(message.wParam);
}

}  // namespace lumorak
