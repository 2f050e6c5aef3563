// Measuring text in fonts and laying out paragraphs with those measurements: the stand-in's
// table of advance widths must measure as GDI does, so that text lays out alike on both sides.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/auto_update_hand_over.h"
#include "driver/program_information.h"
#include "platform/text.h"
#include "textlayout/text_wrapping.h"

namespace {

using platform::kFontBold;
using platform::kFontItalic;
using platform::kFontUnderline;
using platform::MeasureTextWidth;
using platform::MeasuringSurface;
using platform::OpenMeasuringSurface;

std::vector<std::string> SetupTexts() {
  std::vector<std::string> texts(std::begin(driver::kInformationParagraphs),
                                 std::end(driver::kInformationParagraphs));
  texts.push_back(driver::kHandOverMessage);
  return texts;
}

// The layout relies on a text being exactly as wide as its characters together: the lines that
// breaking measures are beginnings of the paragraph, the justified ones carry runs of blanks.
TEST(TextContract, TheSetupsTextsMeasureAsTheSumOfTheirCharacters) {
  struct Font {
    int points;
    std::uint32_t style;
  };
  for (const Font font : {Font{10, kFontBold}, Font{8, kFontBold},
                          Font{22, kFontBold | kFontItalic | kFontUnderline}}) {
    const MeasuringSurface surface = OpenMeasuringSurface("Arial", font.points, font.style);
    ASSERT_TRUE(surface.IsOpen());
    for (const std::string& text : SetupTexts()) {
      std::string spaced;
      int sum = 0;
      for (char c : text) {
        const int width = MeasureTextWidth(surface, std::string(1, c));
        sum += width;
        spaced += c;
        if (c == ' ') spaced += "  ";
        EXPECT_GT(width, 0) << "'" << c << "' at " << font.points << " points";
      }
      EXPECT_EQ(MeasureTextWidth(surface, text), sum) << font.points << " points: " << text;
      EXPECT_GT(MeasureTextWidth(surface, spaced), sum) << font.points << " points: " << text;
    }
  }
}

// Widths of the bold base face as GDI gives them at 96 pixels per inch (Arial served by a
// metric-compatible face), on which the layout cases below rest.
TEST(TextContract, TheBoldBaseFaceHasArialsWidths) {
  struct Case {
    int points;
    std::uint32_t style;
    std::string text;
    int width;
  };
  const Case cases[] = {
      {10, kFontBold, "1111 2222 3333", 92},
      {10, kFontBold, " ", 4},
      {10, kFontBold, "W", 12},
      {10, kFontBold, "GÄSTEBUCH HINTERLASSEN", 186},
      {10, kFontBold, "Willkommen", 78},
      {10, platform::kFontPlain, "Willkommen", 71},
      {8, kFontBold, "Bitte haben Sie einen Moment Geduld", 200},
      {22, kFontBold | kFontItalic, "QVDLumorak", 186},
  };
  for (const Case& c : cases) {
    const MeasuringSurface surface = OpenMeasuringSurface("Arial", c.points, c.style);
    ASSERT_TRUE(surface.IsOpen());
    EXPECT_EQ(MeasureTextWidth(surface, c.text), c.width) << c.text << " at " << c.points;
  }
}

// Bold 10 points at 96 pixels per inch: digits are 7 pixels wide, a blank 4. At the width 100
// the margin is 3: lines break at 97, justify to 94 when wider than 58, a word is cut at 70.
TEST(TextContract, ParagraphsWrapAndJustifyExactly) {
  struct Case {
    const char* what;
    std::string paragraph;
    int width;
    std::string expected;
  };
  const Case cases[] = {
      {"empty", "", 100, ""},
      {"short line as it is", "11 22", 100, "11 22"},
      {"short line keeps its trailing blank", "11 22 ", 100, "11 22 "},
      {"one line justified, longer runs first", "1111 2222 3333", 100, "1111  2222 3333"},
      {"justified line loses its trailing blank", "1111 2222 3333 ", 100, "1111  2222 3333"},
      {"two lines, the short last one as it is", "1111 2222 3333 44", 100, "1111  2222 3333\r44"},
      {"last line justified too, hitting the target", "1111 2222 3333 4444 5555 66", 100,
       "1111  2222 3333\r4444   5555   66"},
      {"word wider than the line cut at the fallback limit", "123456789012345 99", 100,
       "1234567890 \r12345 99"},
      {"double blank gives an empty word", "111  222 333 44", 100, "111   222 333 44"},
      {"wider width, one line", "1111 2222 3333 44", 200, "1111 2222 3333 44"},
      // At the width 450: breaking at 447, justifying lines wider than 268 to 444, cutting
      // words at 280.
      {"268 wide: not justified", "111111111 111111111 111111111 111111111 ", 450,
       "111111111 111111111 111111111 111111111 "},
      {"275 wide: justified to 447, the first width from 444 on",
       "1111111111 111111111 111111111 111111111 ", 450,
       "1111111111" + std::string(16, ' ') + "111111111" + std::string(16, ' ') + "111111111" +
           std::string(15, ' ') + "111111111"},
      {"word of 490 cut at 280", std::string(70, '7'), 450,
       std::string(40, '7') + " \r" + std::string(30, '7')},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(textlayout::WrapText(c.paragraph, c.width, "Arial", 10, kFontBold), c.expected)
        << c.what;
  }
}

// A width under 100 pixels, or characters too wide for the width, would keep greedy breaking
// from getting on: the paragraph comes back unchanged instead.
TEST(TextContract, ParagraphsThatCannotBeBrokenComeBackUnchanged) {
  struct Case {
    const char* what;
    std::string paragraph;
    int width;
    int points;
  };
  const Case cases[] = {
      {"width under 100", "11 22 33 44 55 66 77 88 99", 99, 10},
      {"width 0", "1111 2222", 0, 10},
      {"negative width", "1111 2222", -450, 10},
      {"character wider than the fallback limit", "@@ @@", 100, 72},
      {"two characters wider than the line", "WW", 100, 48},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(textlayout::WrapText(c.paragraph, c.width, "Arial", c.points, kFontBold), c.paragraph)
        << c.what;
  }
  EXPECT_EQ(textlayout::WrapText("11 22 33 44 55 66 77 88 99", 100, "Arial", 10, kFontBold),
            "11  22  33 44 55\r66    77   88   99")
      << "the width 100 is laid out";
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end = text.find('\r'); end != std::string::npos; end = text.find('\r', start)) {
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  lines.push_back(text.substr(start));
  return lines;
}

std::vector<int> BlankRuns(const std::string& line) {
  std::vector<int> runs;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] != ' ') continue;
    if (i == 0 || line[i - 1] != ' ') runs.push_back(0);
    ++runs.back();
  }
  return runs;
}

std::string CollapseBlanks(std::string text) {
  for (char& c : text) {
    if (c == '\r') c = ' ';
  }
  std::string collapsed;
  for (char c : text) {
    if (c != ' ' || collapsed.empty() || collapsed.back() != ' ') collapsed += c;
  }
  return collapsed;
}

// The information paragraphs in 10-point bold type at 96 pixels per inch and in 8-point type at
// 120, which is as high in pixels (13): measured here at the screen's 96 pixels per inch in
// 10-point type, with the margin of 120 pixels per inch (4 instead of 3).
TEST(TextContract, TheInformationParagraphsFitTheirWidthJustified) {
  const MeasuringSurface surface = OpenMeasuringSurface("Arial", 10, kFontBold);
  ASSERT_TRUE(surface.IsOpen());
  const int blank = MeasureTextWidth(surface, " ");
  for (const int pixelsPerInch : {96, 120}) {
    const int usable = 450 - pixelsPerInch / 25;
    const int target = usable - pixelsPerInch / 25;
    const int threshold = usable * 60 / 100;
    for (const char* paragraph : driver::kInformationParagraphs) {
      const std::string wrapped =
          textlayout::LayOutParagraph(surface, paragraph, 450, pixelsPerInch);
      const std::string where = std::to_string(pixelsPerInch) + " ppi: " + wrapped;
      EXPECT_EQ(CollapseBlanks(wrapped), paragraph) << where;
      const std::vector<std::string> lines = SplitLines(wrapped);
      EXPECT_GE(lines.size(), 2u) << where;
      for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const int width = MeasureTextWidth(surface, line);
        EXPECT_LE(width, usable) << line << " / " << where;
        if (width <= threshold) {
          EXPECT_EQ(i, lines.size() - 1) << "only the last line stays short: " << where;
          continue;
        }
        ASSERT_FALSE(line.empty());
        EXPECT_NE(line.front(), ' ') << line;
        EXPECT_NE(line.back(), ' ') << line;
        const std::vector<int> runs = BlankRuns(line);
        ASSERT_FALSE(runs.empty()) << line;
        for (std::size_t r = 1; r < runs.size(); ++r)
          EXPECT_LE(runs[r], runs[r - 1]) << "the longer runs of blanks first: " << line;
        EXPECT_LE(runs.front() - runs.back(), 1) << "runs differ by one at most: " << line;
        EXPECT_GE(width, target) << line;
        // Only a line wider than the target with single blanks stays further above it.
        if (runs.front() > 1) {
          EXPECT_LT(width, target + blank) << line;
        }
      }
    }
  }
}

}  // namespace
