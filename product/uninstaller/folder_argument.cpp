#include "folder_argument.h"

#include "../common/command_line_text.h"

namespace uninstaller {
namespace {

bool IsLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

}  // namespace

bool IsPlainAbsoluteFolder(const std::string& folder) {
  const bool onDrive = folder.size() >= 3 && IsLetter(folder[0]) && folder[1] == ':' &&
                       (folder[2] == '\\' || folder[2] == '/');
  const bool onShare = folder.size() >= 3 && folder[0] == '\\' && folder[1] == '\\' &&
                       folder[2] != '\\' && folder[2] != '?' && folder[2] != '.';
  if (!onDrive && !onShare) return false;
  // Every part between separators must be a real name.
  std::size_t start = onDrive ? 3 : 2;
  while (start < folder.size()) {
    std::size_t end = folder.find_first_of("\\/", start);
    if (end == std::string::npos) end = folder.size();
    const std::string part = folder.substr(start, end - start);
    if (part == "." || part == "..") return false;
    if (part.empty() && end < folder.size()) return false;  // doubled separators
    start = end + 1;
  }
  return true;
}

std::string InstallFolderArgument(const std::string& commandLine) {
  std::string folder = product::WholeArgumentAsPath(product::ArgumentText(commandLine));
  // "C:" alone is the current folder of drive C, not its root.
  if (folder.empty() || (folder.size() == 2 && folder[1] == ':')) return {};
  if (folder.back() != '\\') folder += '\\';
  return IsPlainAbsoluteFolder(folder) ? folder : std::string();
}

}  // namespace uninstaller
