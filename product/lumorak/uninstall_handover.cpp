#include "uninstall_handover.h"

#include <windows.h>

#include <shellapi.h>

#include <string>

#include "../common/owned_handles.h"
#include "../common/product_facts.h"
#include "../common/system_places.h"
#include "file_digest.h"
#include "shipped_uninstaller.h"

namespace lumorak {
namespace {

constexpr char kTitle[] = "QVDLumorak - Deinstallation";

void TellUninstallerUnusable(const std::string& path, const char* reason) {
  const std::string text = "Das Deinstallationsprogramm\n" + path + "\n" + reason +
                           ".\n\nBitte führen Sie das Setup (" + product::kSetupFile +
                           ") noch einmal aus und entfernen Sie QVDLumorak danach erneut.";
  MessageBoxA(nullptr, text.c_str(), kTitle, MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

bool IsShippedUninstaller(HANDLE file) {
  const FileDigest digest = DigestOfOpenFile(file);
  return digest.read && digest.size == kShippedUninstallerSize &&
         digest.sha256 == kShippedUninstallerSha256;
}

}  // namespace

int HandOverToUninstaller() {
  const std::string question = std::string("Soll ") + product::kTitle +
                               " von diesem Computer entfernt werden?\n\n"
                               "Das Programm wird dazu beendet.";
  if (MessageBoxA(nullptr, question.c_str(), kTitle,
                  MB_YESNO | MB_ICONQUESTION | MB_SETFOREGROUND) != IDYES) {
    return 0;
  }
  const std::string temporaryFolder = product::TemporaryFolder();
  const std::string uninstaller = temporaryFolder + product::kUninstallerFile;
  if (temporaryFolder.empty()) {
    TellUninstallerUnusable(uninstaller, "wurde nicht gefunden");
    return 1;
  }
  // Held open without write or delete sharing from the check until the start, so that the
  // file that runs is the file that was checked.
  product::OwnedHandle file(CreateFileA(uninstaller.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    const DWORD error = GetLastError();
    TellUninstallerUnusable(uninstaller,
                            error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND
                                ? "wurde nicht gefunden"
                                : "konnte nicht gelesen werden");
    return 1;
  }
  if (!IsShippedUninstaller(file.get())) {
    TellUninstallerUnusable(uninstaller, "gehört nicht zu dieser Version von QVDLumorak");
    return 1;
  }
  // The uninstaller reads the folder inside the quotes as it is, trailing backslash included.
  const std::string ownFolder = product::OwnFolder();
  const std::string parameters = ownFolder.empty() ? std::string() : "\"" + ownFolder + "\"";
  SHELLEXECUTEINFOA start{};
  start.cbSize = sizeof(start);
  start.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
  start.lpVerb = "open";
  start.lpFile = uninstaller.c_str();
  start.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
  // Not the installation folder: a process's working folder cannot be removed.
  start.lpDirectory = temporaryFolder.c_str();
  start.nShow = SW_SHOWNORMAL;
  if (!ShellExecuteExA(&start)) {
    const bool refused = GetLastError() == ERROR_CANCELLED;
    MessageBoxA(nullptr,
                refused ? "Die Deinstallation wurde abgebrochen."
                        : "Das Deinstallationsprogramm konnte nicht gestartet werden.",
                kTitle, MB_OK | (refused ? MB_ICONINFORMATION : MB_ICONERROR) | MB_SETFOREGROUND);
    return 1;
  }
  return 0;
}

}  // namespace lumorak
