// What the uninstaller removes: exactly what the setup writes, in an order that keeps a broken
// run repeatable (the installation record, which names the folder, goes last).
#pragma once

#include <string>
#include <vector>

namespace uninstaller {

enum class ItemKind {
  File,             // a file of the given path
  FolderIfEmpty,    // a folder, once nothing but the names in ownEntries was in it
  KeyTree,          // a registry key with everything below it
  ExtensionIfOurs,  // the extension's key, only while its default value names our file type
  KeyIfOnlyHolds,   // a registry key without values whose sub-keys are all in ownEntries
};

enum class RegistryRoot { ClassesRoot, LocalMachine };

struct RemovalItem {
  ItemKind kind = ItemKind::File;
  RegistryRoot root = RegistryRoot::LocalMachine;
  std::string location;  // a path, or a registry sub-key below the root
  std::vector<std::string> ownEntries;
  std::string label;     // how the user reads it in the question and the report
  std::string keptNote;  // why it stays when it holds what is not ours; empty: no note
  // The entries that let the user start the removal again stay while anything else failed.
  bool keptAfterFailure = false;
};

// The folders the items lie in: each ends with a backslash, the empty text means unknown.
struct Places {
  std::string installFolder;
  std::string commonPrograms;
  std::string userPrograms;
  std::string commonDesktop;
  std::string userDesktop;
  std::string temporaryFolder;
};

std::vector<RemovalItem> PlanRemoval(const Places& places);

}  // namespace uninstaller
