#include "wizard/window_colours.h"

#include "headless_test.h"
#include "platform/pictures.h"

namespace {

using platform::Colour;

constexpr Colour kTop{20, 20, 240};
constexpr Colour kBlack{0, 0, 0};
constexpr const char* kGradientError = "ERROR, can´t create gradient";

class WindowColoursTest : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    platform::WindowSpec layout;
    layout.innerWidth = 960;
    layout.innerHeight = 720;
    layout.style = platform::kWindowSystemMenu | platform::kWindowHidden;
    ASSERT_TRUE(platform::OpenWindow(0, layout));
  }

  // The rows (or columns) where the colour of a line changes, with the colour from there on.
  static std::vector<std::pair<int, Colour>> Bands(const platform::Image& image, bool columns) {
    std::vector<std::pair<int, Colour>> bands;
    const int length = columns ? image.width : image.height;
    for (int i = 0; i < length; ++i) {
      const Colour colour = columns ? image.At(i, image.height / 2) : image.At(image.width / 2, i);
      if (bands.empty() || !(bands.back().second == colour)) bands.emplace_back(i, colour);
    }
    return bands;
  }
};

TEST_F(WindowColoursTest, HorizontalBandsRunFromTheFirstColourTowardsTheLast) {
  const std::uintptr_t handle = wizard::PaintGradientBackground(kTop, kBlack, 255, 0, 0, 0);
  EXPECT_EQ(handle, platform::PictureHandle(0));
  EXPECT_NE(handle, 0u);
  EXPECT_EQ(toolkit::LastErrorText(), "");
  const platform::Image* picture = platform::FindPicture(0);
  ASSERT_NE(picture, nullptr);
  ASSERT_EQ(picture->width, 960);
  ASSERT_EQ(picture->height, 720);

  const auto bands = Bands(*picture, false);
  ASSERT_GE(bands.size(), 2u);
  EXPECT_EQ(bands[0], std::make_pair(0, kTop));
  EXPECT_EQ(bands[1].first, 3) << "the first band covers rows 0 to 2";
  EXPECT_EQ(bands.back(), std::make_pair(717, (Colour{0, 0, 1})));
  for (int x : {0, 480, 959}) {
    EXPECT_EQ(picture->At(x, 1), kTop) << "bands span the full width";
    EXPECT_EQ(picture->At(x, 719), (Colour{0, 0, 1}));
  }
}

TEST_F(WindowColoursTest, DirectionOneGivesStripesAndStepsAreClamped) {
  struct Case {
    int steps;
    int direction;
    std::vector<std::pair<int, Colour>> bands;
  };
  const Colour red{200, 0, 0};
  const Colour blue{0, 0, 100};
  const Case cases[] = {
      {1, 0, {{0, red}, {360, {100, 0, 50}}}},
      {2, 1, {{0, red}, {480, {100, 0, 50}}}},
      {4, 1, {{0, red}, {240, {150, 0, 25}}, {480, {100, 0, 50}}, {720, {50, 0, 75}}}},
  };
  for (const Case& c : cases) {
    ASSERT_NE(wizard::PaintGradientBackground(red, blue, c.steps, c.direction, 0, 0), 0u);
    EXPECT_EQ(Bands(*platform::FindPicture(0), c.direction == wizard::kVerticalStripes), c.bands)
        << c.steps << " steps, direction " << c.direction;
  }
  // Red rises by one in each of 255 bands, so every band shows; 1000 steps are 255.
  ASSERT_NE(wizard::PaintGradientBackground(kBlack, {255, 0, 0}, 1000, 0, 0, 0), 0u);
  const auto bands = Bands(*platform::FindPicture(0), false);
  ASSERT_EQ(bands.size(), 255u);
  EXPECT_EQ(bands[1], std::make_pair(3, (Colour{1, 0, 0})));
  EXPECT_EQ(bands.back(), std::make_pair(717, (Colour{254, 0, 0})));
}

TEST_F(WindowColoursTest, TheGradientBecomesTheBackgroundAndTheEarlierBrushIsDeleted) {
  wizard::PaintGradientBackground(kTop, kBlack, 255, 0, 0, 0);
  const platform::BrushId first = headless::Window(0)->background;
  const auto firstRecord = headless::LiveBrush(first);
  ASSERT_TRUE(firstRecord.has_value());
  EXPECT_TRUE(firstRecord->pattern);
  EXPECT_EQ(firstRecord->picture, 0);

  wizard::PaintGradientBackground(kBlack, kTop, 255, 0, 0, 0);
  const platform::BrushId second = headless::Window(0)->background;
  EXPECT_NE(second, first);
  EXPECT_FALSE(headless::LiveBrush(first).has_value()) << "the first call's brush is deleted";
  EXPECT_TRUE(headless::LiveBrush(second).has_value());
  EXPECT_EQ(headless::LiveBrushCount(), 1);
}

TEST_F(WindowColoursTest, NegativeNumbersAndClosedWindowsAreRefusedWithTheErrorText) {
  wizard::PaintGradientBackground(kTop, kBlack, 255, 0, 0, 0);
  const platform::BrushId kept = headless::Window(0)->background;
  const std::uintptr_t picture = platform::PictureHandle(0);
  const std::pair<int, int> refused[] = {{-1, 0}, {0, -1}, {-5, -5}, {9, 0}};  // 9: not open
  for (const auto& [window, pictureNumber] : refused) {
    toolkit::ClearLastErrorText();
    EXPECT_EQ(wizard::PaintGradientBackground(kTop, kBlack, 255, 0, window, pictureNumber), 0u);
    EXPECT_EQ(toolkit::LastErrorText(), kGradientError) << window << ", " << pictureNumber;
  }
  EXPECT_EQ(platform::PictureHandle(0), picture) << "nothing was drawn";
  EXPECT_EQ(headless::Window(0)->background, kept);
  EXPECT_TRUE(headless::LiveBrush(kept).has_value()) << "the background in use stays alive";
  EXPECT_EQ(headless::LiveBrushCount(), 1);
}

TEST_F(WindowColoursTest, TheHookColoursTheMessageLabelAlone) {
  platform::WindowSpec layout;
  layout.innerWidth = 500;
  layout.innerHeight = 390;
  ASSERT_TRUE(platform::OpenWindow(3, layout));
  platform::ControlSpec panel;
  panel.kind = platform::ControlKind::Panel;
  const platform::ControlId messagePanel = platform::CreateControl(3, 0, panel);
  const platform::ControlId message = platform::CreateControl(3, messagePanel, {});
  const platform::ControlId other = platform::CreateControl(3, 0, {});
  EXPECT_FALSE(wizard::MessageColourHook({3, platform::WM_CTLCOLORSTATIC, message}).handled)
      << "no message colours yet";

  wizard::SetMessageColours(message, {255, 0, 255}, {225, 245, 170});
  platform::SetStaticColourHook(3, wizard::MessageColourHook);
  const platform::StaticColourAnswer answer = headless::AskColourHook(3, message);
  EXPECT_TRUE(answer.handled);
  EXPECT_TRUE(answer.transparentText);
  EXPECT_EQ(answer.textColour, (Colour{255, 0, 255}));
  const auto brush = headless::LiveBrush(answer.brush);
  ASSERT_TRUE(brush.has_value());
  EXPECT_FALSE(brush->pattern);
  EXPECT_EQ(brush->colour, (Colour{225, 245, 170}));

  EXPECT_FALSE(headless::AskColourHook(3, other).handled);
  EXPECT_FALSE(wizard::MessageColourHook({3, 0x0133, message}).handled) << "another request";
}

}  // namespace
