#include "platform/command_line.h"

namespace platform {

std::vector<std::string> SplitCommandLine(const std::string& commandLine) {
  std::vector<std::string> arguments;
  std::size_t i = 0;
  const std::size_t n = commandLine.size();

  // The program name: no escapes, quotes only group.
  if (i < n && commandLine[i] == '"') {
    ++i;
    while (i < n && commandLine[i] != '"')
      ++i;
    if (i < n) ++i;
  } else {
    while (i < n && commandLine[i] != ' ' && commandLine[i] != '\t')
      ++i;
  }

  for (;;) {
    while (i < n && (commandLine[i] == ' ' || commandLine[i] == '\t'))
      ++i;
    if (i >= n) break;
    std::string argument;
    bool quoted = false;
    while (i < n) {
      const char c = commandLine[i];
      if (!quoted && (c == ' ' || c == '\t')) break;
      if (c == '\\') {
        std::size_t slashes = 0;
        while (i < n && commandLine[i] == '\\') {
          ++slashes;
          ++i;
        }
        if (i < n && commandLine[i] == '"') {
          argument.append(slashes / 2, '\\');
          if (slashes % 2 == 1) {
            argument += '"';
            ++i;
          }
        } else {
          argument.append(slashes, '\\');
        }
        continue;
      }
      if (c == '"') {
        // Inside quotes, a doubled quote stands for one literal quote.
        if (quoted && i + 1 < n && commandLine[i + 1] == '"') {
          argument += '"';
          i += 2;
          continue;
        }
        quoted = !quoted;
        ++i;
        continue;
      }
      argument += c;
      ++i;
    }
    arguments.push_back(argument);
  }
  return arguments;
}

}  // namespace platform
