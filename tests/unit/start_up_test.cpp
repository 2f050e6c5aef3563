#include "driver/start_up.h"

#include <algorithm>

#include "driver/auto_update_hand_over.h"
#include "driver/product_identity.h"
#include "driver/setup_state.h"
#include "headless_test.h"
#include "platform/registry.h"
#include "toolkit/registry_access.h"
#include "toolkit/resource_numbers.h"
#include "wizard_user.h"

namespace {

using platform::HKEY_LOCAL_MACHINE;

class StartUpTest : public HeadlessTest {
 protected:
  static void RecordFolder(const std::string& folder) {
    ASSERT_EQ(toolkit::RegistryCreateKey(HKEY_LOCAL_MACHINE, driver::kRecordKey), 1);
    ASSERT_EQ(toolkit::RegistryWriteText(HKEY_LOCAL_MACHINE, driver::kRecordKey, "SetPath", folder),
              1);
  }
};

TEST_F(StartUpTest, ASecondCopyIsRefusedWithItsBoxAndEndsWithExitCodeZero) {
  headless::HoldMutexElsewhere("Global\\setup_qvdlumorak.exe");
  const auto outcome = headless::RunProcess(driver::RunSetup);
  ASSERT_TRUE(outcome.ended) << outcome.failure;
  EXPECT_EQ(outcome.exitCode, 0u);
  ASSERT_EQ(headless::MessageBoxes().size(), 1u);
  const auto& box = headless::MessageBoxes()[0];
  EXPECT_EQ(box.title, "ABBRUCH");
  EXPECT_EQ(box.text, "Es kann nur eine Instanz von:\r<setup_qvdlumorak.exe>\rgestartet werden.");
  EXPECT_EQ(box.flags, platform::MB_OK | platform::MB_ICONERROR | platform::MB_TOPMOST);
  // Refused before it prepares anything.
  EXPECT_EQ(driver::Setup().infoText, "");
}

TEST_F(StartUpTest, ARunWithoutRecordLeavesTheRecordedFolderEmptyAndEndsWithZero) {
  fixture::LeaveTheWizardWithAbbruch();
  const auto outcome = headless::RunProcess(driver::RunSetup);
  ASSERT_TRUE(outcome.ended) << outcome.failure;
  EXPECT_EQ(outcome.exitCode, 0u);
  EXPECT_EQ(driver::Setup().recordedFolder, "");
  EXPECT_TRUE(headless::MessageBoxes().empty());
  EXPECT_TRUE(headless::ProgramStarts().empty());
}

// The wizard gets the product's facts and the recorded version, and its choice is the run's.
TEST_F(StartUpTest, TheWizardComparesWithTheRecordedVersionAndItsChoiceIsKept) {
  struct Case {
    const char* what;
    const char* version;  // of the record; none when null
    const char* date;
    std::vector<std::string> clicks;
    std::int32_t choice;
  };
  const Case cases[] = {
      {"update", "V001.001.017", "30.12.2012", {"UpDate installieren", "Weiter"}, 2},
      {"new installation", nullptr, nullptr, {"installieren", "Weiter", "Akzeptieren"}, 1},
      {"refused", "V001.001.019", "31.12.2012", {"Abbruch"}, 0},
  };
  for (const Case& c : cases) {
    SetUp();
    if (c.version != nullptr) {
      ASSERT_EQ(toolkit::RegistryCreateKey(HKEY_LOCAL_MACHINE, driver::kRecordKey), 1);
      toolkit::RegistryWriteText(HKEY_LOCAL_MACHINE, driver::kRecordKey, "Version", c.version);
      toolkit::RegistryWriteText(HKEY_LOCAL_MACHINE, driver::kRecordKey, "Versdat", c.date);
    }
    std::vector<std::string> shown;
    std::vector<fixture::Step> steps = {
        fixture::Look(), fixture::Look([&shown] {
          for (platform::ControlId id : headless::ControlsOf(numbers::kWizardDialog)) {
            shown.push_back(headless::Control(id)->text);
          }
        })};
    for (const std::string& text : c.clicks)
      steps.push_back(fixture::ClickOn(text));
    fixture::PlaySteps(steps);

    const auto outcome = headless::RunProcess(driver::RunSetup);
    ASSERT_TRUE(outcome.ended) << c.what << ": " << outcome.failure;
    EXPECT_EQ(outcome.exitCode, 0u) << c.what;
    EXPECT_EQ(driver::Setup().installChoice, c.choice) << c.what;
    EXPECT_EQ(headless::DefaultControlFont(), -1) << c.what;
    const std::string installed =
        c.version == nullptr ? "nicht angegeben / installiert" : c.version + 1;
    for (const std::string& text :
         {std::string("Programm: QVDLumorak"), std::string("Setup-Version\t\t: 001.001.018"),
          std::string("Versionsdatum\t: 31.12.2012"),
          std::string("Copyright ") + driver::ProductIdentity::authorName,
          std::string(driver::ProductIdentity::webAddress),
          "Installierte Version\t: " + installed}) {
      EXPECT_NE(std::find(shown.begin(), shown.end(), text), shown.end()) << c.what << ": " << text;
    }
  }
}

// Started by the main program for its update and left in the wizard, the setup starts the main
// program again from the recorded folder, told that nothing was updated, once the hand-over and
// the wizard are over. Not without a recorded folder (rather than whatever program of that name
// the search path would find), nor in normal mode.
TEST_F(StartUpTest, ACancelledUpdateStartsTheMainProgramAgainInTheRecordedFolder) {
  struct Case {
    const char* what;
    std::vector<std::string> arguments;
    const char* recordedFolder;  // none when null
    bool handOverOpens;
    int mode;
    bool restarted;
  };
  const std::vector<std::string> update = {driver::kAutoUpdateWord};
  const Case cases[] = {
      {"update cancelled", update, "c:\\Programme\\QVDLumorak\\", true, 1, true},
      {"no recorded folder", update, nullptr, true, 1, false},
      {"empty recorded folder", update, "", true, 1, false},
      {"no hand-over window", update, "C:\\QVD\\", false, 0, false},
      {"normal mode", {"autoupdate_from_maininstance"}, "C:\\QVD\\", true, 0, false},
  };
  for (const Case& c : cases) {
    SetUp();
    if (c.recordedFolder != nullptr) RecordFolder(c.recordedFolder);
    headless::SetCommandLine(c.arguments);
    headless::FailOpeningWindow(numbers::kHandOverWindow, !c.handOverOpens);
    fixture::LeaveTheWizardWithAbbruch();

    const auto outcome = headless::RunProcess(driver::RunSetup);
    ASSERT_TRUE(outcome.ended) << c.what << ": " << outcome.failure;
    EXPECT_EQ(outcome.exitCode, 0u) << c.what;
    EXPECT_EQ(driver::Setup().installChoice, 0) << c.what;
    EXPECT_EQ(driver::Setup().autoUpdateMode, c.mode) << c.what;
    if (!c.restarted) {
      EXPECT_TRUE(headless::ProgramStarts().empty()) << c.what;
      continue;
    }
    ASSERT_EQ(headless::ProgramStarts().size(), 1u) << c.what;
    const headless::ProgramStart& start = headless::ProgramStarts()[0];
    EXPECT_EQ(start.file, "C:\\PROGRAMME\\QVDLUMORAK\\qvdlumorak.exe");
    EXPECT_EQ(start.argument, "StartFromUpDater_NotSucces");
    EXPECT_EQ(start.workingFolder, "C:\\PROGRAMME\\QVDLUMORAK\\");

    const headless::WindowRecord* handOver = headless::Window(numbers::kHandOverWindow);
    const headless::WindowRecord* wizard = headless::Window(numbers::kWizardDialog);
    ASSERT_NE(handOver, nullptr);
    ASSERT_NE(wizard, nullptr);
    EXPECT_EQ(handOver->closedAt - handOver->openedAt, 7500u);
    EXPECT_LE(handOver->closedAt, wizard->openedAt);
    EXPECT_LE(wizard->closedAt, start.time);
  }
}

TEST_F(StartUpTest, TheRecordedFolderIsRaisedToUpperCaseUmlautsIncluded) {
  RecordFolder("d:\\Programme\\Größen\\QVDLumorak\\");
  headless::RunProcess(driver::InitialiseSettings);
  EXPECT_EQ(driver::Setup().recordedFolder, "D:\\PROGRAMME\\GRÖßEN\\QVDLUMORAK\\");
}

TEST_F(StartUpTest, TheSmallBoldFontKeepsItsSizeInPixels) {
  const std::pair<int, int> cases[] = {{96, 8}, {120, 6}, {144, 5}, {72, 11}, {0, 8}};
  for (const auto& [pixelsPerInch, points] : cases) {
    headless::Reset();
    headless::SetPixelsPerInch(pixelsPerInch);
    headless::RunProcess(driver::InitialiseSettings);
    const auto font = headless::LoadedFont(numbers::kSmallBoldFont);
    ASSERT_TRUE(font.has_value()) << pixelsPerInch;
    EXPECT_EQ(*font, (headless::FontRecord{"Arial", points, platform::kFontBold}))
        << pixelsPerInch << " pixels per inch";
  }
}

TEST_F(StartUpTest, AnUnreadableResolutionScalesByOne) {
  headless::SetPixelsPerInch(0);
  headless::RunProcess(driver::InitialiseSettings);
  EXPECT_EQ(driver::Setup().dpiScale, 1.0);
  headless::SetPixelsPerInch(120);
  headless::RunProcess(driver::InitialiseSettings);
  EXPECT_DOUBLE_EQ(driver::Setup().dpiScale, 0.8);
}

TEST_F(StartUpTest, TheAnchorWindowIsAHiddenTenByTenWindowAtTheOrigin) {
  headless::RunProcess(driver::InitialiseSettings);
  const headless::WindowRecord* anchor = headless::Window(numbers::kAnchorWindow);
  ASSERT_NE(anchor, nullptr);
  EXPECT_EQ(anchor->title, "setup_qvdlumorak.exe");
  EXPECT_EQ(anchor->layout.x, 0);
  EXPECT_EQ(anchor->layout.y, 0);
  EXPECT_EQ(anchor->layout.innerWidth, 10);
  EXPECT_EQ(anchor->layout.innerHeight, 10);
  EXPECT_NE(anchor->layout.style & platform::kWindowHidden, 0u);
  EXPECT_EQ(anchor->layout.style & platform::kWindowCentred, 0u);
}

}  // namespace
