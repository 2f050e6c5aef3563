// The automatic update's hand-over: the setup started by the main program waits in its small
// window, and a cancelled wizard starts the main program again, told that nothing was updated.
// And the information text the licence window shows, laid out by GDI's measurements.
#include <string>
#include <vector>

#include "driver/program_information.h"
#include "harness.h"
#include "setup_steps.h"

namespace {

constexpr const char* kHandOverTitle = "QVDLumorak - AutoUpdater ...";
constexpr const char* kHandOverMessage =
    "Das automatische Update von <QVDLumorak> wurde gestartet. Bitte haben Sie einen Moment "
    "Geduld, die Hauptinstanz wird sicher beendet.";
constexpr const char* kRecordKey = "Software\\Nordavik\\QVDLumorak\\";
// The recorded installation folder, where the probe stands in for the main program.
constexpr const char* kProbeFolder = "C:\\QVDPROBE\\";

const std::string kLabelLines =
    "\r"
    "Willkommen zum Programm\t: QVDLumorak\r"
    "Programmkomponente\t\t: -\r"
    "Erstelldatum\t\t\t: 11.09.2007\r"
    "Versionsdatum\t\t\t: 31.12.2012\r"
    "Programmversion\t\t: V001.001.018\r"
    "Autor\t\t\t\t: Eirik Nordavik\r"
    "Urheberrecht\t\t\t: 2007 - 2012\r"
    "Webseite des Autors\t\t: www.nordavik.example\r\r";

std::vector<std::string> Split(const std::string& text, const std::string& separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t at = text.find(separator); at != std::string::npos;
       at = text.find(separator, start)) {
    parts.push_back(text.substr(start, at - start));
    start = at + separator.size();
  }
  parts.push_back(text.substr(start));
  return parts;
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

// The text without its line breaks and justifying blanks.
std::string Unwrapped(const std::string& text) {
  std::string plain;
  for (char c : Replace(text, "\r", " ")) {
    if (c != ' ' || plain.empty() || plain.back() != ' ') plain += c;
  }
  return plain;
}

std::string ProbePath() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  const std::string own = path;
  return own.substr(0, own.find_last_of('\\') + 1) + "e2e_probe.exe";
}

bool RecordFolder(const std::string& folder) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kRecordKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                      nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const LONG result =
      RegSetValueExA(key, "SetPath", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                     static_cast<DWORD>(folder.size() + 1));
  RegCloseKey(key);
  return result == ERROR_SUCCESS;
}

std::string ReadWholeFile(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "";
  std::string content(GetFileSize(file, nullptr), '\0');
  DWORD read = 0;
  ReadFile(file, content.data(), static_cast<DWORD>(content.size()), &read, nullptr);
  CloseHandle(file);
  content.resize(read);
  return content;
}

// The lines the probe noted, each "command line\tworking folder", once it has noted one.
std::vector<std::string> WaitForProbeStarts(int milliseconds) {
  const std::string log = std::string(kProbeFolder) + "started.txt";
  const DWORD start = GetTickCount();
  do {
    const std::string content = ReadWholeFile(log);
    if (content.size() >= 2 && content.substr(content.size() - 2) == "\r\n") {
      std::vector<std::string> lines = Split(content.substr(0, content.size() - 2), "\r\n");
      return lines;
    }
    e2e::Sleep(50);
  } while (GetTickCount() - start < static_cast<DWORD>(milliseconds));
  return {};
}

HWND FirstRadioOption(HWND window) {
  for (HWND child : e2e::Descendants(window)) {
    const LONG_PTR type = GetWindowLongPtrA(child, GWL_STYLE) & BS_TYPEMASK;
    if (lstrcmpiA(e2e::ClassOf(child).c_str(), "Button") == 0 &&
        (type == BS_AUTORADIOBUTTON || type == BS_RADIOBUTTON)) {
      return child;
    }
  }
  return nullptr;
}

HWND FirstOfClassPrefix(HWND window, const std::string& prefix) {
  for (HWND child : e2e::Descendants(window)) {
    const std::string name = e2e::ClassOf(child);
    if (CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, name.c_str(),
                       static_cast<int>(prefix.size()), prefix.c_str(),
                       static_cast<int>(prefix.size())) == CSTR_EQUAL) {
      return child;
    }
  }
  return nullptr;
}

// Widths as GDI measures them in the licence window's bold 10-point Arial at 96 pixels per inch.
struct BoldTenPoint {
  HDC dc = CreateCompatibleDC(nullptr);
  HFONT font = CreateFontA(-MulDiv(10, 96, 72), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE,
                           DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Arial");
  HGDIOBJ previous = SelectObject(dc, font);
  ~BoldTenPoint() {
    SelectObject(dc, previous);
    DeleteObject(font);
    DeleteDC(dc);
  }
  int Width(const std::string& text) const {
    SIZE size{};
    GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
  }
};

}  // namespace

E2E_SCENARIO(auto_update_waits_then_cancel_restarts_main_program) {
  if (!e2e::Check(CreateDirectoryA(kProbeFolder, nullptr) != 0, "the probe folder is made") ||
      !e2e::Check(CopyFileA(ProbePath().c_str(),
                            (std::string(kProbeFolder) + "qvdlumorak.exe").c_str(), FALSE) != 0,
                  "the probe stands in for the main program") ||
      !e2e::Check(RecordFolder(kProbeFolder), "the installation record names its folder")) {
    return;
  }

  const e2e::Process setup = e2e::Start(context.setupPath, "AutoUpDate_from_MainInstance");
  HWND handOver = e2e::WaitForWindow(kHandOverTitle, 30000, setup.id);
  const DWORD shownAt = GetTickCount();
  if (!e2e::Check(handOver != nullptr, "the hand-over window is shown")) return;

  const RECT client = e2e::ClientRectOnScreen(handOver);
  e2e::CheckEqual(client.right - client.left, 360, "client width");
  e2e::CheckEqual(client.bottom - client.top, 50, "client height");
  const LONG_PTR style = GetWindowLongPtrA(handOver, GWL_STYLE);
  e2e::Check((style & WS_CAPTION) == WS_CAPTION, "the window has a title bar");
  e2e::Check((style & WS_SYSMENU) == 0, "the window has no system menu");
  e2e::Check((GetWindowLongPtrA(handOver, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0,
             "the window stays above the others");
  HWND text = FirstOfClassPrefix(handOver, "Static");
  if (e2e::Check(text != nullptr, "the window shows a text")) {
    const std::string shown = e2e::TextOf(text);
    e2e::CheckEqual(Unwrapped(shown), kHandOverMessage, "the message");
    e2e::Check(shown.find('\r') != std::string::npos, "the message is wrapped: " + shown);
  }

  // No input arrives: with exact 500 ms wakes a second is counted at 1.5, 3, 4.5, 6 and 7.5 s.
  // A real tick count moves in steps of about 16 ms, so two wakes often add up to a little more
  // than 1000 ms and the second is counted one wake earlier: 5 s at the least, 7.5 s at most.
  e2e::Check(e2e::WaitForWindowGone(kHandOverTitle, 20000), "the hand-over window closes");
  const DWORD shownFor = GetTickCount() - shownAt;
  e2e::Check(shownFor >= 4800 && shownFor <= 8500,
             "shown for five counted seconds (5 to 7.5 s): " + std::to_string(shownFor) + " ms");

  HWND wizard = e2e::WaitForWindow(e2e::kWizardTitle, 90000, setup.id);
  if (!e2e::Check(wizard != nullptr, "the wizard follows")) return;
  e2e::Check(ReadWholeFile(std::string(kProbeFolder) + "started.txt").empty(),
             "nothing is started before the wizard ends");
  e2e::ClickAndExpectExitCodeZero(setup, wizard, "Abbruch");

  const std::vector<std::string> starts = WaitForProbeStarts(10000);
  if (e2e::Check(starts.size() == 1, "the main program was started once")) {
    e2e::CheckEqual(starts[0],
                    std::string("\"") + kProbeFolder +
                        "qvdlumorak.exe\" StartFromUpDater_NotSucces\tC:\\QVDPROBE",
                    "command line and working folder");
  }
}

E2E_SCENARIO(licence_window_shows_the_wrapped_information) {
  const e2e::Process setup = e2e::Start(context.setupPath);
  HWND wizard = e2e::WaitForWindow(e2e::kWizardTitle, 90000, setup.id);
  if (!e2e::Check(wizard != nullptr, "the wizard is shown")) return;
  e2e::Check(e2e::FindTopWindow(kHandOverTitle) == nullptr, "no hand-over without the word");
  HWND install = FirstRadioOption(wizard);
  HWND next = e2e::WaitForControl(wizard, "Button", "Weiter");
  if (!e2e::Check(install != nullptr && next != nullptr, "the wizard offers installieren")) return;
  e2e::Click(install);
  e2e::Sleep(300);
  e2e::Click(next);

  HWND licence = e2e::WaitForWindow("LIZENZVEREINBARUNG", 20000, setup.id);
  if (!e2e::Check(licence != nullptr, "the licence window is shown")) return;
  HWND box = FirstOfClassPrefix(licence, "RichEdit");
  if (!e2e::Check(box != nullptr, "the licence window has its text box")) return;
  const std::string text = Replace(e2e::TextOf(box), "\r\n", "\r");

  if (e2e::Check(text.substr(0, kLabelLines.size()) == kLabelLines,
                 "the label lines begin the text: " + e2e::Describe(text.substr(0, 400)))) {
    const std::vector<std::string> blocks = Split(text.substr(kLabelLines.size()), "\r\r");
    if (e2e::CheckEqual(blocks.size(), 6u, "conditions, ACHTUNG! and the last condition")) {
      e2e::CheckEqual(blocks[4], "ACHTUNG!", "the heading before the last condition");
      const BoldTenPoint gdi;
      const int paragraphOf[] = {0, 1, 2, 3, -1, 4};
      for (std::size_t i = 0; i < blocks.size(); ++i) {
        if (paragraphOf[i] < 0) continue;
        e2e::CheckEqual(Unwrapped(blocks[i]), driver::kInformationParagraphs[paragraphOf[i]],
                        "condition " + std::to_string(paragraphOf[i] + 1));
        const std::vector<std::string> lines = Split(blocks[i], "\r");
        e2e::Check(lines.size() >= 2, "wrapped: " + blocks[i]);
        for (std::size_t l = 0; l < lines.size(); ++l) {
          const int width = gdi.Width(lines[l]);
          e2e::Check(width <= 447, "fits 447 pixels: " + std::to_string(width) + " " + lines[l]);
          if (l + 1 < lines.size()) {
            e2e::Check(width >= 444, "justified to 444: " + std::to_string(width) + " " + lines[l]);
          }
        }
      }
    }
  }
  e2e::Check(!text.empty() && text.back() != '\r', "no line break at the end");

  e2e::ClickAndExpectExitCodeZero(setup, licence, "Abbruch");
}
