#include "self_update.h"

#include <commdlg.h>
#include <shellapi.h>

#include <string>

#include "../common/product_facts.h"
#include "../common/system_places.h"

namespace lumorak {
namespace {

constexpr char kTitle[] = "QVDLumorak - Update";

std::string ChooseSetup(HWND owner) {
  char path[1024] = {};
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner;
  dialog.lpstrFilter =
      "Setup von QVDLumorak (setup_qvdlumorak.exe)\0setup_qvdlumorak.exe\0"
      "Programme (*.exe)\0*.exe\0";
  dialog.lpstrFile = path;
  dialog.nMaxFile = sizeof(path);
  dialog.lpstrTitle = "Setup für das Update auswählen";
  dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY |
                 OFN_NOCHANGEDIR | OFN_DONTADDTORECENT;
  if (!GetOpenFileNameA(&dialog)) return {};
  return path;
}

}  // namespace

bool StartSelfUpdate(HWND owner) {
  const std::string setup = ChooseSetup(owner);
  if (setup.empty()) return false;
  if (!product::SameName(product::FileNameOf(setup), product::kSetupFile)) {
    const std::string text = std::string("Bitte wählen Sie das Setup „") + product::kSetupFile +
                             "“ aus.\n\nGewählt wurde:\n" + setup;
    MessageBoxA(owner, text.c_str(), kTitle, MB_OK | MB_ICONWARNING);
    return false;
  }
  const std::string question = "QVDLumorak wird jetzt beendet und mit dem Setup\n" + setup +
                               "\naktualisiert.\n\nFortfahren?";
  if (MessageBoxA(owner, question.c_str(), kTitle, MB_YESNO | MB_ICONQUESTION) != IDYES) {
    return false;
  }
  const std::string setupFolder = product::FolderOf(setup);
  SHELLEXECUTEINFOA start{};
  start.cbSize = sizeof(start);
  start.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
  start.hwnd = owner;
  start.lpVerb = "open";
  start.lpFile = setup.c_str();
  start.lpParameters = product::kWordAutoUpdate;
  start.lpDirectory = setupFolder.empty() ? nullptr : setupFolder.c_str();
  start.nShow = SW_SHOWNORMAL;
  if (!ShellExecuteExA(&start)) {
    const bool refused = GetLastError() == ERROR_CANCELLED;
    MessageBoxA(
        owner,
        refused ? "Das Update wurde abgebrochen." : "Das Setup konnte nicht gestartet werden.",
        kTitle, MB_OK | (refused ? MB_ICONINFORMATION : MB_ICONERROR));
    return false;
  }
  return true;
}

}  // namespace lumorak
