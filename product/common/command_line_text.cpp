#include "command_line_text.h"

namespace product {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string Trimmed(const std::string& text, std::size_t from) {
  std::size_t begin = from;
  while (begin < text.size() && IsBlank(text[begin]))
    ++begin;
  std::size_t end = text.size();
  while (end > begin && IsBlank(text[end - 1]))
    --end;
  return text.substr(begin, end - begin);
}

// The quoted part at the start of the text, or the text up to where a stop character is.
std::string LeadingPart(const std::string& text, bool stopAtBlank) {
  if (!text.empty() && text[0] == '"') {
    const std::size_t close = text.find('"', 1);
    return text.substr(1, close == std::string::npos ? std::string::npos : close - 1);
  }
  if (!stopAtBlank) return text;
  std::size_t end = 0;
  while (end < text.size() && !IsBlank(text[end]))
    ++end;
  return text.substr(0, end);
}

}  // namespace

std::string ArgumentText(const std::string& commandLine) {
  std::size_t at = 0;
  while (at < commandLine.size() && IsBlank(commandLine[at]))
    ++at;
  if (at < commandLine.size() && commandLine[at] == '"') {
    const std::size_t close = commandLine.find('"', at + 1);
    at = close == std::string::npos ? commandLine.size() : close + 1;
  } else {
    while (at < commandLine.size() && !IsBlank(commandLine[at]))
      ++at;
  }
  return Trimmed(commandLine, at);
}

std::string FirstWord(const std::string& arguments) {
  return LeadingPart(arguments, true);
}

std::string WholeArgumentAsPath(const std::string& arguments) {
  return LeadingPart(arguments, false);
}

}  // namespace product
