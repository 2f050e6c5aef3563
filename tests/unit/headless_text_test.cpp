// The stand-in's text services: surfaces that are released on every path, sizes that follow the
// screen's resolution as GDI's do, and drawing that shows where each character went.
#include <utility>

#include "headless_test.h"
#include "platform/gui.h"
#include "platform/text.h"

namespace {

using platform::kFontBold;
using platform::MeasureTextWidth;
using platform::OpenMeasuringSurface;

class HeadlessTextTest : public HeadlessTest {};

TEST_F(HeadlessTextTest, SurfacesAreReleasedWhenClosedMovedOrLeft) {
  {
    platform::MeasuringSurface first = OpenMeasuringSurface("Arial", 10, kFontBold);
    ASSERT_TRUE(first.IsOpen());
    const int width = MeasureTextWidth(first, "Geduld");
    EXPECT_GT(width, 0);

    platform::MeasuringSurface moved = std::move(first);
    EXPECT_FALSE(first.IsOpen());
    EXPECT_EQ(MeasureTextWidth(moved, "Geduld"), width);
    EXPECT_EQ(headless::OpenMeasuringSurfaceCount(), 1);

    platform::MeasuringSurface other = OpenMeasuringSurface("Arial", 8, kFontBold);
    EXPECT_EQ(headless::OpenMeasuringSurfaceCount(), 2);
    other = std::move(moved);  // the 8-point surface is closed
    EXPECT_EQ(headless::OpenMeasuringSurfaceCount(), 1);
    EXPECT_EQ(MeasureTextWidth(other, "Geduld"), width);

    platform::CloseMeasuringSurface(other);
    EXPECT_FALSE(other.IsOpen());
    EXPECT_EQ(MeasureTextWidth(other, "Geduld"), 0);
    platform::CloseMeasuringSurface(other);  // twice is harmless
  }
  EXPECT_EQ(headless::OpenMeasuringSurfaceCount(), 0);

  headless::FailMeasuringSurfaces(true);
  const platform::MeasuringSurface refused = OpenMeasuringSurface("Arial", 10, kFontBold);
  EXPECT_FALSE(refused.IsOpen());
  EXPECT_EQ(headless::OpenMeasuringSurfaceCount(), 0);
}

// A font of so many points is MulDiv(points, pixels per inch, 72) pixels high: 8 points at 120
// pixels per inch are 13 pixels, as 10 points at 96.
TEST_F(HeadlessTextTest, SizesInPointsFollowTheScreensResolution) {
  const std::string text = "DAS PROGRAMM DARF WEITERGEGEBEN WERDEN";
  const auto width = [&](int pixelsPerInch, int points) {
    headless::SetPixelsPerInch(pixelsPerInch);
    return MeasureTextWidth(OpenMeasuringSurface("Arial", points, kFontBold), text);
  };
  EXPECT_EQ(width(120, 8), width(96, 10));
  EXPECT_EQ(width(144, 6), width(96, 9));
  EXPECT_EQ(width(0, 10), width(96, 10)) << "an unknown resolution counts as 96";
  EXPECT_LT(width(96, 8), width(120, 8));

  // Sizes between and beyond the measured ones grow with the size too.
  int previous = 0;
  for (int points = 1; points <= 60; ++points) {
    const int current = width(96, points);
    EXPECT_GE(current, previous) << points << " points";
    previous = current;
  }
  EXPECT_GT(previous, width(96, 30));
}

TEST_F(HeadlessTextTest, NumberedFontsMeasureAsSurfacesOfTheirFace) {
  headless::SetPixelsPerInch(120);
  ASSERT_TRUE(platform::LoadFont(1, "Arial", 8, kFontBold));
  const std::string text = "Bitte haben Sie einen Moment Geduld";
  EXPECT_EQ(platform::TextWidthInFont(1, text),
            MeasureTextWidth(OpenMeasuringSurface("Arial", 8, kFontBold), text));
  EXPECT_EQ(platform::FontLineHeight(1), 15) << "GDI's tmHeight of bold Arial 13 pixels high";
  EXPECT_EQ(platform::TextWidthInFont(2, text), 0) << "no font 2";
  EXPECT_EQ(platform::FontLineHeight(2), 0);
}

TEST_F(HeadlessTextTest, DrawnTextFillsTheAdvanceBoxesOfItsCharacters) {
  ASSERT_TRUE(platform::LoadFont(3, "Arial", 10, kFontBold));
  const platform::Colour paper{255, 255, 255};
  const platform::Colour ink{0, 0, 128};
  const platform::Colour box{200, 10, 10};
  auto image = platform::MakeImage(60, 30, paper);
  ASSERT_TRUE(image.has_value());

  // "1 1": digits 7 pixels wide, a blank 4; the line is 15 pixels high, 12 of them above the
  // baseline.
  ASSERT_TRUE(platform::DrawTextOnImage(*image, 5, 2, "1 1", 3, ink, &box));
  const struct {
    int x, y;
    platform::Colour colour;
  } probes[] = {
      {5, 2, ink},  {11, 13, ink}, {12, 2, box},   {15, 13, box}, {16, 2, ink},   {22, 13, ink},
      {5, 14, box}, {22, 16, box}, {23, 2, paper}, {4, 2, paper}, {5, 17, paper}, {10, 1, paper},
  };
  for (const auto& probe : probes) {
    EXPECT_EQ(image->At(probe.x, probe.y), probe.colour) << probe.x << ", " << probe.y;
  }

  // Transparent: only the characters; clipped at the image's edges.
  auto clear = platform::MakeImage(10, 10, paper);
  ASSERT_TRUE(platform::DrawTextOnImage(*clear, -3, -2, "1 1", 3, ink, nullptr));
  EXPECT_EQ(clear->At(0, 0), ink);
  EXPECT_EQ(clear->At(4, 0), paper);
  EXPECT_EQ(clear->At(0, 9), ink);

  const platform::Image before = *image;
  EXPECT_FALSE(platform::DrawTextOnImage(*image, 0, 0, "1", 4, ink, &box)) << "no font 4";
  EXPECT_EQ(image->pixels, before.pixels);
}

}  // namespace
