#include "driver/auto_update_hand_over.h"

#include <string>
#include <vector>

#include "driver/start_up.h"
#include "headless_test.h"
#include "platform/gui.h"
#include "platform/text.h"
#include "toolkit/resource_numbers.h"

namespace {

constexpr platform::WindowNumber kHandOver = numbers::kHandOverWindow;

class HandOverTest : public HeadlessTest {
 protected:
  struct Result {
    int mode = -1;
    bool windowLeftOpen = true;
  };

  // The hand-over with the settings the run has made before it.
  static Result Await() {
    Result result;
    const auto outcome = headless::RunProcess([&result] {
      driver::InitialiseSettings();
      result.mode = driver::AwaitMainInstanceExit();
      result.windowLeftOpen = platform::IsWindowOpen(kHandOver);
    });
    EXPECT_EQ(outcome.failure, "");
    return result;
  }

  // How long the window was open, across a wrap of the tick count too.
  static std::uint32_t Shown() {
    const headless::WindowRecord* window = headless::Window(kHandOver);
    return window == nullptr ? 0 : window->closedAt - window->openedAt;
  }
};

// Without events every wait runs out after 500 ms; a second counts only when more than 1000 ms
// have passed since the last, at 1500, 3000, 4500, 6000 and 7500 ms. A wait begun shortly before
// the tick count passes 2^31 or wraps at 2^32 lasts as long: here a second is counted 600 ms
// before either, so that the last counted tick plus 1000 lies beyond it.
TEST_F(HandOverTest, WithoutEventsTheWindowStaysSevenAndAHalfSecondsWaitingHalfSecondsAtATime) {
  for (std::uint32_t start : {0u, 0x80000000u - 2100u, 0u - 2100u}) {
    SetUp();
    headless::SetClock(start);
    headless::SetCommandLine({driver::kAutoUpdateWord});
    std::vector<int> waits;
    headless::SetScriptedUser([&waits](int timeout) {
      waits.push_back(timeout);
      return platform::Event{};
    });
    const Result result = Await();
    EXPECT_EQ(result.mode, 1) << start;
    EXPECT_FALSE(result.windowLeftOpen) << start;
    EXPECT_EQ(Shown(), 7500u) << start;
    EXPECT_EQ(waits, std::vector<int>(15, 500)) << start;
  }
}

// Under a steady stream of events, here every 10 ms, a second counts at the first event after
// 1000 ms have passed since the last.
TEST_F(HandOverTest, UnderAStreamOfEventsTheWindowStaysAboutFiveSeconds) {
  headless::SetCommandLine({driver::kAutoUpdateWord});
  headless::SetScriptedUser([](int) {
    headless::AdvanceClock(10);
    return headless::OtherEventIn(kHandOver);
  });
  const Result result = Await();
  EXPECT_EQ(result.mode, 1);
  EXPECT_EQ(Shown(), 5050u);
}

TEST_F(HandOverTest, AnyOtherCommandLineIsNormalModeWithoutWindowOrWait) {
  const std::vector<std::vector<std::string>> commandLines = {
      {},
      {"autoupdate_from_maininstance"},
      {"AUTOUPDATE_FROM_MAININSTANCE"},
      {"AutoUpDate_from_MainInstance "},
      {"newinstall", driver::kAutoUpdateWord},
  };
  for (const auto& arguments : commandLines) {
    SetUp();
    headless::SetCommandLine(arguments);
    const Result result = Await();
    const std::string shown = arguments.empty() ? "(none)" : arguments[0];
    EXPECT_EQ(result.mode, 0) << shown;
    EXPECT_EQ(headless::Window(kHandOver), nullptr) << shown;
    EXPECT_EQ(headless::Now(), 0u) << shown;
  }
}

// The window's font keeps its size in pixels, and the message is wrapped in that font to the
// width of its field.
TEST_F(HandOverTest, ASmallTopMostWindowWithoutSystemMenuShowsTheWrappedMessage) {
  struct Case {
    int pixelsPerInch;
    int points;
    const char* text;
  };
  const Case cases[] = {
      {96, 8,
       "Das automatische Update von <QVDLumorak> wurde gestartet.\r"
       "Bitte  haben  Sie  einen  Moment Geduld, die Hauptinstanz wird\r"
       "sicher beendet."},
      {120, 6,
       "Das automatische Update von <QVDLumorak> wurde gestartet. Bitte\r"
       "haben   Sie   einen  Moment  Geduld,  die  Hauptinstanz  wird  sicher\r"
       "beendet."},
  };
  for (const Case& c : cases) {
    SetUp();
    headless::SetPixelsPerInch(c.pixelsPerInch);
    headless::SetCommandLine({driver::kAutoUpdateWord});
    bool shownOnTop = false;
    headless::SetScriptedUser([&shownOnTop](int) {
      const headless::WindowRecord* window = headless::Window(kHandOver);
      shownOnTop = window != nullptr && window->open && window->visible && window->topMost;
      return platform::Event{};
    });
    Await();
    EXPECT_TRUE(shownOnTop) << c.pixelsPerInch;

    const headless::WindowRecord* window = headless::Window(kHandOver);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->title, "QVDLumorak - AutoUpdater ...");
    EXPECT_EQ(window->layout.innerWidth, 360);
    EXPECT_EQ(window->layout.innerHeight, 50);
    EXPECT_EQ(window->layout.style,
              platform::kWindowCaption | platform::kWindowCentred | platform::kWindowTopMost);

    const std::vector<platform::ControlId> controls = headless::ControlsOf(kHandOver);
    ASSERT_EQ(controls.size(), 1u);
    const headless::ControlRecord& field = *headless::Control(controls[0]);
    EXPECT_EQ(field.layout.kind, platform::ControlKind::Label);
    EXPECT_EQ(field.layout.x, 10);
    EXPECT_EQ(field.layout.y, 3);
    EXPECT_EQ(field.layout.width, 340);
    EXPECT_EQ(field.layout.height, 44);
    EXPECT_EQ(field.font, (headless::FontRecord{"Arial", c.points, platform::kFontBold}));
    EXPECT_EQ(field.text, c.text) << c.pixelsPerInch;
    EXPECT_EQ(headless::DefaultControlFont(), -1);
  }
}

TEST_F(HandOverTest, AWindowThatCannotBeOpenedMeansNormalModeWithoutWait) {
  headless::FailOpeningWindow(kHandOver, true);
  headless::SetCommandLine({driver::kAutoUpdateWord});
  const Result result = Await();
  EXPECT_EQ(result.mode, 0);
  EXPECT_EQ(headless::Now(), 0u);
  EXPECT_TRUE(headless::ControlsOf(kHandOver).empty());
  EXPECT_EQ(headless::DefaultControlFont(), -1);
}

// When no surface can measure the message, the field shows it as it is.
TEST_F(HandOverTest, WithoutMeasuringTheFieldShowsTheMessageUnwrapped) {
  headless::FailMeasuringSurfaces(true);
  headless::SetCommandLine({driver::kAutoUpdateWord});
  EXPECT_EQ(Await().mode, 1);
  const std::vector<platform::ControlId> controls = headless::ControlsOf(kHandOver);
  ASSERT_EQ(controls.size(), 1u);
  EXPECT_EQ(headless::Control(controls[0])->text, driver::kHandOverMessage);
}

}  // namespace
