// The wizard as its user meets it: the scripted user looks at the windows that are shown, clicks
// the option beside a text or the button of a text, and the test sees what the wizard returns.
#include "wizard/setup_wizard.h"

#include "headless_test.h"
#include "platform/pictures.h"
#include "toolkit/resource_numbers.h"
#include "wizard/choice.h"
#include "wizard_user.h"

namespace {

using platform::ControlKind;
using platform::EventKind;
using wizard::WizardChoice;

constexpr const char* kOlderSetupDate =
    "Das Setupdatum ist jünger als das der bereits installierten Version und die "
    "Versionsnummer ist gleich der Installierten.\r\rDer Vorgang wird abgebrochen.";
constexpr const char* kOlderSetupVersion =
    "Die Setupversion ist älter als eine bereits installierte Version.\r\rDer Vorgang wird "
    "abgebrochen.";
constexpr const char* kNewerVersionOlderDate =
    "Das Setupdatum ist jünger als das der bereits installierten Version und die "
    "Versionsnummer ist größer als die Installierte.\r\rDer Vorgang wird abgebrochen.";

struct Arguments {
  std::int32_t setupVersion = 1001018;
  std::string setupDate = "31.12.2012";
  std::int32_t installedVersion = 0;
  std::string installedDate;
  int topColourIndex = 252;
  int bottomColourIndex = 0;
  int uninstallLocked = 0;
  int desktopLinkAllowed = 1;
  int fileTypeAllowed = 1;
};

using fixture::ClickOn;
using fixture::Look;
using fixture::Meant;
using fixture::Step;
constexpr auto ShownWindow = fixture::ShownWizardWindow;

bool Enabled(const std::string& text) {
  const platform::ControlId control = Meant(text);
  return control != 0 && platform::IsControlEnabled(control);
}

bool Visible(const std::string& text) {
  const platform::ControlId control = Meant(text);
  return control != 0 && headless::Control(control)->visible;
}

struct Outcome {
  WizardChoice choice = wizard::Cancelled;
  bool returned = false;
  std::string failure;
  bool mainWindowOpen = false;
  platform::FontNumber defaultFont = 0;
};

class SetupWizardTest : public HeadlessTest {
 protected:
  // A fresh machine and program for the next case of a table.
  void Restart() { SetUp(); }

  // Runs the wizard in the program's process and notes what it leaves when it returns.
  static Outcome Run(const Arguments& a, std::vector<Step> steps) {
    fixture::PlaySteps(std::move(steps));
    Outcome outcome;
    const headless::ProcessOutcome process = headless::RunProcess([&] {
      outcome.choice = wizard::RunSetupWizard(
          "QVDLumorak", a.setupVersion, a.setupDate, "Eirik Nordavik", "www.nordavik.example",
          "Lizenztext", a.installedVersion, a.installedDate, a.topColourIndex, a.bottomColourIndex,
          a.uninstallLocked, a.desktopLinkAllowed, a.fileTypeAllowed);
      outcome.returned = true;
      outcome.mainWindowOpen = platform::IsWindowOpen(numbers::kWizardMainWindow);
      outcome.defaultFont = headless::DefaultControlFont();
    });
    outcome.failure = process.failure;
    return outcome;
  }
};

TEST_F(SetupWizardTest, ShowsAHiddenMainWindowAndTheDialogWithTheFactsOfBothVersions) {
  Arguments a;
  a.installedVersion = 1000999;
  a.installedDate = "01.02.2011";
  const Outcome outcome =
      Run(a, {Look(), Look([] {
                const headless::WindowRecord& main = *headless::Window(numbers::kWizardMainWindow);
                EXPECT_TRUE(main.open);
                EXPECT_FALSE(main.visible);
                EXPECT_EQ(main.title, "SETUP - QVDLumorak");
                EXPECT_EQ(main.layout.innerWidth, 960);
                EXPECT_EQ(main.layout.innerHeight, 720);
                EXPECT_EQ(main.layout.style,
                          platform::kWindowSystemMenu | platform::kWindowSizingBorder |
                              platform::kWindowCentred | platform::kWindowHidden);

                ASSERT_EQ(ShownWindow(), numbers::kWizardDialog);
                const headless::WindowRecord& dialog = *headless::Window(numbers::kWizardDialog);
                EXPECT_EQ(dialog.title, "SETUP - QVDLumorak");
                EXPECT_EQ(dialog.layout.innerWidth, 500);
                EXPECT_EQ(dialog.layout.innerHeight, 390);
                EXPECT_EQ(dialog.layout.style, platform::kWindowCaption | platform::kWindowCentred);
                EXPECT_EQ(dialog.layout.owner, numbers::kWizardMainWindow);
                EXPECT_EQ(dialog.background, main.background)
                    << "the gradient is every window's background";

                for (const char* text :
                     {"Programm: QVDLumorak", "Setup-Version\t\t: 001.001.018",
                      "Versionsdatum\t: 31.12.2012", "Copyright Eirik Nordavik",
                      "Installierte Version\t: 001.000.999", "Versionsdatum\t: 01.02.2011",
                      "Bitte eine Option wählen ...", "installieren", "UpDate installieren",
                      "deinstalieren", "Desktop Shortcut?", "Dateityp registrieren?",
                      "www.nordavik.example"}) {
                  const platform::ControlId label =
                      headless::FindControl(numbers::kWizardDialog, ControlKind::Label, text);
                  ASSERT_NE(label, 0) << text;
                  EXPECT_TRUE(headless::Control(label)->visible) << text;
                }
                EXPECT_NE(Meant("Weiter"), 0);
                EXPECT_NE(Meant("Abbruch"), 0);
              }),
              ClickOn("Abbruch")});
  EXPECT_TRUE(outcome.returned) << outcome.failure;
  EXPECT_EQ(outcome.choice, wizard::Cancelled);
  EXPECT_FALSE(outcome.mainWindowOpen) << "Abbruch closes the main window";
}

TEST_F(SetupWizardTest, ThePageIsBuiltAtTheFirstEventAfterTheDialogOpened) {
  const Outcome outcome =
      Run({}, {Look([] {
                 EXPECT_TRUE(headless::Window(numbers::kWizardDialog)->visible);
                 EXPECT_TRUE(headless::ControlsOf(numbers::kWizardDialog).empty()) << "still empty";
               }),
               Look([] { EXPECT_FALSE(headless::ControlsOf(numbers::kWizardDialog).empty()); }),
               ClickOn("Abbruch")});
  EXPECT_TRUE(outcome.returned) << outcome.failure;
}

// What the comparison of the installed copy with the setup (001.001.018 of 31.12.2012) offers.
TEST_F(SetupWizardTest, TheComparisonDecidesWhichOptionsRemainOrRefuses) {
  struct Case {
    const char* what;
    std::int32_t installedVersion;
    const char* installedDate;
    int uninstallLocked;
    bool install, update, uninstall;  // enabled
    const char* updateLabel;
    const char* refusal;  // null: the options stay
  };
  const char* kUpdate = "UpDate installieren";
  const Case cases[] = {
      {"nothing recorded", 0, "", 0, true, false, false, kUpdate, nullptr},
      {"a date without version", 0, "31.12.2012", 0, true, false, false, kUpdate, nullptr},
      {"a version without date", 1001018, "", 0, true, false, false, kUpdate, nullptr},
      {"an unreadable date", 1001018, "2012-12-31", 0, true, false, false, kUpdate, nullptr},
      {"same build", 1001018, "31.12.2012", 0, false, true, true, wizard::kRepairLabel, nullptr},
      {"newer setup date", 1001018, "30.12.2012", 0, false, true, true, wizard::kRepairLabel,
       nullptr},
      {"same build, uninstall locked", 1001018, "31.12.2012", 1, false, true, false,
       wizard::kRepairLabel, nullptr},
      {"newer setup version", 1001017, "31.12.2012", 0, false, true, true, kUpdate, nullptr},
      {"newer setup version and date", 1000000, "01.01.2008", 0, false, true, true, kUpdate,
       nullptr},
      {"older setup date", 1001018, "01.01.2013", 0, false, false, false, nullptr, kOlderSetupDate},
      {"older setup version", 1001019, "31.12.2012", 0, false, false, false, nullptr,
       kOlderSetupVersion},
      {"older setup version, older installed date", 2000000, "01.01.2000", 0, false, false, false,
       nullptr, kOlderSetupVersion},
      {"newer version, older date", 1001017, "01.01.2013", 0, false, false, false, nullptr,
       kNewerVersionOlderDate},
  };
  for (const Case& c : cases) {
    Restart();
    Arguments a;
    a.installedVersion = c.installedVersion;
    a.installedDate = c.installedDate;
    a.uninstallLocked = c.uninstallLocked;
    // The page is built at the first look and read at the second.
    const Outcome outcome = Run(
        a,
        {Look(), Look(), Look([&c] {
           SCOPED_TRACE(c.what);
           const platform::WindowNumber dialog = numbers::kWizardDialog;
           const platform::ControlId message =
               c.refusal ? headless::FindControl(dialog, ControlKind::Label, c.refusal) : 0;
           if (c.refusal == nullptr) {
             EXPECT_EQ(Enabled("installieren"), c.install);
             EXPECT_EQ(Enabled(c.updateLabel), c.update);
             EXPECT_EQ(Enabled("deinstalieren"), c.uninstall);
             EXPECT_FALSE(headless::Window(dialog)->hooked);
             return;
           }
           ASSERT_NE(message, 0) << "the refusal is shown";
           const headless::ControlRecord& label = *headless::Control(message);
           EXPECT_TRUE(headless::Control(label.panel)->visible) << "its panel is shown";
           for (const char* hidden : {"installieren", "UpDate installieren", "deinstalieren",
                                      "Desktop Shortcut?", "Dateityp registrieren?"}) {
             EXPECT_FALSE(Visible(hidden)) << hidden;
             const platform::ControlId text =
                 headless::FindControl(dialog, ControlKind::Label, hidden);
             EXPECT_FALSE(headless::Control(text)->visible) << hidden;
           }
           EXPECT_TRUE(headless::Control(headless::FindControl(dialog, ControlKind::Label,
                                                               "Bitte eine Option wählen ..."))
                           ->visible);
           EXPECT_FALSE(Enabled("Weiter")) << "nothing to go on with";
           EXPECT_TRUE(Enabled("Abbruch"));
           const platform::StaticColourAnswer colours = headless::AskColourHook(dialog, message);
           EXPECT_TRUE(colours.handled);
           EXPECT_TRUE(colours.transparentText);
           EXPECT_EQ(colours.textColour, (platform::Colour{255, 0, 255}));
           ASSERT_TRUE(headless::LiveBrush(colours.brush).has_value());
           EXPECT_EQ(headless::LiveBrush(colours.brush)->colour, (platform::Colour{225, 245, 170}));
           EXPECT_FALSE(headless::AskColourHook(dialog, Meant("Abbruch")).handled);
         }),
         ClickOn("Abbruch")});
    EXPECT_TRUE(outcome.returned) << c.what << ": " << outcome.failure;
    EXPECT_EQ(outcome.choice, wizard::Cancelled) << c.what;
  }
}

// What "Weiter" gives for each selection and state of the boxes; new installations pass the
// licence window first.
TEST_F(SetupWizardTest, WeiterReturnsTheChoiceOfTheSelectedOptionAndBoxes) {
  struct Case {
    const char* what;
    std::int32_t installedVersion;
    const char* installedDate;
    int desktopLinkAllowed, fileTypeAllowed;
    std::vector<std::string> clicks;
    WizardChoice expected;
  };
  const Case cases[] = {
      {"install", 0, "", 1, 1, {"installieren"}, wizard::Install},
      {"desktop link",
       0,
       "",
       1,
       1,
       {"installieren", "Desktop Shortcut?"},
       wizard::InstallWithDesktopLink},
      {"file type",
       0,
       "",
       1,
       1,
       {"installieren", "Dateityp registrieren?"},
       wizard::InstallWithFileType},
      {"both",
       0,
       "",
       1,
       1,
       {"installieren", "Desktop Shortcut?", "Dateityp registrieren?"},
       wizard::InstallWithBoth},
      {"both, file type unticked",
       0,
       "",
       1,
       1,
       {"installieren", "Desktop Shortcut?", "Dateityp registrieren?", "Dateityp registrieren?"},
       wizard::InstallWithDesktopLink},
      {"desktop link not allowed",
       0,
       "",
       0,
       1,
       {"installieren", "Desktop Shortcut?", "Dateityp registrieren?"},
       wizard::InstallWithFileType},
      {"allowed only as exactly 1",
       0,
       "",
       2,
       2,
       {"installieren", "Desktop Shortcut?", "Dateityp registrieren?"},
       wizard::Install},
      {"update", 1001017, "31.12.2012", 1, 1, {"UpDate installieren"}, wizard::Update},
      {"repair", 1001018, "31.12.2012", 1, 1, {wizard::kRepairLabel}, wizard::Repair},
      {"uninstall", 1001018, "31.12.2012", 1, 1, {"deinstalieren"}, wizard::Uninstall},
      {"update, then uninstall",
       1001017,
       "30.12.2012",
       1,
       1,
       {"UpDate installieren", "deinstalieren"},
       wizard::Uninstall},
  };
  for (const Case& c : cases) {
    Restart();
    Arguments a;
    a.installedVersion = c.installedVersion;
    a.installedDate = c.installedDate;
    a.desktopLinkAllowed = c.desktopLinkAllowed;
    a.fileTypeAllowed = c.fileTypeAllowed;
    std::vector<Step> steps = {Look()};
    for (const std::string& text : c.clicks)
      steps.push_back(ClickOn(text));
    steps.push_back(ClickOn("Weiter"));
    const bool newInstallation =
        c.expected == wizard::Install || c.expected >= wizard::InstallWithDesktopLink;
    if (newInstallation) {
      steps.push_back(ClickOn("Akzeptieren"));
    }
    const Outcome outcome = Run(a, steps);
    EXPECT_TRUE(outcome.returned) << c.what << ": " << outcome.failure;
    EXPECT_EQ(outcome.choice, c.expected) << c.what;
    EXPECT_TRUE(outcome.mainWindowOpen) << c.what << ": window 0 stays to own what follows";
    EXPECT_EQ(outcome.defaultFont, -1) << c.what << ": the standard control font again";
    const headless::WindowRecord* licence = headless::Window(numbers::kLicenceWindow);
    EXPECT_EQ(licence != nullptr, newInstallation) << c.what << ": the licence window was shown";
  }
}

TEST_F(SetupWizardTest, TheLicenceWindowShowsTheTextAndItsAbbruchCancels) {
  const auto licencePage = [] {
    ASSERT_EQ(ShownWindow(), numbers::kLicenceWindow);
    const headless::WindowRecord& licence = *headless::Window(numbers::kLicenceWindow);
    EXPECT_EQ(licence.title, "LIZENZVEREINBARUNG");
    EXPECT_EQ(licence.layout.innerWidth, 500);
    EXPECT_EQ(licence.layout.innerHeight, 330);
    EXPECT_EQ(licence.layout.style, platform::kWindowCaption | platform::kWindowCentred);
    EXPECT_EQ(licence.layout.owner, numbers::kWizardMainWindow);
    EXPECT_FALSE(headless::Window(numbers::kWizardDialog)->visible) << "the dialog is hidden";
    EXPECT_NE(headless::FindControl(numbers::kLicenceWindow, ControlKind::RichText, "Lizenztext"),
              0);
    EXPECT_NE(headless::FindControl(numbers::kLicenceWindow, ControlKind::CentredLabel,
                                    "www.nordavik.example"),
              0);
    EXPECT_NE(Meant("Akzeptieren"), 0);
  };
  const Outcome outcome = Run({}, {Look(), ClickOn("installieren"), ClickOn("Weiter"),
                                   Look(licencePage), ClickOn("Abbruch")});
  EXPECT_TRUE(outcome.returned) << outcome.failure;
  EXPECT_EQ(outcome.choice, wizard::Cancelled);
  EXPECT_FALSE(outcome.mainWindowOpen);
  EXPECT_FALSE(headless::Window(numbers::kLicenceWindow)->open);
}

TEST_F(SetupWizardTest, WeiterBeforeTheFirstLookAtTheOptionsReturnsNothingChosen) {
  const Outcome outcome = Run({}, {Look(), ClickOn("Weiter")});
  EXPECT_TRUE(outcome.returned) << outcome.failure;
  EXPECT_EQ(outcome.choice, wizard::Cancelled);
  EXPECT_EQ(headless::Window(numbers::kLicenceWindow), nullptr);
}

TEST_F(SetupWizardTest, OnlyACloseRequestForTheMainWindowEndsTheWizard) {
  const Outcome outcome =
      Run({}, {Look(), [] { return headless::CloseRequestFor(numbers::kWizardDialog); },
               Look([] { EXPECT_TRUE(headless::Window(numbers::kWizardDialog)->visible); }),
               ClickOn("installieren"), ClickOn("Weiter"),
               [] { return headless::CloseRequestFor(numbers::kLicenceWindow); },
               Look([] { EXPECT_EQ(ShownWindow(), numbers::kLicenceWindow); }),
               [] { return headless::CloseRequestFor(numbers::kWizardMainWindow); }});
  EXPECT_TRUE(outcome.returned) << outcome.failure;
  EXPECT_EQ(outcome.choice, wizard::Cancelled);
  for (platform::WindowNumber number :
       {numbers::kWizardMainWindow, numbers::kWizardDialog, numbers::kLicenceWindow}) {
    EXPECT_FALSE(headless::Window(number)->open) << number;
  }
}

TEST_F(SetupWizardTest, ControlsUseTheFontsOfTheirPlaceScaledToTheScreen) {
  headless::SetPixelsPerInch(120);
  const auto fontOf = [](platform::WindowNumber window, ControlKind kind, const char* text) {
    return headless::Control(headless::FindControl(window, kind, text))->font;
  };
  const headless::FontRecord body{"Arial", 7, platform::kFontPlain};  // 9 x 0.8
  const headless::FontRecord bold{"Arial", 8, platform::kFontBold};   // 10 x 0.8
  const headless::FontRecord base{"Arial", 6, platform::kFontPlain};  // 8 x 0.8, halves to even
  Arguments a;
  a.installedVersion = 1001019;
  a.installedDate = "31.12.2012";
  const Outcome outcome =
      Run(a, {Look(), Look([&] {
                const platform::WindowNumber dialog = numbers::kWizardDialog;
                EXPECT_EQ(fontOf(dialog, ControlKind::Label, "installieren"), body);
                EXPECT_EQ(fontOf(dialog, ControlKind::Button, "Weiter"), body);
                EXPECT_EQ(fontOf(dialog, ControlKind::Label, kOlderSetupVersion), bold);
                EXPECT_EQ(fontOf(dialog, ControlKind::Label, "www.nordavik.example"), base);
                EXPECT_EQ(headless::LoadedFont(numbers::kWizardLargeFont),
                          (headless::FontRecord{"Arial", 16,
                                                platform::kFontBold | platform::kFontItalic |
                                                    platform::kFontUnderline}));
              }),
              ClickOn("Abbruch")});
  EXPECT_TRUE(outcome.returned) << outcome.failure;

  headless::Reset();
  const Outcome licence =
      Run({}, {Look(), ClickOn("installieren"), ClickOn("Weiter"), Look([&] {
                 const platform::WindowNumber window = numbers::kLicenceWindow;
                 EXPECT_EQ(fontOf(window, ControlKind::Button, "Akzeptieren"),
                           (headless::FontRecord{"Arial", 10, platform::kFontBold}));
                 EXPECT_EQ(fontOf(window, ControlKind::CentredLabel, "www.nordavik.example"),
                           (headless::FontRecord{"Arial", 8, platform::kFontPlain}));
               }),
               ClickOn("Akzeptieren")});
  EXPECT_EQ(licence.choice, wizard::Install) << licence.failure;
  EXPECT_EQ(headless::LoadedFont(numbers::kBaseFont),
            (headless::FontRecord{"Arial", 8, platform::kFontPlain}))
      << "the base font stays for the installation's windows";
}

TEST_F(SetupWizardTest, TheGradientTakesItsColoursFromTheClampedIndexes) {
  struct Case {
    int top, bottom;
    platform::Colour firstRow, lastRow;
  };
  const Case cases[] = {
      {252, 0, {20, 20, 240}, {0, 0, 1}}, {300, -5, {10, 130, 220}, {0, 1, 1}},  // 255 and 0
  };
  for (const Case& c : cases) {
    Restart();
    Arguments a;
    a.topColourIndex = c.top;
    a.bottomColourIndex = c.bottom;
    Run(a, {Look([&c] {
              const platform::Image* gradient = platform::FindPicture(numbers::kGradientPicture);
              ASSERT_NE(gradient, nullptr);
              EXPECT_EQ(gradient->At(0, 0), c.firstRow) << c.top;
              EXPECT_EQ(gradient->At(959, 719), c.lastRow) << c.bottom;
            }),
            ClickOn("Abbruch")});
  }
}

TEST_F(SetupWizardTest, TheSidePictureIsTheIntroPictureOrTheGradientsSubstitute) {
  struct Case {
    const char* what;
    std::optional<platform::Image> intro;
    platform::Colour topLeft;
    platform::Colour onTheWord;  // where the substitute shows the white "S" of "Setup"
  };
  constexpr platform::Colour white{255, 255, 255};
  const Case cases[] = {
      {"intro picture", platform::MakeImage(110, 300, {1, 2, 3}), {1, 2, 3}, {1, 2, 3}},
      {"no intro picture", std::nullopt, {20, 20, 240}, white},
      {"an intro picture that cannot be scaled", platform::Image{}, {20, 20, 240}, white},
  };
  for (const Case& c : cases) {
    Restart();
    if (c.intro) platform::StorePicture(numbers::kIntroPicture1, *c.intro);
    const Outcome outcome = Run(
        {}, {Look(), Look([&c, white] {
               const platform::Image* side = platform::FindPicture(numbers::kIntroPicture1);
               ASSERT_NE(side, nullptr) << c.what;
               EXPECT_EQ(side->width, 128) << c.what;
               EXPECT_EQ(side->height, 350) << c.what;
               EXPECT_EQ(side->At(0, 0), c.topLeft) << c.what;
               EXPECT_EQ(side->At(21, 22), c.onTheWord) << c.what;
               EXPECT_NE(side->At(100, 300), white) << c.what << ": the word stays small";
               const platform::ControlId box = headless::ControlsOf(numbers::kWizardDialog)[0];
               EXPECT_EQ(headless::Control(box)->layout.kind, ControlKind::PictureBox) << c.what;
               EXPECT_EQ(headless::Control(box)->layout.picture, numbers::kIntroPicture1);
             }),
             ClickOn("Abbruch")});
    EXPECT_TRUE(outcome.returned) << c.what << ": " << outcome.failure;
  }
}

TEST_F(SetupWizardTest, WithoutItsFontsOrItsWindowsTheWizardReturnsNothingChosen) {
  struct Case {
    const char* what;
    bool failFonts;
    platform::WindowNumber failingWindow;
    bool licence;  // the failure comes with "Weiter"
  };
  const Case cases[] = {
      {"no fonts", true, platform::kNoWindow, false},
      {"no main window", false, numbers::kWizardMainWindow, false},
      {"no dialog", false, numbers::kWizardDialog, false},
      {"no licence window", false, numbers::kLicenceWindow, true},
  };
  for (const Case& c : cases) {
    Restart();
    if (c.failFonts) headless::FailFontsOfFace("arial");
    headless::FailOpeningWindow(c.failingWindow, true);
    std::vector<Step> steps;
    if (c.licence) steps = {Look(), ClickOn("installieren"), ClickOn("Weiter")};
    const Outcome outcome = Run({}, steps);
    EXPECT_TRUE(outcome.returned) << c.what << ": " << outcome.failure;
    EXPECT_EQ(outcome.choice, wizard::Cancelled) << c.what;
    EXPECT_FALSE(outcome.mainWindowOpen) << c.what;
  }
}

// The page's decisions on their own, with both options offered at once, which the comparison
// never does: a box keeps its mark while another option has it disabled.
TEST_F(SetupWizardTest, ADisabledBoxKeepsItsCheckMarkForTheNextInstallChoice) {
  platform::WindowSpec layout;
  layout.innerWidth = 500;
  layout.innerHeight = 390;
  ASSERT_TRUE(platform::OpenWindow(numbers::kWizardDialog, layout));
  const auto make = [](ControlKind kind) {
    platform::ControlSpec control;
    control.kind = kind;
    control.group = 1;
    return platform::CreateControl(numbers::kWizardDialog, 0, control);
  };
  wizard::OptionPage page;
  page.installOption = make(ControlKind::RadioOption);
  page.updateOption = make(ControlKind::RadioOption);
  page.uninstallOption = make(ControlKind::RadioOption);
  page.updateLabel = make(ControlKind::Label);
  page.desktopLinkBox = make(ControlKind::CheckBox);
  page.fileTypeBox = make(ControlKind::CheckBox);
  page.next = make(ControlKind::Button);
  const wizard::AllowedExtras allowed{true, true};

  EXPECT_EQ(wizard::ReadChoice(page, allowed), wizard::Cancelled);
  EXPECT_FALSE(platform::IsControlEnabled(page.next));
  headless::Click(page.installOption);
  EXPECT_EQ(wizard::ReadChoice(page, allowed), wizard::Install);
  headless::Click(page.desktopLinkBox);
  EXPECT_EQ(wizard::ReadChoice(page, allowed), wizard::InstallWithDesktopLink);
  headless::Click(page.updateOption);
  EXPECT_EQ(wizard::ReadChoice(page, allowed), wizard::Update);
  EXPECT_FALSE(platform::IsControlEnabled(page.desktopLinkBox));
  EXPECT_EQ(platform::ControlState(page.desktopLinkBox), 1);
  headless::Click(page.installOption);
  EXPECT_EQ(wizard::ReadChoice(page, allowed), wizard::InstallWithDesktopLink);

  platform::SetControlState(page.installOption, 0);
  EXPECT_EQ(wizard::ReadChoice(page, allowed), wizard::Cancelled);
  EXPECT_EQ(platform::ControlState(page.desktopLinkBox), 0) << "no option clears the marks";
}

}  // namespace
