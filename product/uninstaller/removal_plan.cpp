#include "removal_plan.h"

#include "../common/product_facts.h"

namespace uninstaller {
namespace {

RemovalItem FileItem(const std::string& path, const std::string& what) {
  RemovalItem item;
  item.kind = ItemKind::File;
  item.location = path;
  item.label = what + " " + path;
  return item;
}

RemovalItem FolderItem(const std::string& folder, std::vector<std::string> ownEntries,
                       const std::string& what, const std::string& contentWord) {
  RemovalItem item;
  item.kind = ItemKind::FolderIfEmpty;
  item.location = folder;
  item.ownEntries = std::move(ownEntries);
  item.label = what + " " + folder;
  item.keptNote =
      "Der " + what + " " + folder + " enthält weitere " + contentWord + " und bleibt bestehen.";
  return item;
}

RemovalItem KeyItem(ItemKind kind, RegistryRoot root, const std::string& subKey,
                    const std::string& label) {
  RemovalItem item;
  item.kind = kind;
  item.root = root;
  item.location = subKey;
  item.label = label;
  return item;
}

// The same folder can come twice (the system may give the same Start menu for both).
std::vector<std::string> DistinctFolders(const std::string& first, const std::string& second) {
  std::vector<std::string> folders;
  if (!first.empty()) folders.push_back(first);
  if (!second.empty() && second != first) folders.push_back(second);
  return folders;
}

}  // namespace

std::vector<RemovalItem> PlanRemoval(const Places& places) {
  std::vector<RemovalItem> items;
  if (!places.installFolder.empty()) {
    items.push_back(FileItem(places.installFolder + product::kMainProgramFile, "Programmdatei"));
    items.push_back(FileItem(places.installFolder + product::kHelpFile, "Hilfedatei"));
    items.push_back(FolderItem(places.installFolder,
                               {product::kMainProgramFile, product::kHelpFile},
                               "Installationsordner", "Dateien"));
  }
  // Windows XP and later get one link in the programs folder, older Windows a menu folder
  // with three: whichever an earlier setup made.
  for (const std::string& programs : DistinctFolders(places.commonPrograms, places.userPrograms)) {
    items.push_back(FileItem(programs + product::kMainLink, "Startmenü-Eintrag"));
    const std::string menu = programs + product::kMenuFolder + "\\";
    for (const char* link : {product::kMainLink, product::kUninstallLink, product::kHelpLink}) {
      items.push_back(FileItem(menu + link, "Startmenü-Eintrag"));
    }
    items.push_back(FolderItem(menu,
                               {product::kMainLink, product::kUninstallLink, product::kHelpLink},
                               "Startmenü-Ordner", "Einträge"));
  }
  for (const std::string& desktop : DistinctFolders(places.commonDesktop, places.userDesktop)) {
    items.push_back(FileItem(desktop + product::kMainLink, "Desktop-Verknüpfung"));
  }
  // The setup's intro leaves its credits card (and, after an abnormal end, its pictures) in
  // the temporary folder.
  if (!places.temporaryFolder.empty()) {
    const std::string intro = places.temporaryFolder + product::kIntroFolder + "\\";
    std::vector<std::string> pictures;
    for (const char* picture : product::kIntroPictures) {
      items.push_back(FileItem(intro + picture, "Bild der Einführung"));
      pictures.push_back(picture);
    }
    RemovalItem folder = FolderItem(intro, pictures, "Ordner der Einführung", "Dateien");
    folder.keptNote.clear();  // a temporary folder: nothing the user needs to hear of
    items.push_back(folder);
  }
  items.push_back(KeyItem(ItemKind::KeyTree, RegistryRoot::ClassesRoot, product::kProgramId,
                          std::string("Dokumenttyp ") + product::kProgramId));
  RemovalItem extension = KeyItem(ItemKind::ExtensionIfOurs, RegistryRoot::ClassesRoot,
                                  product::kExtension, "Dateiendung .lmk");
  extension.keptNote = "Die Dateiendung .lmk gehört einem anderen Programm und bleibt unverändert.";
  items.push_back(extension);
  RemovalItem entry =
      KeyItem(ItemKind::KeyTree, RegistryRoot::LocalMachine, product::kUninstallEntryKey,
              "Eintrag in der Liste der installierten Programme");
  entry.keptAfterFailure = true;
  items.push_back(entry);
  RemovalItem record =
      KeyItem(ItemKind::KeyTree, RegistryRoot::LocalMachine, product::kRecordKey,
              "Installationsdaten (HKEY_LOCAL_MACHINE\\" + std::string(product::kRecordKey) + ")");
  record.keptAfterFailure = true;
  items.push_back(record);
  RemovalItem maker =
      KeyItem(ItemKind::KeyIfOnlyHolds, RegistryRoot::LocalMachine, product::kMakerKey,
              "Herstellerschlüssel (HKEY_LOCAL_MACHINE\\" + std::string(product::kMakerKey) + ")");
  maker.ownEntries = {product::kRecordKeyName};
  maker.keptAfterFailure = true;
  items.push_back(maker);
  return items;
}

}  // namespace uninstaller
