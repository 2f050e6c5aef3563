// The pieces of the layout on their own, and what WrapText does with the measuring surface. The
// exact layouts that must come out alike under Windows are in the contract suite.
#include "textlayout/text_wrapping.h"

#include <vector>

#include "headless_test.h"

namespace {

using platform::kFontBold;

class TextWrappingTest : public HeadlessTest {};

TEST_F(TextWrappingTest, WordsAreTheBlanksBetweenThemPlusOne) {
  const std::pair<const char*, int> cases[] = {
      {"", 0},         {"   ", 0},       {"wort", 1},    {"  wort  ", 1},
      {"ein wort", 2}, {"ein  wort", 3}, {" a b c ", 3}, {"a b c d e", 5},
  };
  for (const auto& [text, words] : cases) {
    EXPECT_EQ(textlayout::CountWords(text), words) << "\"" << text << "\"";
  }
}

TEST_F(TextWrappingTest, MarginAndFallbackLimitFollowResolutionAndWidth) {
  EXPECT_EQ(textlayout::Margin(96), 3);
  EXPECT_EQ(textlayout::Margin(120), 4);
  EXPECT_EQ(textlayout::Margin(144), 5);
  EXPECT_EQ(textlayout::Margin(0), 0);
  EXPECT_EQ(textlayout::FallbackLimit(450), 280);
  EXPECT_EQ(textlayout::FallbackLimit(340), 210);
  EXPECT_EQ(textlayout::FallbackLimit(99), 0);
}

// Bold 10 points at 96 pixels per inch: digits 7 pixels wide, a blank 4.
TEST_F(TextWrappingTest, BrokenLinesKeepTheBlankAfterWhichTheyWereBroken) {
  const platform::MeasuringSurface surface = platform::OpenMeasuringSurface("Arial", 10, kFontBold);
  using Lines = std::vector<std::string>;
  EXPECT_EQ(textlayout::BreakIntoLines(surface, "1111 2222 3333 44", 100, 96, 70),
            (Lines{"1111 2222 3333 ", "44"}));
  EXPECT_EQ(textlayout::BreakIntoLines(surface, "", 100, 96, 70), Lines{""});
  EXPECT_EQ(textlayout::BreakIntoLines(surface, "1111 2222 3333 44", 100, 96, 0), Lines{})
      << "a fallback limit narrower than a character cannot be kept";
}

TEST_F(TextWrappingTest, JustifiedLinesLoseOuterBlanksAndSpreadTheExtraOnesFromTheLeft) {
  const platform::MeasuringSurface surface = platform::OpenMeasuringSurface("Arial", 10, kFontBold);
  const std::pair<const char*, const char*> cases[] = {
      {"1111 2222 3333 ", "1111  2222 3333"},
      {" 1111 2222 3333", "1111  2222 3333"},
      {"11 22 33 44 55", "11  22  33 44 55"},
      {"1234567890", "1234567890 "},
      {"", " "},
  };
  for (const auto& [line, justified] : cases) {
    EXPECT_EQ(textlayout::JustifyLine(surface, line, 97, 96), justified) << "\"" << line << "\"";
  }
}

TEST_F(TextWrappingTest, EveryWayOutReleasesTheSurface) {
  const std::string paragraph = "1111 2222 3333 4444 5555 66";
  EXPECT_EQ(textlayout::WrapText(paragraph, 100, "Arial", 10, kFontBold),
            "1111  2222 3333\r4444   5555   66");
  EXPECT_EQ(textlayout::WrapText(paragraph, 50, "Arial", 10, kFontBold), paragraph);
  EXPECT_EQ(headless::OpenMeasuringSurfaceCount(), 0);

  headless::FailMeasuringSurfaces(true);
  EXPECT_EQ(textlayout::WrapText(paragraph, 100, "Arial", 10, kFontBold), paragraph)
      << "without a surface the paragraph comes back unchanged";
  EXPECT_EQ(headless::OpenMeasuringSurfaceCount(), 0);
}

// A line of 97 pixels at the width 100: it fits beside a margin of 3 (96 pixels per inch) and is
// justified to 94; with the margin of 4 (120, where 8 points are as wide as 10 at 96) it is
// broken and justified to 92; without a readable resolution there is no margin and the target
// is 100.
TEST_F(TextWrappingTest, TheMarginComesFromTheScreensResolution) {
  const struct {
    int pixelsPerInch;
    int points;
    const char* expected;
  } cases[] = {
      {96, 10, "11  22 33 44 555"},
      {120, 8, "11   22   33   44\r555 "},
      {0, 10, "11  22  33 44 555"},
  };
  for (const auto& c : cases) {
    headless::SetPixelsPerInch(c.pixelsPerInch);
    EXPECT_EQ(textlayout::WrapText("11 22 33 44 555 ", 100, "Arial", c.points, kFontBold),
              c.expected)
        << c.pixelsPerInch << " pixels per inch";
  }
}

}  // namespace
