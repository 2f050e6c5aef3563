// LumoUnInst: removes what the setup of QVDLumorak wrote, after the main program has ended.
// Exit codes: 0 removed or nothing found, 1 not wanted or given up, 2 some things stayed.
#include <windows.h>

#include <shlobj.h>

#include <string>
#include <vector>

#include "../common/owned_handles.h"
#include "../common/product_facts.h"
#include "../common/system_places.h"
#include "folder_argument.h"
#include "main_program_wait.h"
#include "recorded_folder.h"
#include "removal_actions.h"
#include "removal_plan.h"
#include "removal_report.h"

namespace {

constexpr char kTitle[] = "QVDLumorak - Deinstallation";
constexpr char kRemovalMutex[] = "QVDLumorak.Deinstallation";
constexpr int kRemoved = 0;
constexpr int kNotWanted = 1;
constexpr int kIncomplete = 2;

// The record names the folder the setup wrote to; the main program's own folder counts only
// when there is no record.
uninstaller::Places FindPlaces() {
  uninstaller::Places places;
  places.installFolder = uninstaller::RecordedInstallFolder();
  if (places.installFolder.empty()) {
    places.installFolder = uninstaller::InstallFolderArgument(GetCommandLineA());
  }
  places.commonPrograms = product::SpecialFolder(CSIDL_COMMON_PROGRAMS);
  places.userPrograms = product::SpecialFolder(CSIDL_PROGRAMS);
  places.commonDesktop = product::SpecialFolder(CSIDL_COMMON_DESKTOPDIRECTORY);
  places.userDesktop = product::SpecialFolder(CSIDL_DESKTOP);
  places.temporaryFolder = product::TemporaryFolder();
  return places;
}

std::string OwnPath() {
  char path[MAX_PATH + 1] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, sizeof(path));
  return length == 0 || length >= sizeof(path) - 1 ? std::string(product::kUninstallerFile)
                                                   : std::string(path);
}

int Show(const std::string& text, UINT style) {
  return MessageBoxA(nullptr, text.c_str(), kTitle, style | MB_SETFOREGROUND);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // One removal at a time: a second would ask about what the first is removing.
  HANDLE mutex = CreateMutexA(nullptr, FALSE, kRemovalMutex);
  const bool anotherRuns = mutex != nullptr && GetLastError() == ERROR_ALREADY_EXISTS;
  const product::OwnedHandle running(mutex);
  if (anotherRuns) {
    Show("Die Deinstallation von QVDLumorak läuft bereits.", MB_OK | MB_ICONINFORMATION);
    return kNotWanted;
  }
  // The started-from folder might be the installation folder, which could not be removed then.
  const std::string temporaryFolder = product::TemporaryFolder();
  if (!temporaryFolder.empty()) SetCurrentDirectoryA(temporaryFolder.c_str());
  if (!uninstaller::AwaitMainProgramEnd()) return kNotWanted;

  const std::vector<uninstaller::RemovalItem> plan = uninstaller::PlanRemoval(FindPlaces());
  std::vector<const uninstaller::RemovalItem*> present;
  std::vector<std::string> toRemove;
  std::vector<std::string> notes;
  for (const uninstaller::RemovalItem& item : plan) {
    const uninstaller::Presence presence = uninstaller::Survey(item);
    if (presence == uninstaller::Presence::Present) {
      present.push_back(&item);
      toRemove.push_back(item.label);
    } else if (presence == uninstaller::Presence::Foreign && !item.keptNote.empty()) {
      notes.push_back(item.keptNote);
    }
  }
  if (present.empty()) {
    Show(uninstaller::NothingFoundText(notes), MB_OK | MB_ICONINFORMATION);
    return kRemoved;
  }
  if (Show(uninstaller::QuestionText(toRemove, notes), MB_YESNO | MB_ICONQUESTION) != IDYES) {
    return kNotWanted;
  }

  std::vector<std::string> removed;
  std::vector<uninstaller::Failure> failures;
  std::vector<std::string> keptNotes;
  bool fileTypeChanged = false;
  for (const uninstaller::RemovalItem* item : present) {
    if (item->keptAfterFailure && !failures.empty()) continue;
    const uninstaller::Removal removal = uninstaller::Remove(*item);
    switch (removal.outcome) {
      case uninstaller::Outcome::Removed:
        removed.push_back(item->label);
        fileTypeChanged = fileTypeChanged || item->root == uninstaller::RegistryRoot::ClassesRoot;
        break;
      case uninstaller::Outcome::Failed:
        failures.push_back({item->label, removal.error});
        break;
      case uninstaller::Outcome::Kept:
        if (!item->keptNote.empty()) keptNotes.push_back(item->keptNote);
        break;
      case uninstaller::Outcome::NotThere:
        break;
    }
  }
  // Items found foreign before the question stay as they were and keep their notes.
  for (const std::string& note : notes)
    keptNotes.push_back(note);
  if (fileTypeChanged) SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
  Show(uninstaller::ReportText(removed, failures, keptNotes, OwnPath()),
       MB_OK | (failures.empty() ? MB_ICONINFORMATION : MB_ICONWARNING));
  return failures.empty() ? kRemoved : kIncomplete;
}
