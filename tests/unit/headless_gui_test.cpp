// The stand-in's window services behave as the setup's logic expects of Windows: what a user's
// click changes, what closing takes with it, the background shared by all windows, the brushes
// and hooks, and how waits end when no script answers.
#include "headless_test.h"
#include "platform/gui.h"
#include "platform/pictures.h"

namespace {

using platform::ControlKind;
using platform::EventKind;

class HeadlessGuiTest : public HeadlessTest {
 protected:
  static void Open(platform::WindowNumber number, std::uint32_t style = 0,
                   platform::WindowNumber owner = platform::kNoWindow) {
    platform::WindowSpec layout;
    layout.x = 10;
    layout.y = 20;
    layout.innerWidth = 300;
    layout.innerHeight = 200;
    layout.title = "window " + std::to_string(number);
    layout.style = style;
    layout.owner = owner;
    ASSERT_TRUE(platform::OpenWindow(number, layout));
  }
  static platform::ControlId Make(platform::WindowNumber window, ControlKind kind,
                                  platform::ControlId panel = 0, int group = 0,
                                  const std::string& text = "") {
    platform::ControlSpec layout;
    layout.kind = kind;
    layout.width = 20;
    layout.height = 20;
    layout.group = group;
    layout.text = text;
    return platform::CreateControl(window, panel, layout);
  }
};

TEST_F(HeadlessGuiTest, RadioOptionsAreExclusivePerGroupAndWindowAcrossPanels) {
  Open(1);
  Open(2);
  const platform::ControlId panel = Make(1, ControlKind::Panel);
  const platform::ControlId inWindow = Make(1, ControlKind::RadioOption, 0, 7);
  const platform::ControlId inPanel = Make(1, ControlKind::RadioOption, panel, 7);
  const platform::ControlId otherGroup = Make(1, ControlKind::RadioOption, 0, 8);
  const platform::ControlId otherWindow = Make(2, ControlKind::RadioOption, 0, 7);
  for (platform::ControlId id : {inWindow, otherGroup, otherWindow}) {
    platform::SetControlState(id, 1);
  }

  const platform::Event click = headless::Click(inPanel);
  EXPECT_EQ(click.kind, EventKind::Control);
  EXPECT_EQ(click.window, 1);
  EXPECT_EQ(click.control, inPanel);
  EXPECT_EQ(platform::ControlState(inPanel), 1);
  EXPECT_EQ(platform::ControlState(inWindow), 0);
  EXPECT_EQ(platform::ControlState(otherGroup), 1);
  EXPECT_EQ(platform::ControlState(otherWindow), 1);

  platform::SetControlState(inWindow, 1);
  EXPECT_EQ(platform::ControlState(inPanel), 0);
}

TEST_F(HeadlessGuiTest, OnlyReachableButtonsOptionsAndBoxesAnswerAClick) {
  Open(1);
  Open(2, platform::kWindowHidden);
  const platform::ControlId hiddenPanel = Make(1, ControlKind::Panel);
  platform::SetControlVisible(hiddenPanel, false);
  const platform::ControlId disabledPanel = Make(1, ControlKind::Panel);
  platform::SetControlEnabled(disabledPanel, false);

  struct Case {
    const char* what;
    platform::ControlId control;
    EventKind expected;
    int stateAfter;
  };
  const platform::ControlId disabledBox = Make(1, ControlKind::CheckBox);
  platform::SetControlEnabled(disabledBox, false);
  const platform::ControlId hiddenButton = Make(1, ControlKind::Button);
  platform::SetControlVisible(hiddenButton, false);
  const Case cases[] = {
      {"button", Make(1, ControlKind::Button), EventKind::Control, 0},
      {"check box toggles on", Make(1, ControlKind::CheckBox), EventKind::Control, 1},
      {"radio option", Make(1, ControlKind::RadioOption), EventKind::Control, 1},
      {"label", Make(1, ControlKind::Label), EventKind::Other, 0},
      {"group frame", Make(1, ControlKind::GroupFrame), EventKind::Other, 0},
      {"disabled box", disabledBox, EventKind::Other, 0},
      {"hidden button", hiddenButton, EventKind::Other, 0},
      {"box in a hidden panel", Make(1, ControlKind::CheckBox, hiddenPanel), EventKind::Other, 0},
      {"box in a disabled panel", Make(1, ControlKind::CheckBox, disabledPanel), EventKind::Other,
       0},
      {"box in a hidden window", Make(2, ControlKind::CheckBox), EventKind::Other, 0},
  };
  for (const Case& c : cases) {
    ASSERT_NE(c.control, 0) << c.what;
    EXPECT_EQ(headless::Click(c.control).kind, c.expected) << c.what;
    EXPECT_EQ(platform::ControlState(c.control), c.stateAfter) << c.what;
  }
  const platform::ControlId box = Make(1, ControlKind::CheckBox);
  headless::Click(box);
  headless::Click(box);
  EXPECT_EQ(platform::ControlState(box), 0) << "a second click clears the box";
}

TEST_F(HeadlessGuiTest, DisablingKeepsTheCheckMarkAndProgressStaysInRange) {
  Open(1);
  const platform::ControlId box = Make(1, ControlKind::CheckBox);
  headless::Click(box);
  platform::SetControlEnabled(box, false);
  EXPECT_EQ(platform::ControlState(box), 1);
  EXPECT_FALSE(platform::IsControlEnabled(box));

  const platform::ControlId bar = Make(1, ControlKind::ProgressBar);
  const std::pair<int, int> values[] = {{40, 40}, {-5, 0}, {100, 100}, {250, 100}};
  for (const auto& [given, kept] : values) {
    platform::SetControlState(bar, given);
    EXPECT_EQ(platform::ControlState(bar), kept) << given;
  }
}

TEST_F(HeadlessGuiTest, ClosingTakesTheControlsAndTheOwnedWindowsAlong) {
  Open(0, platform::kWindowHidden);
  Open(3, 0, 0);
  Open(4, 0, 3);  // owned by an owned window
  Open(5);
  const platform::ControlId label = Make(3, ControlKind::Label, 0, 0, "text");
  const platform::ControlId panel = Make(3, ControlKind::Panel);
  const platform::ControlId inPanel = Make(3, ControlKind::Button, panel, 0, "Weiter");
  const platform::ControlId elsewhere = Make(5, ControlKind::Label, 0, 0, "stays");

  platform::CloseWindow(0);
  for (platform::WindowNumber number : {0, 3, 4}) {
    EXPECT_FALSE(platform::IsWindowOpen(number)) << number;
    EXPECT_FALSE(headless::Window(number)->visible) << number;
  }
  EXPECT_TRUE(platform::IsWindowOpen(5));
  for (platform::ControlId id : {label, panel, inPanel}) {
    EXPECT_TRUE(headless::Control(id)->destroyed) << id;
    EXPECT_EQ(platform::ControlText(id), "");
    EXPECT_EQ(headless::Click(id).kind, EventKind::Other);
  }
  EXPECT_EQ(platform::ControlText(elsewhere), "stays");
  EXPECT_EQ(platform::CreateControl(3, 0, platform::ControlSpec{}), 0)
      << "no controls for a closed window";
}

TEST_F(HeadlessGuiTest, ReopeningANumberClosesTheEarlierWindowFirst) {
  Open(3);
  const platform::ControlId first = Make(3, ControlKind::Button, 0, 0, "Weiter");
  platform::SetStaticColourHook(3, [](const platform::StaticColourRequest&) {
    return platform::StaticColourAnswer{true, false, {}, 0};
  });
  Open(3);
  EXPECT_TRUE(headless::Control(first)->destroyed);
  EXPECT_TRUE(headless::ControlsOf(3).empty());
  EXPECT_EQ(headless::FindControl(3, ControlKind::Button, "Weiter"), 0);
  EXPECT_FALSE(headless::Window(3)->hooked) << "the hook went with the first window";
  ASSERT_EQ(headless::WindowHistory().size(), 2u);
  EXPECT_FALSE(headless::WindowHistory()[0].open);
  EXPECT_TRUE(headless::WindowHistory()[1].open);
}

TEST_F(HeadlessGuiTest, TitleVisibilityAndTopMostChangeTheRecordAndItsHistory) {
  Open(2, platform::kWindowHidden);
  platform::SetWindowTitle(2, "Installationsfortschritt ...");
  platform::SetWindowVisible(2, true);
  platform::SetWindowTopMost(2, true);
  EXPECT_EQ(headless::FindWindowByTitle("Installationsfortschritt ..."), 2);
  for (const headless::WindowRecord* window :
       {headless::Window(2), &headless::WindowHistory().back()}) {
    EXPECT_EQ(window->title, "Installationsfortschritt ...");
    EXPECT_EQ(window->layout.title, "window 2") << "as opened";
    EXPECT_TRUE(window->visible);
    EXPECT_TRUE(window->topMost);
  }
  platform::CloseWindow(2);
  EXPECT_FALSE(headless::FindWindowByTitle("Installationsfortschritt ...").has_value());
  EXPECT_FALSE(headless::WindowHistory().back().open);
}

TEST_F(HeadlessGuiTest, ControlsTakeTheDefaultFontOfTheirCreation) {
  Open(1);
  ASSERT_TRUE(platform::LoadFont(4, "Arial", 9, platform::kFontPlain));
  const platform::ControlId standard = Make(1, ControlKind::Label);
  platform::SetDefaultControlFont(4);
  const platform::ControlId body = Make(1, ControlKind::Label);
  platform::UseStandardControlFont();
  const platform::ControlId againStandard = Make(1, ControlKind::Label);

  EXPECT_FALSE(headless::Control(standard)->font.has_value());
  EXPECT_EQ(headless::Control(body)->font,
            (headless::FontRecord{"Arial", 9, platform::kFontPlain}));
  EXPECT_EQ(headless::Control(body)->fontNumber, 4);
  EXPECT_FALSE(headless::Control(againStandard)->font.has_value());
  EXPECT_EQ(headless::Control(againStandard)->fontNumber, -1);
}

TEST_F(HeadlessGuiTest, ControlsShowTheFontNowUnderTheirNumberAndTheStandardOneWhenItGoes) {
  Open(1);
  Open(2);
  const headless::FontRecord arial{"Arial", 9, platform::kFontPlain};
  const headless::FontRecord bold{"Arial", 10, platform::kFontBold};
  ASSERT_TRUE(platform::LoadFont(4, arial.face, arial.points, arial.style));
  ASSERT_TRUE(platform::LoadFont(5, bold.face, bold.points, bold.style));
  platform::SetDefaultControlFont(4);
  const platform::ControlId body = Make(1, ControlKind::Label);
  const platform::ControlId gone = Make(2, ControlKind::Label);
  platform::SetDefaultControlFont(5);
  const platform::ControlId button = Make(1, ControlKind::Button);
  platform::CloseWindow(2);

  const headless::FontRecord tahoma{"Tahoma", 12, platform::kFontItalic};
  ASSERT_TRUE(platform::LoadFont(4, tahoma.face, tahoma.points, tahoma.style));
  EXPECT_EQ(headless::Control(body)->font, tahoma);
  EXPECT_EQ(headless::Control(body)->fontNumber, 4);
  EXPECT_EQ(headless::Control(gone)->font, arial) << "a destroyed control keeps what it showed";
  EXPECT_EQ(headless::Control(button)->font, bold);

  platform::FreeFont(4);
  EXPECT_FALSE(headless::Control(body)->font.has_value());
  EXPECT_EQ(headless::Control(body)->fontNumber, -1);
  EXPECT_EQ(headless::Control(button)->font, bold) << "another font's controls keep theirs";
  EXPECT_EQ(headless::Control(button)->fontNumber, 5);
  ASSERT_TRUE(platform::LoadFont(4, arial.face, arial.points, arial.style));
  EXPECT_FALSE(headless::Control(body)->font.has_value()) << "freed means freed for good";

  EXPECT_FALSE(platform::LoadFont(-1, "Arial", 9, platform::kFontPlain)) << "-1 is no number";
  EXPECT_FALSE(headless::LoadedFont(-1).has_value());
}

TEST_F(HeadlessGuiTest, TheBackgroundIsSharedByEveryWindowOfTheSetup) {
  Open(0, platform::kWindowHidden);
  Open(3);
  const platform::BrushId brush = platform::MakeSolidBrush({1, 2, 3});
  EXPECT_TRUE(platform::SetWindowBackground(0, brush));
  Open(5);  // opened afterwards
  for (platform::WindowNumber number : {0, 3, 5}) {
    EXPECT_EQ(headless::Window(number)->background, brush) << number;
  }
  platform::CloseWindow(5);
  EXPECT_FALSE(platform::SetWindowBackground(5, platform::MakeSolidBrush({})))
      << "a closed window has no class to change";
  EXPECT_EQ(headless::Window(0)->background, brush);

  // Freed, it falls back to the system's colour in every record, the closed window's too.
  platform::FreeBrush(brush);
  EXPECT_FALSE(platform::SetWindowBackground(0, brush)) << "a freed brush";
  for (const headless::WindowRecord& window : headless::WindowHistory())
    EXPECT_EQ(window.background, 0u) << window.number;
}

TEST_F(HeadlessGuiTest, BrushesAreTrackedUntilFreed) {
  const platform::BrushId solid = platform::MakeSolidBrush({225, 245, 170});
  EXPECT_EQ(platform::MakePatternBrush(0), 0u) << "no picture 0 yet";
  platform::StorePicture(0, *platform::MakeImage(4, 4));
  const platform::BrushId pattern = platform::MakePatternBrush(0);
  ASSERT_NE(pattern, 0u);
  EXPECT_NE(pattern, solid);

  const auto solidRecord = headless::LiveBrush(solid);
  ASSERT_TRUE(solidRecord.has_value());
  EXPECT_FALSE(solidRecord->pattern);
  EXPECT_EQ(solidRecord->colour, (platform::Colour{225, 245, 170}));
  ASSERT_TRUE(headless::LiveBrush(pattern).has_value());
  EXPECT_EQ(headless::LiveBrush(pattern)->picture, 0);

  platform::FreeBrush(solid);
  EXPECT_FALSE(headless::LiveBrush(solid).has_value());
  EXPECT_TRUE(headless::LiveBrush(pattern).has_value());
}

platform::StaticColourAnswer AnswerEveryRequest(const platform::StaticColourRequest& request) {
  return platform::StaticColourAnswer{
      true, true, {static_cast<std::uint8_t>(request.control), 0, 0}, 7};
}

TEST_F(HeadlessGuiTest, TheWindowsHookAnswersForItsControlsInPanelsToo) {
  Open(3);
  Open(5);
  const platform::ControlId panel = Make(3, ControlKind::Panel);
  const platform::ControlId inPanel = Make(3, ControlKind::Label, panel);
  const platform::ControlId otherWindows = Make(5, ControlKind::Label);
  EXPECT_FALSE(headless::AskColourHook(3, inPanel).handled) << "no hook yet";

  platform::SetStaticColourHook(3, AnswerEveryRequest);
  EXPECT_TRUE(headless::Window(3)->hooked);
  const platform::StaticColourAnswer answer = headless::AskColourHook(3, inPanel);
  EXPECT_TRUE(answer.handled);
  EXPECT_EQ(answer.textColour.red, static_cast<std::uint8_t>(inPanel)) << "asked for that control";
  EXPECT_FALSE(headless::AskColourHook(3, otherWindows).handled);

  platform::SetStaticColourHook(3, nullptr);
  EXPECT_FALSE(headless::Window(3)->hooked);
  EXPECT_FALSE(headless::AskColourHook(3, inPanel).handled);
}

TEST_F(HeadlessGuiTest, WaitsWithoutAnAnswerRunOutOrStopTheProcess) {
  const auto unscripted = headless::RunProcess([] {
    EXPECT_EQ(platform::WaitEvent(250).kind, EventKind::None);
    EXPECT_EQ(platform::PollEvent().kind, EventKind::None);
    platform::WaitEvent(platform::kWaitForever);
    ADD_FAILURE() << "a wait without limit and without script must not return";
  });
  EXPECT_TRUE(unscripted.ended);
  EXPECT_EQ(unscripted.exitCode, headless::kExitUnscriptedWait);
  EXPECT_EQ(headless::Now(), 250u);

  std::vector<int> asked;
  headless::SetScriptedUser([&asked](int timeout) {
    asked.push_back(timeout);
    return platform::Event{};
  });
  const auto scripted = headless::RunProcess([] {
    platform::WaitEvent(100);
    platform::PollEvent();
    platform::WaitEvent(platform::kWaitForever);
  });
  EXPECT_EQ(scripted.exitCode, headless::kExitUnscriptedWait);
  EXPECT_EQ(asked, (std::vector<int>{100, 0, platform::kWaitForever}));
  EXPECT_EQ(headless::Now(), 350u);
}

TEST_F(HeadlessGuiTest, TheUsersPendingEventsComeFirstInOrderAndGoWithTheirWindow) {
  Open(1);
  Open(2, 0, 1);
  Open(3);
  const platform::ControlId box = Make(3, ControlKind::CheckBox);
  headless::PostUserEvent(headless::CloseRequestFor(2));
  headless::PostUserEvent(headless::Click(box));
  headless::PostUserEvent(headless::OtherEventIn(1));
  headless::PostUserEvent(headless::CloseRequestFor(3));
  headless::PostUserEvent(headless::OtherEventIn(4));  // no window 4: dropped at once
  EXPECT_EQ(platform::ControlState(box), 1) << "the click's change is made at once";
  platform::CloseWindow(1);  // with window 2, which it owns

  std::vector<int> asked;
  headless::SetScriptedUser([&asked](int timeout) {
    asked.push_back(timeout);
    return headless::OtherEventIn(3);
  });
  struct Expected {
    EventKind kind;
    platform::WindowNumber window;
    platform::ControlId control;
  };
  const Expected expected[] = {{EventKind::Control, 3, box},
                               {EventKind::CloseRequest, 3, 0},
                               {EventKind::Other, 3, 0}};  // the script's
  int step = 0;
  for (const Expected& e : expected) {
    const platform::Event event = step++ % 2 == 0 ? platform::PollEvent() : platform::WaitEvent(50);
    EXPECT_EQ(event.kind, e.kind) << step;
    EXPECT_EQ(event.window, e.window) << step;
    EXPECT_EQ(event.control, e.control) << step;
  }
  EXPECT_EQ(asked, std::vector<int>{0}) << "the script is asked only when nothing is pending";
}

TEST_F(HeadlessGuiTest, RegisteredKeysOfAShownWindowGiveShortcuts) {
  Open(6);
  Open(7, platform::kWindowHidden);
  platform::AddKeyboardShortcut(6, platform::kKeyEscape, 42);
  platform::AddKeyboardShortcut(7, platform::kKeyEscape, 43);

  const platform::Event escape = headless::KeyPress(6, platform::kKeyEscape);
  EXPECT_EQ(escape.kind, EventKind::Shortcut);
  EXPECT_EQ(escape.window, 6);
  EXPECT_EQ(escape.shortcut, 42);
  EXPECT_EQ(headless::KeyPress(6, 'A').kind, EventKind::Other);
  EXPECT_EQ(headless::KeyPress(7, platform::kKeyEscape).kind, EventKind::Other);
  platform::CloseWindow(6);
  Open(6);
  EXPECT_EQ(headless::KeyPress(6, platform::kKeyEscape).kind, EventKind::Other)
      << "shortcuts go with the window";
}

TEST_F(HeadlessGuiTest, CloseRequestsReachOpenWindowsHiddenOrNot) {
  Open(0, platform::kWindowHidden);
  EXPECT_EQ(headless::CloseRequestFor(0).kind, EventKind::CloseRequest);
  EXPECT_EQ(headless::CloseRequestFor(0).window, 0);
  EXPECT_TRUE(platform::IsWindowOpen(0)) << "a request alone closes nothing";
  platform::CloseWindow(0);
  EXPECT_EQ(headless::CloseRequestFor(0).kind, EventKind::Other);
}

TEST_F(HeadlessGuiTest, FramesArePlacedAsAskedOrCentredOnTheScreen) {
  Open(1);
  platform::WindowSpec centred;
  centred.innerWidth = 500;
  centred.innerHeight = 390;
  centred.style = platform::kWindowCaption | platform::kWindowCentred;
  ASSERT_TRUE(platform::OpenWindow(3, centred));

  EXPECT_EQ(platform::WindowFramePosition(1).x, 10);
  EXPECT_EQ(platform::WindowFramePosition(1).y, 20);
  // 1280 x 1024 screen; frame 500 + 2 * 3 wide, 390 + 2 * 3 + 22 high.
  EXPECT_EQ(platform::WindowFramePosition(3).x, (1280 - 506) / 2);
  EXPECT_EQ(platform::WindowFramePosition(3).y, (1024 - 418) / 2);
  EXPECT_EQ(platform::WindowInnerSize(3).width, 500);
  EXPECT_EQ(platform::WindowInnerSize(3).height, 390);
  platform::CloseWindow(3);
  EXPECT_EQ(platform::WindowInnerSize(3).width, 0);
}

TEST_F(HeadlessGuiTest, SystemMenuEntriesGoByTheirPositionAsTheyAreLeft) {
  Open(5, platform::kWindowSystemMenu);
  Open(1, platform::kWindowCaption);
  EXPECT_TRUE(platform::RemoveSystemMenuEntry(5, 6));   // Close
  EXPECT_TRUE(platform::RemoveSystemMenuEntry(5, 1));   // Move
  EXPECT_FALSE(platform::RemoveSystemMenuEntry(5, 5));  // only five entries are left
  EXPECT_FALSE(platform::RemoveSystemMenuEntry(1, 0)) << "no system menu";
  EXPECT_EQ(headless::Window(5)->removedMenuPositions, (std::vector<int>{6, 1}));
}

TEST_F(HeadlessGuiTest, WindowsCanBeMadeToFailAndShowImagesOnlyWhileOpen) {
  headless::FailOpeningWindow(3, true);
  platform::WindowSpec layout;
  layout.innerWidth = 10;
  layout.innerHeight = 10;
  EXPECT_FALSE(platform::OpenWindow(3, layout));
  EXPECT_FALSE(platform::IsWindowOpen(3));
  headless::FailOpeningWindow(3, false);
  EXPECT_TRUE(platform::OpenWindow(3, layout));

  const platform::Image image = *platform::MakeImage(2, 3, {9, 9, 9});
  EXPECT_TRUE(platform::ShowImageInWindow(3, image, 0, 0));
  EXPECT_FALSE(platform::ShowImageInWindow(4, image, 0, 0));
  ASSERT_NE(headless::LastImageShown(3), nullptr);
  EXPECT_EQ(headless::LastImageShown(3)->pixels, image.pixels);
  EXPECT_EQ(headless::ImagesShownCount(3), 1);
}

}  // namespace
