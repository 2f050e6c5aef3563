#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "contract.h"
#include "platform/gui.h"
#include "platform/text.h"

namespace {

using namespace platform;

constexpr FontNumber kBold = 5;

TEST(TextContract, WidthsFollowTheLettersAndAddUp) {
  ASSERT_TRUE(LoadFont(kBold, "Arial", 10, kFontBold));
  EXPECT_GT(TextWidthInFont(kBold, "WWW"), TextWidthInFont(kBold, "iii"));
  EXPECT_EQ(TextWidthInFont(kBold, ""), 0);
  const std::pair<std::string, std::string> halves[] = {
      {"Setup ", "Größe"}, {"QVD", "Lumorak V001.001.018"}, {" ", " "}, {"ä\t", "ß"}};
  for (const auto& [first, second] : halves) {
    SCOPED_TRACE(first + second);
    EXPECT_GT(TextWidthInFont(kBold, first), 0);
    EXPECT_EQ(TextWidthInFont(kBold, first) + TextWidthInFont(kBold, second),
              TextWidthInFont(kBold, first + second));
  }
  EXPECT_EQ(TextWidthInFont(6, "WWW"), 0) << "no font 6";
}

TEST(TextContract, AMeasuringSurfaceMeasuresAsTheSameFontLoaded) {
  ASSERT_TRUE(LoadFont(kBold, "Arial", 22, kFontBold | kFontItalic | kFontUnderline));
  MeasuringSurface surface =
      OpenMeasuringSurface("Arial", 22, kFontBold | kFontItalic | kFontUnderline);
  ASSERT_TRUE(surface.IsOpen());
  for (const std::string text : {"", " QVDLumorak V001.001.018", "Willkommen zu - Welcome to"}) {
    EXPECT_EQ(MeasureTextWidth(surface, text), TextWidthInFont(kBold, text)) << text;
  }

  MeasuringSurface moved = std::move(surface);
  EXPECT_FALSE(surface.IsOpen());
  ASSERT_TRUE(moved.IsOpen());
  EXPECT_GT(MeasureTextWidth(moved, "W"), 0);
  CloseMeasuringSurface(moved);
  EXPECT_FALSE(moved.IsOpen());
  EXPECT_EQ(MeasureTextWidth(moved, "W"), 0);
}

TEST(TextContract, LineHeightsGrowWithThePointSize) {
  struct Case {
    int points;
    std::uint32_t style;
  } cases[] = {{8, kFontPlain}, {10, kFontBold}, {20, kFontBold | kFontItalic | kFontUnderline}};
  int previous = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.points);
    ASSERT_TRUE(LoadFont(5, "Arial", c.points, c.style));
    EXPECT_TRUE(IsFontLoaded(5));
    const int height = FontLineHeight(5);
    const int pixels = c.points * 96 / 72;  // the character height at 96 pixels per inch
    EXPECT_GE(height, pixels);
    EXPECT_LT(height, 2 * pixels);
    EXPECT_GT(height, previous);
    previous = height;
  }
  FreeFont(5);
  EXPECT_FALSE(IsFontLoaded(5));
  EXPECT_EQ(FontLineHeight(5), 0);
}

constexpr Colour kFill{10, 20, 30};
constexpr Colour kWhite{255, 255, 255};
constexpr Colour kAccent{232, 11, 0};

TEST(TextContract, DrawnTextChangesOnlyThePixelsOfItsBox) {
  ASSERT_TRUE(LoadFont(kBold, "Arial", 10, kFontBold));
  const std::string text = "Wim Setup";
  const int width = TextWidthInFont(kBold, text);
  const int height = FontLineHeight(kBold);
  struct Case {
    int x, y;
    bool opaque;
  } cases[] = {{20, 10, true}, {20, 10, false}, {-15, 60 - height / 2, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << "," << c.y << (c.opaque ? " opaque" : ""));
    Image image = *MakeImage(200, 60, kFill);
    ASSERT_TRUE(
        DrawTextOnImage(image, c.x, c.y, text, kBold, kWhite, c.opaque ? &kAccent : nullptr));
    int inBox = 0, changed = 0, accent = 0;
    for (int y = 0; y < image.height; ++y) {
      for (int x = 0; x < image.width; ++x) {
        const Colour pixel = image.At(x, y);
        const bool boxed = x >= c.x && x < c.x + width && y >= c.y && y < c.y + height;
        if (!boxed) {
          ASSERT_EQ(pixel, kFill) << "outside the box at " << x << "," << y;
          continue;
        }
        ++inBox;
        changed += pixel != kFill;
        accent += pixel == kAccent;
      }
    }
    ASSERT_GT(inBox, 0);
    EXPECT_GT(changed, 0);
    if (c.opaque) {
      EXPECT_EQ(changed, inBox) << "the whole box takes the background";
      EXPECT_GT(accent, 0);
      EXPECT_LT(accent, inBox) << "and the letters lie on it";
    } else {
      EXPECT_EQ(accent, 0);
      EXPECT_LT(changed, inBox) << "between the letters the image shows";
    }
  }
}

TEST(TextContract, DrawingOutsideTheImageOrWithoutAFontChangesNothing) {
  ASSERT_TRUE(LoadFont(kBold, "Arial", 10, kFontBold));
  const Image before = *MakeImage(50, 20, kFill);
  Image image = before;
  EXPECT_TRUE(DrawTextOnImage(image, 60, 0, "Setup", kBold, kWhite, &kAccent));
  EXPECT_TRUE(DrawTextOnImage(image, 0, -40, "Setup", kBold, kWhite, &kAccent));
  EXPECT_TRUE(DrawTextOnImage(image, 0, 0, "", kBold, kWhite, &kAccent));
  EXPECT_FALSE(DrawTextOnImage(image, 0, 0, "Setup", 6, kWhite, &kAccent)) << "no font 6";
  EXPECT_EQ(image.pixels, before.pixels);
}

}  // namespace
