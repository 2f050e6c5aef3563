#include "recorded_folder.h"

#include <windows.h>

#include "../common/owned_handles.h"
#include "../common/product_facts.h"
#include "folder_argument.h"

namespace uninstaller {
namespace {

std::string ReadFolderValue(HKEY key, const char* name) {
  char text[MAX_PATH + 2] = {};
  DWORD type = 0;
  DWORD size = sizeof(text) - 2;
  if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text), &size) !=
          ERROR_SUCCESS ||
      type != REG_SZ) {
    return {};
  }
  std::string folder(text);  // ends at the first NUL, whether or not one was stored
  if (folder.empty()) return {};
  if (folder.back() != '\\') folder += '\\';
  return IsPlainAbsoluteFolder(folder) ? folder : std::string();
}

}  // namespace

std::string RecordedInstallFolder() {
  product::OwnedKey record;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, product::kRecordKey, 0, KEY_READ, record.receive()) !=
      ERROR_SUCCESS) {
    return {};
  }
  const std::string runPath = ReadFolderValue(record.get(), "RunPath");
  return runPath.empty() ? ReadFolderValue(record.get(), "SetPath") : runPath;
}

}  // namespace uninstaller
