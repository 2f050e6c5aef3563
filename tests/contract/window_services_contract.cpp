// Windows and controls: the states the setup's logic sets and reads back, and what closing a
// window takes with it.
#include <gtest/gtest.h>

#include "platform/gui.h"
#include "platform/system.h"

namespace {

using namespace platform;

class WindowServicesContract : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { InitialisePlatform(); }
  void TearDown() override {
    for (WindowNumber number : opened_)
      CloseWindow(number);
  }

  WindowNumber Open(WindowNumber number, std::uint32_t style = kWindowCaption,
                    WindowNumber owner = kNoWindow) {
    WindowSpec layout;
    layout.x = 40;
    layout.y = 30;
    layout.innerWidth = 320;
    layout.innerHeight = 240;
    layout.title = "contract " + std::to_string(number);
    layout.style = style;
    layout.owner = owner;
    EXPECT_TRUE(OpenWindow(number, layout));
    opened_.push_back(number);
    return number;
  }

  static ControlId Make(WindowNumber window, ControlKind kind, ControlId panel = 0, int group = 0,
                        const std::string& text = "") {
    ControlSpec layout;
    layout.kind = kind;
    layout.x = 5;
    layout.y = 5;
    layout.width = 100;
    layout.height = 20;
    layout.text = text;
    layout.group = group;
    const ControlId id = CreateControl(window, panel, layout);
    EXPECT_NE(id, 0);
    return id;
  }

 private:
  std::vector<WindowNumber> opened_;
};

TEST_F(WindowServicesContract, AWindowHasTheInnerSizeAndPlaceItWasOpenedWith) {
  Open(11);
  EXPECT_TRUE(IsWindowOpen(11));
  EXPECT_EQ(WindowInnerSize(11).width, 320);
  EXPECT_EQ(WindowInnerSize(11).height, 240);
  EXPECT_EQ(WindowFramePosition(11).x, 40);
  EXPECT_EQ(WindowFramePosition(11).y, 30);
}

TEST_F(WindowServicesContract, SelectingARadioOptionClearsItsGroupInTheWholeWindow) {
  Open(11);
  Open(12);
  const ControlId panel = Make(11, ControlKind::Panel);
  const ControlId inWindow = Make(11, ControlKind::RadioOption, 0, 1);
  const ControlId inPanel = Make(11, ControlKind::RadioOption, panel, 1);
  const ControlId otherGroup = Make(11, ControlKind::RadioOption, 0, 2);
  const ControlId otherWindow = Make(12, ControlKind::RadioOption, 0, 1);
  for (ControlId id : {inWindow, otherGroup, otherWindow})
    SetControlState(id, 1);
  SetControlState(inPanel, 1);
  EXPECT_EQ(ControlState(inPanel), 1);
  EXPECT_EQ(ControlState(inWindow), 0);
  EXPECT_EQ(ControlState(otherGroup), 1);
  EXPECT_EQ(ControlState(otherWindow), 1);
}

TEST_F(WindowServicesContract, ControlsKeepTheirStateTextAndMarks) {
  Open(11);
  const ControlId box = Make(11, ControlKind::CheckBox);
  SetControlState(box, 1);
  SetControlEnabled(box, false);
  EXPECT_FALSE(IsControlEnabled(box));
  EXPECT_EQ(ControlState(box), 1) << "disabling keeps the check mark";

  const ControlId label = Make(11, ControlKind::Label, 0, 0, "vorher");
  SetControlText(label, "Größe\rZeile zwei");
  EXPECT_EQ(ControlText(label), "Größe\rZeile zwei");
  SetControlVisible(label, false);
  EXPECT_FALSE(IsControlVisible(label));
  SetControlVisible(label, true);
  EXPECT_TRUE(IsControlVisible(label));

  const ControlId bar = Make(11, ControlKind::ProgressBar);
  const std::pair<int, int> positions[] = {{40, 40}, {250, 100}, {-5, 0}};
  for (const auto& [given, kept] : positions) {
    SetControlState(bar, given);
    EXPECT_EQ(ControlState(bar), kept) << given;
  }
}

TEST_F(WindowServicesContract, ClosingAWindowTakesItsControlsAndOwnedWindows) {
  Open(10, kWindowCaption | kWindowHidden);
  Open(11, kWindowCaption, 10);
  Open(12);
  const ControlId panel = Make(11, ControlKind::Panel);
  const ControlId inPanel = Make(11, ControlKind::Label, panel, 0, "im Feld");
  const ControlId elsewhere = Make(12, ControlKind::Label, 0, 0, "bleibt");
  CloseWindow(10);
  EXPECT_FALSE(IsWindowOpen(10));
  EXPECT_FALSE(IsWindowOpen(11)) << "an owned window goes with its owner";
  EXPECT_TRUE(IsWindowOpen(12));
  EXPECT_EQ(ControlText(inPanel), "");
  EXPECT_EQ(ControlText(elsewhere), "bleibt");
}

TEST_F(WindowServicesContract, ReopeningANumberReplacesTheWindowAndItsControls) {
  Open(11);
  const ControlId first = Make(11, ControlKind::Button, 0, 0, "Weiter");
  Open(11);
  EXPECT_TRUE(IsWindowOpen(11));
  EXPECT_EQ(ControlText(first), "");
  EXPECT_FALSE(IsControlEnabled(first));
}

TEST_F(WindowServicesContract, BackgroundsNeedAnOpenWindowAndPatternsAPicture) {
  EXPECT_EQ(MakePatternBrush(97), 0u) << "no picture 97";
  const BrushId brush = MakeSolidBrush({225, 245, 170});
  ASSERT_NE(brush, 0u);
  EXPECT_FALSE(SetWindowBackground(19, brush)) << "no window 19";
  Open(11);
  EXPECT_TRUE(SetWindowBackground(11, brush));  // stays the class background: not freed
}

}  // namespace
