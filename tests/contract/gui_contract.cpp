#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "contract.h"
#include "platform/gui.h"
#include "platform/pictures.h"
#include "platform/system.h"

namespace {

using namespace platform;

constexpr WindowNumber kFirst = 10;
constexpr WindowNumber kSecond = 11;
constexpr WindowNumber kThird = 12;

WindowSpec WindowLayout(int width, int height, std::uint32_t style = kWindowCaption,
                        WindowNumber owner = kNoWindow) {
  WindowSpec layout;
  layout.x = 40;
  layout.y = 30;
  layout.innerWidth = width;
  layout.innerHeight = height;
  layout.title = "Fenster";
  layout.style = style;
  layout.owner = owner;
  return layout;
}

ControlSpec Control(ControlKind kind, int x, int y, const std::string& text = "", int group = 0) {
  ControlSpec layout;
  layout.kind = kind;
  layout.x = x;
  layout.y = y;
  layout.width = 120;
  layout.height = 20;
  layout.text = text;
  layout.group = group;
  return layout;
}

// The next event that is not Other, or None when the time runs out first.
Event NextNotableEvent(int timeoutMilliseconds = 2000) {
  const std::uint32_t start = TickCount();
  for (;;) {
    const std::uint32_t elapsed = TickCount() - start;
    if (elapsed >= static_cast<std::uint32_t>(timeoutMilliseconds)) return {};
    const Event event = WaitEvent(timeoutMilliseconds - static_cast<int>(elapsed));
    if (event.kind != EventKind::Other) return event;
  }
}

// Takes every pending event; whether one of them was of that kind.
bool DrainSaw(EventKind kind) {
  bool seen = false;
  for (Event event = PollEvent(); event.kind != EventKind::None; event = PollEvent())
    seen = seen || event.kind == kind;
  return seen;
}

// ---- Windows ----------------------------------------------------------------------------

TEST(GuiContract, AWindowOpensWithItsInnerSizeTitleAndStyle) {
  struct Case {
    std::uint32_t style;
    int width, height;
    bool visible, topMost;
  } cases[] = {
      {kWindowCaption, 300, 200, true, false},
      {kWindowSystemMenu | kWindowSizingBorder | kWindowHidden, 500, 390, false, false},
      {kWindowCaption | kWindowTopMost | kWindowCentred, 360, 50, true, true},
      {kWindowCaption | kWindowHidden | kWindowCentred, 960, 720, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.style);
    WindowSpec layout = WindowLayout(c.width, c.height, c.style);
    layout.title = "Größe ändern - QVD";
    ASSERT_TRUE(OpenWindow(kFirst, layout));
    EXPECT_TRUE(IsWindowOpen(kFirst));
    const Size inner = WindowInnerSize(kFirst);
    EXPECT_EQ(inner.width, c.width);
    EXPECT_EQ(inner.height, c.height);
    const contract::WindowFacts facts = contract::FactsOf(kFirst);
    EXPECT_EQ(facts.title, layout.title);
    EXPECT_EQ(facts.visible, c.visible);
    EXPECT_EQ(facts.topMost, c.topMost);
    const Point frame = WindowFramePosition(kFirst);
    if (c.style & kWindowCentred) {
      EXPECT_GT(frame.x, layout.x);
      EXPECT_GT(frame.y, 0);
    } else {
      EXPECT_EQ(frame.x, layout.x);
      EXPECT_EQ(frame.y, layout.y);
    }
  }
}

TEST(GuiContract, TitleVisibilityAndTopMostChangeOnRequest) {
  ASSERT_TRUE(OpenWindow(kFirst, WindowLayout(200, 100, kWindowCaption | kWindowHidden)));
  SetWindowTitle(kFirst, "Installationsfortschritt ...");
  SetWindowVisible(kFirst, true);
  SetWindowTopMost(kFirst, true);
  contract::WindowFacts facts = contract::FactsOf(kFirst);
  EXPECT_EQ(facts.title, "Installationsfortschritt ...");
  EXPECT_TRUE(facts.visible);
  EXPECT_TRUE(facts.topMost);
  SetWindowVisible(kFirst, false);
  SetWindowTopMost(kFirst, false);
  facts = contract::FactsOf(kFirst);
  EXPECT_FALSE(facts.visible);
  EXPECT_FALSE(facts.topMost);
}

TEST(GuiContract, ReopeningANumberReplacesItsWindowAndClosingFreesIt) {
  ASSERT_TRUE(OpenWindow(kFirst, WindowLayout(300, 200)));
  const ControlId button = CreateControl(kFirst, 0, Control(ControlKind::Button, 4, 4, "alt"));
  ASSERT_NE(button, 0);
  contract::ClickControl(button);
  contract::RequestClose(kFirst);
  ASSERT_TRUE(OpenWindow(kFirst, WindowLayout(200, 100)));
  EXPECT_EQ(WindowInnerSize(kFirst).width, 200);
  EXPECT_FALSE(IsControlVisible(button)) << "the controls went with the earlier window";
  EXPECT_EQ(NextNotableEvent(300).kind, EventKind::None)
      << "the earlier window's click and close request went with it";

  CloseWindow(kFirst);
  EXPECT_FALSE(IsWindowOpen(kFirst));
  CloseWindow(kFirst);  // passed over
  SetWindowTitle(kFirst, "x");
  EXPECT_FALSE(IsWindowOpen(kFirst));
  EXPECT_EQ(CreateControl(kFirst, 0, Control(ControlKind::Label, 4, 4, "x")), 0);
}

TEST(GuiContract, AWindowIsOwnedOnlyByAnOpenWindowAndGoesWithIt) {
  ASSERT_TRUE(OpenWindow(kFirst, WindowLayout(300, 200, kWindowCaption | kWindowHidden)));
  ASSERT_TRUE(OpenWindow(kSecond, WindowLayout(200, 100, kWindowCaption, kFirst)));
  ASSERT_TRUE(OpenWindow(kThird, WindowLayout(200, 100, kWindowCaption, 13)));
  EXPECT_EQ(contract::FactsOf(kSecond).owner, kFirst);
  EXPECT_EQ(contract::FactsOf(kThird).owner, kNoWindow);
  const ControlId button = CreateControl(kSecond, 0, Control(ControlKind::Button, 4, 4, "OK"));
  ASSERT_NE(button, 0);
  DrainSaw(EventKind::Other);
  contract::ClickControl(button);
  contract::RequestClose(kSecond);

  CloseWindow(kFirst);
  EXPECT_FALSE(IsWindowOpen(kSecond)) << "the system destroys owned windows with their owner";
  EXPECT_TRUE(IsWindowOpen(kThird));
  EXPECT_EQ(NextNotableEvent(300).kind, EventKind::None)
      << "the owned window's click and close request went with it";
  ASSERT_TRUE(OpenWindow(13, WindowLayout(200, 100)));
  CloseWindow(13);
  EXPECT_TRUE(IsWindowOpen(kThird)) << "a number that was not open when it opened owns nothing";
  EXPECT_TRUE(OpenWindow(kSecond, WindowLayout(200, 100))) << "the number is free again";
}

TEST(GuiContract, SystemMenuEntriesAreRemovedByPosition) {
  ASSERT_TRUE(OpenWindow(kFirst, WindowLayout(300, 200, kWindowSystemMenu)));
  EXPECT_TRUE(RemoveSystemMenuEntry(kFirst, 1));
  EXPECT_FALSE(RemoveSystemMenuEntry(kFirst, 50));
  EXPECT_FALSE(RemoveSystemMenuEntry(kSecond, 1)) << "no such window";
}

// ---- Controls ---------------------------------------------------------------------------

TEST(GuiContract, ControlsKeepTheirTextAndTheirEnabledAndVisibleState) {
  ASSERT_TRUE(OpenWindow(kFirst, WindowLayout(500, 400)));
  ControlSpec panelSpec = Control(ControlKind::Panel, 250, 0);
  panelSpec.width = 240;
  panelSpec.height = 390;
  const ControlId panel = CreateControl(kFirst, 0, panelSpec);
  ASSERT_NE(panel, 0);
  const ControlKind kinds[] = {ControlKind::Label,    ControlKind::CentredLabel,
                               ControlKind::Button,   ControlKind::RadioOption,
                               ControlKind::CheckBox, ControlKind::GroupFrame,
                               ControlKind::RichText};
  const std::string text = "Größe:\tä\rü ß";
  int y = 0;
  for (const ControlId parent : {ControlId{0}, panel}) {
    for (const ControlKind kind : kinds) {
      SCOPED_TRACE(static_cast<int>(kind) + 100 * (parent != 0));
      const ControlId control = CreateControl(kFirst, parent, Control(kind, 4, y += 22, text));
      ASSERT_NE(control, 0);
      EXPECT_EQ(ControlText(control), text);
      SetControlText(control, "Weiter");
      EXPECT_EQ(ControlText(control), "Weiter");
      EXPECT_TRUE(IsControlEnabled(control));
      EXPECT_TRUE(IsControlVisible(control));
      SetControlEnabled(control, false);
      SetControlVisible(control, false);
      EXPECT_FALSE(IsControlEnabled(control));
      EXPECT_FALSE(IsControlVisible(control));
      SetControlEnabled(control, true);
      SetControlVisible(control, true);
      EXPECT_TRUE(IsControlEnabled(control));
      EXPECT_TRUE(IsControlVisible(control));
    }
  }
  const ControlId label = CreateControl(kFirst, 0, Control(ControlKind::Label, 4, 4, "x"));
  EXPECT_EQ(CreateControl(kFirst, label, Control(ControlKind::Label, 4, 4, "x")), 0)
      << "a label holds no controls";
}

// Both are the control's own flags: a control in a hidden or disabled panel, or in a hidden
// window, still reports itself shown and enabled, and showing the panel again does not show a
// control that was hidden by itself.
TEST(GuiContract, VisibleAndEnabledAreEachControlsOwnFlags) {
  ASSERT_TRUE(OpenWindow(kFirst, WindowLayout(500, 400, kWindowCaption | kWindowHidden)));
  ControlSpec panelSpec = Control(ControlKind::Panel, 250, 0);
  panelSpec.width = 240;
  panelSpec.height = 390;
  const ControlId panel = CreateControl(kFirst, 0, panelSpec);
  ASSERT_NE(panel, 0);
  const ControlId inWindow = CreateControl(kFirst, 0, Control(ControlKind::Button, 4, 4, "a"));
  const ControlId inPanel = CreateControl(kFirst, panel, Control(ControlKind::CheckBox, 4, 4));
  const ControlId hiddenInPanel =
      CreateControl(kFirst, panel, Control(ControlKind::Label, 4, 30, "b"));
  SetControlVisible(hiddenInPanel, false);
  SetControlVisible(panel, false);
  SetControlEnabled(panel, false);

  EXPECT_FALSE(IsControlVisible(panel));
  EXPECT_FALSE(IsControlEnabled(panel));
  for (const ControlId control : {inWindow, inPanel}) {
    EXPECT_TRUE(IsControlVisible(control)) << control;
    EXPECT_TRUE(IsControlEnabled(control)) << control;
  }
  SetControlVisible(panel, true);
  EXPECT_FALSE(IsControlVisible(hiddenInPanel));
}

TEST(GuiContract, ARichTextBoxHoldsALongText) {
  ASSERT_TRUE(OpenWindow(kFirst, WindowLayout(500, 330)));
  std::string text;
  while (text.size() < 40000)
    text += "Nutzungsbedingungen für QVDLumorak. ";
  ControlSpec layout = Control(ControlKind::RichText, 10, 60, text);
  layout.width = 470;
  layout.height = 220;
  const ControlId box = CreateControl(kFirst, 0, layout);
  ASSERT_NE(box, 0);
  EXPECT_EQ(ControlText(box), text);
}

TEST(GuiContract, AProgressBarHoldsItsPositionAndOnlyOneSetsAMark) {
  ASSERT_TRUE(OpenWindow(kFirst, WindowLayout(300, 50)));
  const ControlId bar = CreateControl(kFirst, 0, Control(ControlKind::ProgressBar, 4, 2));
  ASSERT_NE(bar, 0);
  for (const int position : {37, 100, 0}) {
    SetControlState(bar, position);
    EXPECT_EQ(ControlState(bar), position);
  }
  const ControlId box = CreateControl(kFirst, 0, Control(ControlKind::CheckBox, 4, 24));
  ASSERT_NE(box, 0);
  const std::pair<int, int> marks[] = {{1, 1}, {2, 0}, {1, 1}, {-1, 0}, {1, 1}, {0, 0}};
  for (const auto& [given, kept] : marks) {
    SetControlState(box, given);
    EXPECT_EQ(ControlState(box), kept) << given;
  }
}

struct ChoicePage {
  ControlId panel = 0;
  ControlId first = 0;   // radio option, group 1, in the window
  ControlId second = 0;  // radio option, group 1, in the panel
  ControlId other = 0;   // radio option, group 2, in the window
  ControlId box = 0;     // check box, in the panel
  std::vector<int> States() const {
    return {ControlState(first), ControlState(second), ControlState(other), ControlState(box)};
  }
};

ChoicePage OpenChoicePage() {
  ChoicePage page;
  if (!OpenWindow(kFirst, WindowLayout(500, 390))) return page;
  ControlSpec panelSpec = Control(ControlKind::Panel, 130, 0);
  panelSpec.width = 369;
  panelSpec.height = 350;
  page.panel = CreateControl(kFirst, 0, panelSpec);
  page.first = CreateControl(kFirst, 0, Control(ControlKind::RadioOption, 10, 160, "", 1));
  CreateControl(kFirst, 0, Control(ControlKind::Label, 10, 184, "dazwischen"));
  page.second =
      CreateControl(kFirst, page.panel, Control(ControlKind::RadioOption, 10, 184, "", 1));
  page.other = CreateControl(kFirst, 0, Control(ControlKind::RadioOption, 10, 208, "", 2));
  page.box = CreateControl(kFirst, page.panel, Control(ControlKind::CheckBox, 10, 234));
  return page;
}

TEST(GuiContract, AClickSelectsARadioOptionInItsGroupAcrossPanelsAndTogglesACheckBox) {
  const ChoicePage page = OpenChoicePage();
  ASSERT_NE(page.box, 0);
  DrainSaw(EventKind::Control);
  struct Step {
    ControlId control;
    bool click;  // else SetControlState(control, 1), which gives no event
    std::vector<int> states;
  } steps[] = {
      {page.first, true, {1, 0, 0, 0}},  {page.second, true, {0, 1, 0, 0}},
      {page.other, true, {0, 1, 1, 0}},  {page.box, true, {0, 1, 1, 1}},
      {page.box, true, {0, 1, 1, 0}},    {page.first, false, {1, 0, 1, 0}},
      {page.second, true, {0, 1, 1, 0}}, {page.second, true, {0, 1, 1, 0}},
  };
  int number = 0;
  for (const Step& step : steps) {
    SCOPED_TRACE(number++);
    if (step.click) {
      contract::ClickControl(step.control);
      const Event event = NextNotableEvent();
      EXPECT_EQ(event.kind, EventKind::Control);
      EXPECT_EQ(event.window, kFirst);
      EXPECT_EQ(event.control, step.control);
    } else {
      SetControlState(step.control, 1);
    }
    EXPECT_EQ(page.States(), step.states);
  }
}

TEST(GuiContract, DisabledOrHiddenControlsGetNoClicksAndKeepTheirMark) {
  const ChoicePage page = OpenChoicePage();
  ASSERT_NE(page.box, 0);
  SetControlState(page.box, 1);
  SetControlState(page.other, 1);
  SetControlEnabled(page.box, false);
  SetControlEnabled(page.other, false);
  EXPECT_EQ(ControlState(page.box), 1) << "disabling keeps the mark";
  EXPECT_EQ(ControlState(page.other), 1);
  SetControlVisible(page.first, false);
  SetControlVisible(page.panel, false);
  DrainSaw(EventKind::Control);

  for (const ControlId control : {page.box, page.other, page.first, page.second}) {
    contract::ClickControl(control);
    EXPECT_FALSE(DrainSaw(EventKind::Control)) << control;
  }
  EXPECT_EQ(page.States(), (std::vector<int>{0, 0, 1, 1}));
}

// What lies in a disabled panel or in a hidden window cannot be clicked either, though its own
// flags say enabled and shown.
TEST(GuiContract, ControlsInADisabledPanelOrAHiddenWindowGetNoClicks) {
  const ChoicePage page = OpenChoicePage();
  ASSERT_NE(page.box, 0);
  SetControlEnabled(page.panel, false);
  DrainSaw(EventKind::Control);
  contract::ClickControl(page.box);
  EXPECT_FALSE(DrainSaw(EventKind::Control)) << "in a disabled panel";
  EXPECT_EQ(ControlState(page.box), 0);

  SetControlEnabled(page.panel, true);
  SetWindowVisible(kFirst, false);
  DrainSaw(EventKind::Control);
  for (const ControlId control : {page.box, page.first}) {
    contract::ClickControl(control);
    EXPECT_FALSE(DrainSaw(EventKind::Control)) << "in a hidden window: " << control;
  }
  EXPECT_EQ(page.States(), (std::vector<int>{0, 0, 0, 0}));
}

// ---- Events -----------------------------------------------------------------------------

TEST(GuiContract, AWaitWithNothingHappeningRunsOutAfterItsTime) {
  ASSERT_TRUE(OpenWindow(kFirst, WindowLayout(300, 200)));
  DrainSaw(EventKind::Other);
  EXPECT_EQ(PollEvent().kind, EventKind::None);
  const std::uint32_t start = TickCount();
  EXPECT_EQ(WaitEvent(300).kind, EventKind::None);
  const std::uint32_t elapsed = TickCount() - start;
  EXPECT_GE(elapsed, 280u);
  EXPECT_LT(elapsed, 1500u);
}

TEST(GuiContract, UserActionsGiveTheirEventsAtOnce) {
  ASSERT_TRUE(OpenWindow(kFirst, WindowLayout(300, 200, kWindowSystemMenu)));
  ASSERT_TRUE(OpenWindow(kSecond, WindowLayout(300, 200, kWindowCaption, kFirst)));
  const ControlId button = CreateControl(kSecond, 0, Control(ControlKind::Button, 10, 10, "OK"));
  AddKeyboardShortcut(kFirst, kKeyEscape, 7);
  AddKeyboardShortcut(kSecond, kKeyEscape, 8);
  DrainSaw(EventKind::Other);

  const std::uint32_t start = TickCount();
  contract::MoveMouseOver(kFirst);
  Event event = WaitEvent(kWaitForever);
  EXPECT_EQ(event.kind, EventKind::Other);
  EXPECT_EQ(event.window, kFirst);
  EXPECT_LT(TickCount() - start, 1000u) << "the wait returns when the event comes";

  contract::RequestClose(kFirst);
  event = NextNotableEvent();
  EXPECT_EQ(event.kind, EventKind::CloseRequest);
  EXPECT_EQ(event.window, kFirst);
  EXPECT_TRUE(IsWindowOpen(kFirst)) << "only the program closes a window";

  contract::PressKey(kFirst, kKeyEscape);
  event = NextNotableEvent();
  EXPECT_EQ(event.kind, EventKind::Shortcut);
  EXPECT_EQ(event.window, kFirst);
  EXPECT_EQ(event.shortcut, 7);

  contract::ClickControl(button);  // the keyboard is now with the button in the second window
  EXPECT_EQ(NextNotableEvent().control, button);
  contract::PressKey(kSecond, kKeyEscape);
  event = NextNotableEvent();
  EXPECT_EQ(event.kind, EventKind::Shortcut);
  EXPECT_EQ(event.window, kSecond);
  EXPECT_EQ(event.shortcut, 8);

  contract::PressKey(kFirst, 'A');
  EXPECT_FALSE(DrainSaw(EventKind::Shortcut)) << "only registered keys are shortcuts";
}

// ---- Fonts ------------------------------------------------------------------------------

TEST(GuiContract, ControlsTakeTheDefaultFontOfTheirCreation) {
  ASSERT_TRUE(OpenWindow(kFirst, WindowLayout(300, 200)));
  ASSERT_TRUE(LoadFont(3, "Arial", 10, kFontBold));
  ASSERT_TRUE(LoadFont(4, "Arial", 9, kFontPlain));
  SetDefaultControlFont(3);
  const ControlId bold = CreateControl(kFirst, 0, Control(ControlKind::Label, 4, 4, "a"));
  SetDefaultControlFont(4);
  const ControlId body = CreateControl(kFirst, 0, Control(ControlKind::Button, 4, 30, "b"));
  UseStandardControlFont();
  const ControlId standard = CreateControl(kFirst, 0, Control(ControlKind::Label, 4, 60, "c"));
  SetDefaultControlFont(9);  // never loaded
  const ControlId fallback = CreateControl(kFirst, 0, Control(ControlKind::Label, 4, 90, "d"));

  EXPECT_TRUE(contract::ControlUsesFont(bold, 3));
  EXPECT_TRUE(contract::ControlUsesFont(body, 4));
  EXPECT_FALSE(contract::ControlUsesFont(body, 3));
  EXPECT_TRUE(contract::ControlUsesFont(standard, contract::kStandardFont));
  EXPECT_TRUE(contract::ControlUsesFont(fallback, contract::kStandardFont));
  EXPECT_FALSE(LoadFont(-1, "Arial", 10, kFontBold)) << "-1 is no font number";
  EXPECT_TRUE(contract::ControlUsesFont(standard, contract::kStandardFont));
}

TEST(GuiContract, ControlsFollowTheirFontWhenItIsReplacedOrFreed) {
  ASSERT_TRUE(OpenWindow(kFirst, WindowLayout(300, 200)));
  ControlSpec panelSpec = Control(ControlKind::Panel, 150, 0);
  panelSpec.height = 190;
  const ControlId panel = CreateControl(kFirst, 0, panelSpec);
  ASSERT_TRUE(LoadFont(3, "Arial", 10, kFontBold));
  ASSERT_TRUE(LoadFont(4, "Arial", 9, kFontPlain));
  SetDefaultControlFont(3);
  const ControlId heading = CreateControl(kFirst, 0, Control(ControlKind::Label, 4, 4, "a"));
  const ControlId option = CreateControl(kFirst, panel, Control(ControlKind::RadioOption, 4, 4));
  SetDefaultControlFont(4);
  const ControlId body = CreateControl(kFirst, 0, Control(ControlKind::Button, 4, 30, "b"));
  ASSERT_NE(option, 0);

  ASSERT_TRUE(LoadFont(3, "Arial", 14, kFontItalic));
  for (const ControlId control : {heading, option})
    EXPECT_TRUE(contract::ControlUsesFont(control, 3)) << "the new font of that number";
  EXPECT_TRUE(contract::ControlUsesFont(body, 4));

  FreeFont(3);
  for (const ControlId control : {heading, option}) {
    EXPECT_TRUE(contract::ControlUsesFont(control, contract::kStandardFont)) << control;
  }
  EXPECT_TRUE(contract::ControlUsesFont(body, 4));
  ASSERT_TRUE(LoadFont(3, "Arial", 10, kFontBold));
  EXPECT_TRUE(contract::ControlUsesFont(heading, contract::kStandardFont))
      << "a freed font's controls stay with the standard font";
}

// ---- Pictures in windows, backgrounds and colours ---------------------------------------

Image TwoColourImage(int width, int height, Colour left, Colour right) {
  Image image = *MakeImage(width, height, left);
  for (int y = 0; y < height; ++y) {
    for (int x = width / 2; x < width; ++x)
      image.At(x, y) = right;
  }
  return image;
}

constexpr Colour kRed{200, 0, 0};
constexpr Colour kBlue{0, 0, 200};
constexpr Colour kGreen{0, 160, 0};

TEST(GuiContract, AnImageShownInAWindowAppearsAtItsPlaceAndStays) {
  ASSERT_TRUE(OpenWindow(kFirst, WindowLayout(200, 100)));
  DrainSaw(EventKind::Other);
  const Image image = TwoColourImage(40, 30, kRed, kBlue);
  ASSERT_TRUE(ShowImageInWindow(kFirst, image, 20, 10));
  EXPECT_EQ(contract::ShownPixel(kFirst, 20, 10), kRed);
  EXPECT_EQ(contract::ShownPixel(kFirst, 59, 39), kBlue);

  // A repaint of the whole window draws it again.
  SetWindowBackground(kFirst, MakeSolidBrush(kGreen));
  DrainSaw(EventKind::Other);
  EXPECT_EQ(contract::ShownPixel(kFirst, 21, 11), kRed);
  EXPECT_EQ(contract::ShownPixel(kFirst, 5, 5), kGreen);

  EXPECT_FALSE(ShowImageInWindow(kSecond, image, 0, 0)) << "no such window";
  Image torn = image;
  torn.pixels.resize(torn.pixels.size() / 2);
  EXPECT_FALSE(ShowImageInWindow(kFirst, torn, 0, 0)) << "fewer pixels than its size";
  EXPECT_FALSE(ShowImageInWindow(kFirst, Image{}, 0, 0)) << "no pixels";
  EXPECT_EQ(contract::ShownPixel(kFirst, 20, 10), kRed);
}

TEST(GuiContract, TheBackgroundBrushIsSharedByAllWindows) {
  ASSERT_TRUE(OpenWindow(kFirst, WindowLayout(200, 100, kWindowCaption | kWindowHidden)));
  ASSERT_TRUE(OpenWindow(kSecond, WindowLayout(200, 100, kWindowCaption, kFirst)));
  const BrushId green = MakeSolidBrush(kGreen);
  ASSERT_NE(green, 0u);
  ASSERT_TRUE(SetWindowBackground(kFirst, green));
  EXPECT_EQ(contract::FactsOf(kFirst).background, green);
  EXPECT_EQ(contract::FactsOf(kSecond).background, green);
  ASSERT_TRUE(OpenWindow(kThird, WindowLayout(200, 100)));
  EXPECT_EQ(contract::FactsOf(kThird).background, green);
  DrainSaw(EventKind::Other);
  EXPECT_EQ(contract::ShownPixel(kThird, 100, 50), kGreen);
  EXPECT_FALSE(SetWindowBackground(13, green)) << "no such window";

  // A freed brush is no window's background any more, nor can it become one.
  FreeBrush(green);
  EXPECT_EQ(contract::FactsOf(kSecond).background, 0u);
  EXPECT_FALSE(SetWindowBackground(kFirst, green));
  EXPECT_EQ(contract::FactsOf(kFirst).background, 0u);
  // Freeing another brush leaves the background alone.
  const BrushId red = MakeSolidBrush(kRed);
  ASSERT_TRUE(SetWindowBackground(kFirst, red));
  FreeBrush(MakeSolidBrush(kBlue));
  EXPECT_EQ(contract::FactsOf(kThird).background, red);
}

TEST(GuiContract, APatternBrushTilesItsPicture) {
  EXPECT_EQ(MakePatternBrush(7), 0u) << "no picture 7";
  StorePicture(7, TwoColourImage(8, 8, kRed, kBlue));
  const BrushId pattern = MakePatternBrush(7);
  ASSERT_NE(pattern, 0u);
  ASSERT_TRUE(OpenWindow(kFirst, WindowLayout(200, 100)));
  ASSERT_TRUE(SetWindowBackground(kFirst, pattern));
  DrainSaw(EventKind::Other);
  for (const int x : {0, 3, 8, 11, 100, 150})
    EXPECT_EQ(contract::ShownPixel(kFirst, x, 21), x % 8 < 4 ? kRed : kBlue) << x;
}

ControlId hookedLabel = 0;
BrushId hookBrush = 0;
StaticColourRequest lastRequest;

StaticColourAnswer PaleMessageColours(const StaticColourRequest& request) {
  lastRequest = request;
  StaticColourAnswer answer;
  if (request.control != hookedLabel) return answer;
  answer.handled = true;
  answer.transparentText = true;
  answer.textColour = {255, 0, 255};
  answer.brush = hookBrush;
  return answer;
}

TEST(GuiContract, TheColourHookAnswersForLabelsInPanelsBeforeTheirOwnColour) {
  ASSERT_TRUE(OpenWindow(kFirst, WindowLayout(500, 390)));
  ControlSpec panelSpec = Control(ControlKind::Panel, 6, 160);
  panelSpec.width = 356;
  panelSpec.height = 100;
  const ControlId panel = CreateControl(kFirst, 0, panelSpec);
  hookedLabel = CreateControl(kFirst, panel, Control(ControlKind::Label, 6, 8, "Abbruch"));
  const ControlId plain = CreateControl(kFirst, 0, Control(ControlKind::Label, 4, 4, "a"));
  const ControlId white = CreateControl(kFirst, 0, Control(ControlKind::Label, 4, 30, "b"));
  SetControlBackground(white, Colour{255, 255, 255});
  SetControlBackground(hookedLabel, Colour{255, 255, 255});
  hookBrush = MakeSolidBrush(Colour{225, 245, 170});
  SetStaticColourHook(kFirst, PaleMessageColours);

  contract::ColourAnswer answer = contract::AskStaticColour(kFirst, hookedLabel);
  EXPECT_EQ(lastRequest.window, kFirst);
  EXPECT_EQ(lastRequest.control, hookedLabel);
  EXPECT_EQ(answer.brush, hookBrush);
  EXPECT_EQ(answer.textColour, (Colour{255, 0, 255}));
  EXPECT_TRUE(answer.transparentText);

  answer = contract::AskStaticColour(kFirst, white);
  EXPECT_NE(answer.brush, hookBrush);
  EXPECT_EQ(answer.brushColour, (Colour{255, 255, 255}));

  answer = contract::AskStaticColour(kFirst, plain);
  EXPECT_NE(answer.brush, hookBrush);
  EXPECT_FALSE(answer.transparentText);

  SetStaticColourHook(kFirst, nullptr);
  answer = contract::AskStaticColour(kFirst, hookedLabel);
  EXPECT_EQ(answer.brushColour, (Colour{255, 255, 255})) << "its own colour without the hook";
  EXPECT_FALSE(answer.transparentText);
}

}  // namespace
