#include "textlayout/text_wrapping.h"

#include "platform/display.h"

namespace textlayout {
namespace {

int Measure(const platform::MeasuringSurface& surface, const std::string& text) {
  return platform::MeasureTextWidth(surface, text);
}

bool EndsWithBlank(const std::string& text) {
  return !text.empty() && text.back() == ' ';
}

std::string TrimBlanks(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Every character must fit a line on its own, and be no wider than the cut of a long word:
// otherwise breaking would shrink a line to nothing and never get on.
bool CharactersFit(const platform::MeasuringSurface& surface, const std::string& paragraph,
                   int usableWidth, int fallbackLimit) {
  bool seen[256] = {};
  for (char c : paragraph) {
    const auto code = static_cast<unsigned char>(c);
    if (seen[code]) continue;
    seen[code] = true;
    const int width = Measure(surface, std::string(1, c));
    if (width > usableWidth || width > fallbackLimit) return false;
  }
  return true;
}

// Shortens a line that is wider than the usable width to the last blank at which it fits, or
// cuts a word that alone does not fit where it is first no wider than the fallback limit.
std::string FitLine(const platform::MeasuringSurface& surface, std::string line, int usableWidth,
                    int fallbackLimit) {
  while (!line.empty() && Measure(surface, line) > usableWidth) {
    line.pop_back();
    while (!line.empty() && !EndsWithBlank(line)) {
      line.pop_back();
      if (Measure(surface, line) <= fallbackLimit) break;
    }
  }
  return line;
}

// The words of a line each followed by blanks (the first `wider` words by spacing + 1, the
// others by spacing), without leading and trailing blanks.
std::string BuildSpaced(const std::vector<std::string>& words, int spacing, std::size_t wider) {
  std::string built;
  for (std::size_t i = 0; i < words.size(); ++i) {
    built += words[i];
    built.append(static_cast<std::size_t>(spacing) + (i < wider ? 1 : 0), ' ');
  }
  return TrimBlanks(built);
}

}  // namespace

int Margin(int pixelsPerInch) {
  return pixelsPerInch > 0 ? pixelsPerInch / 25 : 0;
}

int FallbackLimit(int width) {
  return (width / 100) * 70;
}

std::vector<std::string> BreakIntoLines(const platform::MeasuringSurface& surface,
                                        const std::string& paragraph, int width, int pixelsPerInch,
                                        int fallbackLimit) {
  const int usableWidth = width - Margin(pixelsPerInch);
  if (width < 100 || !CharactersFit(surface, paragraph, usableWidth, fallbackLimit)) return {};

  std::vector<std::string> lines;
  std::size_t consumed = 0;
  std::string current = paragraph;
  while (Measure(surface, current) > usableWidth) {
    std::string line = FitLine(surface, current, usableWidth, fallbackLimit);
    // Only a font whose widths do not add up could leave nothing; refuse rather than loop.
    if (line.empty()) return {};
    consumed += line.size();
    lines.push_back(std::move(line));
    current = paragraph.substr(consumed);
  }
  lines.push_back(current);
  return lines;
}

std::string JustifyLine(const platform::MeasuringSurface& surface, const std::string& line,
                        int usableWidth, int pixelsPerInch) {
  const int target = usableWidth - Margin(pixelsPerInch);
  std::string ended = line;
  if (!EndsWithBlank(ended)) ended += ' ';
  if (CountWords(ended) <= 1) return ended;

  std::vector<std::string> words;
  std::size_t start = 0;
  for (std::size_t blank = ended.find(' '); blank != std::string::npos;
       blank = ended.find(' ', start)) {
    words.push_back(ended.substr(start, blank - start));
    start = blank + 1;
  }

  int previousWidth = -1;
  for (int spacing = 1;; ++spacing) {
    std::string built = BuildSpaced(words, spacing, 0);
    const int width = Measure(surface, built);
    if (width == target) return built;
    // Blanks without width cannot widen the line any further.
    if (width < target && width <= previousWidth) return built;
    previousWidth = width;
    if (width < target) continue;

    // One blank more overshot: spread the extra blanks from the first word on.
    const int narrower = spacing - 1 >= 1 ? spacing - 1 : 1;
    for (std::size_t wider = 0; wider <= words.size(); ++wider) {
      built = BuildSpaced(words, narrower, wider);
      if (Measure(surface, built) >= target) return built;
    }
    return built;
  }
}

int CountWords(const std::string& text) {
  const std::string trimmed = TrimBlanks(text);
  if (trimmed.empty()) return 0;
  int blanks = 0;
  for (char c : trimmed) {
    if (c == ' ') ++blanks;
  }
  return blanks + 1;
}

std::string WrapText(const std::string& paragraph, int width, const std::string& face, int points,
                     std::uint32_t style) {
  const platform::MeasuringSurface surface = platform::OpenMeasuringSurface(face, points, style);
  if (!surface.IsOpen()) return paragraph;
  return LayOutParagraph(surface, paragraph, width, platform::DesktopPixelsPerInch());
}

std::string LayOutParagraph(const platform::MeasuringSurface& surface, const std::string& paragraph,
                            int width, int pixelsPerInch) {
  const std::vector<std::string> lines =
      BreakIntoLines(surface, paragraph, width, pixelsPerInch, FallbackLimit(width));
  if (lines.empty()) return paragraph;

  const int usableWidth = width - Margin(pixelsPerInch);
  const int threshold = (usableWidth * 60) / 100;
  std::string text;
  for (const std::string& line : lines) {
    if (line.empty()) continue;
    text += Measure(surface, line) > threshold
                ? JustifyLine(surface, line, usableWidth, pixelsPerInch)
                : line;
    text += '\r';
  }
  if (!text.empty()) text.pop_back();
  return text;
}

}  // namespace textlayout
