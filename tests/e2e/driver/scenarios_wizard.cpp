// The wizard as a user meets it: what it offers without a record, the licence agreement before
// a new installation, and the refusal of a setup older than the installed copy.
#include <cstdlib>

#include "harness.h"
#include "setup_steps.h"

namespace {

constexpr const char* kRecordKey = "Software\\Nordavik\\QVDLumorak\\";
constexpr const char* kOlderSetupVersion =
    "Die Setupversion ist älter als eine bereits installierte Version.\r\rDer Vorgang wird "
    "abgebrochen.";

bool IsOptionBox(HWND control) {
  if (lstrcmpiA(e2e::ClassOf(control).c_str(), "Button") != 0) return false;
  const LONG type = GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
  return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON || type == BS_CHECKBOX ||
         type == BS_AUTOCHECKBOX;
}

// The option box a user sees beside a label: on the label's line, the nearest to its left.
HWND OptionBeside(HWND window, const std::string& labelText) {
  HWND label = e2e::WaitForControl(window, "Static", labelText);
  if (!e2e::Check(label != nullptr, "the page shows \"" + labelText + "\"")) return nullptr;
  RECT text{};
  GetWindowRect(label, &text);
  HWND nearest = nullptr;
  RECT nearestRect{};
  for (HWND control : e2e::Descendants(window)) {
    RECT box{};
    GetWindowRect(control, &box);
    if (IsOptionBox(control) && box.top == text.top && box.right <= text.left &&
        (nearest == nullptr || box.left > nearestRect.left)) {
      nearest = control;
      nearestRect = box;
    }
  }
  e2e::Check(nearest != nullptr, "an option box beside \"" + labelText + "\"");
  return nearest;
}

// Waits until the control's enabled state is the expected one. The wizard reads its page after
// every event, so the user moves the mouse over the window while waiting.
bool WaitForEnabled(HWND window, HWND control, bool enabled, int milliseconds = 5000) {
  const DWORD start = GetTickCount();
  do {
    if ((IsWindowEnabled(control) != FALSE) == enabled) return true;
    PostMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    e2e::Sleep(50);
  } while (GetTickCount() - start < static_cast<DWORD>(milliseconds));
  return false;
}

std::string IntroPicture(int number) {
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  char longFolder[MAX_PATH] = {};
  if (GetLongPathNameA(folder, longFolder, MAX_PATH) == 0) lstrcpyA(longFolder, folder);
  return std::string(longFolder) + "kvintro\\pic_00" + std::to_string(number) + ".bmp";
}

bool Near(const e2e::Pixel& pixel, int red, int green, int blue, int tolerance) {
  return abs(pixel.red - red) <= tolerance && abs(pixel.green - green) <= tolerance &&
         abs(pixel.blue - blue) <= tolerance;
}

// A click with the mouse, as a user makes it: a disabled button does not take it.
void ClickWithMouse(HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  SetForegroundWindow(GetAncestor(control, GA_ROOT));
  SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  INPUT inputs[2] = {};
  inputs[0].type = INPUT_MOUSE;
  inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  inputs[1].type = INPUT_MOUSE;
  inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, inputs, sizeof(INPUT));
}

}  // namespace

// No record: only a new installation can be chosen, and it passes the licence agreement.
E2E_SCENARIO(wizard_without_record_leads_to_the_licence) {
  const e2e::Process setup = e2e::Start(context.setupPath);
  HWND wizard = e2e::WaitForWindow(e2e::kWizardTitle, 30000, setup.id);
  if (!e2e::Check(wizard != nullptr, "the wizard is shown")) return;
  HWND install = OptionBeside(wizard, "installieren");
  HWND update = OptionBeside(wizard, "UpDate installieren");
  HWND uninstall = OptionBeside(wizard, "deinstalieren");
  if (install == nullptr || update == nullptr || uninstall == nullptr) return;
  e2e::Check(IsWindowEnabled(install) != FALSE, "installieren can be chosen");
  e2e::Check(IsWindowEnabled(update) == FALSE, "no update without a record");
  e2e::Check(IsWindowEnabled(uninstall) == FALSE, "nothing to uninstall without a record");

  e2e::Click(install);
  HWND next = e2e::FindControl(wizard, "Button", "Weiter");
  if (!e2e::Check(next != nullptr, "the wizard has Weiter")) return;
  const DWORD start = GetTickCount();
  while (SendMessageA(install, BM_GETCHECK, 0, 0) != BST_CHECKED && GetTickCount() - start < 5000)
    e2e::Sleep(20);
  e2e::Check(WaitForEnabled(wizard, next, true), "Weiter is enabled with installieren");
  e2e::Sleep(300);  // the wizard reads the choice on the click's event
  e2e::Click(next);

  HWND licence = e2e::WaitForWindow("LIZENZVEREINBARUNG", 10000, setup.id);
  if (!e2e::Check(licence != nullptr, "Weiter leads to the licence agreement")) return;
  e2e::Check(e2e::FindTopWindow(e2e::kWizardTitle, setup.id) == nullptr, "the dialog is hidden");
  HWND accept = e2e::WaitForControl(licence, "Button", "Akzeptieren");
  if (!e2e::Check(accept != nullptr, "the licence window has Akzeptieren")) return;
  e2e::Click(accept);
  e2e::ExpectExitCodeZero(setup, "Akzeptieren");
}

// A record of a later version: the page refuses in magenta on the pale field, "Weiter" stays
// disabled, and "Abbruch" ends the run with the intro pictures removed.
E2E_SCENARIO(wizard_refuses_an_older_setup) {
  e2e::WriteRegistryText(HKEY_LOCAL_MACHINE, kRecordKey, "Version", "V001.001.019");
  e2e::WriteRegistryText(HKEY_LOCAL_MACHINE, kRecordKey, "Versdat", "31.12.2012");
  const e2e::Process setup = e2e::Start(context.setupPath);
  HWND wizard = e2e::WaitForWindow(e2e::kWizardTitle, 30000, setup.id);
  if (!e2e::Check(wizard != nullptr, "the wizard is shown")) return;
  HWND message = e2e::WaitForControl(wizard, "Static", kOlderSetupVersion);
  if (!e2e::Check(message != nullptr, "the refusal is shown")) return;
  HWND next = e2e::FindControl(wizard, "Button", "Weiter");
  HWND cancel = e2e::FindControl(wizard, "Button", "Abbruch");
  if (!e2e::Check(next != nullptr && cancel != nullptr, "Weiter and Abbruch are there")) return;
  e2e::Check(WaitForEnabled(wizard, next, false), "Weiter is disabled");
  for (int number = 1; number <= 3; ++number) {
    e2e::Check(e2e::FileExists(IntroPicture(number)),
               "intro picture " + std::to_string(number) + " is staged while the wizard shows");
  }

  e2e::Sleep(500);  // let the refusal be painted
  const std::vector<e2e::Pixel> pixels = e2e::CaptureScreen(e2e::ClientRectOnScreen(message));
  int field = 0;
  int magenta = 0;
  for (const e2e::Pixel& pixel : pixels) {
    if (Near(pixel, 225, 245, 170, 2)) ++field;
    if (Near(pixel, 255, 0, 255, 60)) ++magenta;
  }
  if (e2e::Check(!pixels.empty(), "the screen can be read")) {
    e2e::Check(field > static_cast<int>(pixels.size()) / 2,
               "the message's field is pale: " + std::to_string(field) + " of " +
                   std::to_string(pixels.size()) + " pixels");
    e2e::Check(magenta > 20,
               "the message is written in magenta: " + std::to_string(magenta) + " pixels");
  }

  ClickWithMouse(next);
  e2e::Sleep(500);
  e2e::Check(!e2e::WaitForExit(setup, 0).has_value(), "a disabled Weiter does nothing");
  e2e::Check(IsWindowVisible(wizard) != FALSE, "the wizard is still shown");
  e2e::Click(cancel);
  e2e::ExpectExitCodeZero(setup, "Abbruch");
  for (int number = 1; number <= 3; ++number) {
    e2e::Check(!e2e::FileExists(IntroPicture(number)),
               "intro picture " + std::to_string(number) + " is removed");
  }
}
