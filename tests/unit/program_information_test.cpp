#include "driver/program_information.h"

#include <vector>

#include "driver/setup_state.h"
#include "driver/start_up.h"
#include "headless_test.h"
#include "platform/text.h"
#include "toolkit/resource_numbers.h"
#include "wizard_user.h"

namespace {

const std::string kLabelLines =
    "\r"
    "Willkommen zum Programm\t: QVDLumorak\r"
    "Programmkomponente\t\t: -\r"
    "Erstelldatum\t\t\t: 11.09.2007\r"
    "Versionsdatum\t\t\t: 31.12.2012\r"
    "Programmversion\t\t: V001.001.018\r"
    "Autor\t\t\t\t: Eirik Nordavik\r"
    "Urheberrecht\t\t\t: 2007 - 2012\r"
    "Webseite des Autors\t\t: www.nordavik.example\r\r";

std::vector<std::string> Split(const std::string& text, const std::string& separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t at = text.find(separator); at != std::string::npos;
       at = text.find(separator, start)) {
    parts.push_back(text.substr(start, at - start));
    start = at + separator.size();
  }
  parts.push_back(text.substr(start));
  return parts;
}

std::string WithoutLineBreaksAndExtraBlanks(const std::string& text) {
  std::string plain;
  for (char c : text) {
    if (c == '\r') c = ' ';
    if (c != ' ' || plain.empty() || plain.back() != ' ') plain += c;
  }
  return plain;
}

class ProgramInformationTest : public HeadlessTest {
 protected:
  static std::string Build() {
    headless::RunProcess([] {
      driver::InitialiseSettings();
      driver::BuildProgramInformation();
    });
    return driver::Setup().infoText;
  }
};

TEST_F(ProgramInformationTest, LabelLinesThenTheWrappedConditionsWithoutABreakAtTheEnd) {
  const std::string text = Build();
  ASSERT_EQ(text.substr(0, kLabelLines.size()), kLabelLines);
  const std::vector<std::string> blocks = Split(text.substr(kLabelLines.size()), "\r\r");
  ASSERT_EQ(blocks.size(), 6u) << text;
  EXPECT_EQ(blocks[4], "ACHTUNG!");
  const int paragraphOf[] = {0, 1, 2, 3, -1, 4};
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    if (paragraphOf[i] < 0) continue;
    const char* paragraph = driver::kInformationParagraphs[paragraphOf[i]];
    EXPECT_EQ(WithoutLineBreaksAndExtraBlanks(blocks[i]), paragraph);
    EXPECT_NE(blocks[i].find('\r'), std::string::npos) << "wrapped: " << blocks[i];
  }
  EXPECT_EQ(text.substr(text.size() - 11), "BESEITIGEN.");
}

// 10 points scaled to the screen keep the type 13 pixels high at 96 and 120 pixels per inch; the
// lines fit the width less one margin, and all but a paragraph's last reach it less two.
TEST_F(ProgramInformationTest, TheConditionsAreWrappedInTheScaledBoldFaceWithTheScreensMargin) {
  const struct {
    int pixelsPerInch;
    int points;
  } cases[] = {{96, 10}, {120, 8}, {144, 7}};
  for (const auto& c : cases) {
    headless::Reset();
    headless::SetPixelsPerInch(c.pixelsPerInch);
    const std::string text = Build();
    const platform::MeasuringSurface surface =
        platform::OpenMeasuringSurface("Arial", c.points, platform::kFontBold);
    const int margin = c.pixelsPerInch / 25;
    for (const std::string& block : Split(text.substr(kLabelLines.size()), "\r\r")) {
      if (block == "ACHTUNG!") continue;
      const std::vector<std::string> lines = Split(block, "\r");
      for (std::size_t i = 0; i < lines.size(); ++i) {
        const int width = platform::MeasureTextWidth(surface, lines[i]);
        EXPECT_LE(width, 450 - margin) << c.pixelsPerInch << ": " << lines[i];
        if (i + 1 < lines.size()) {
          EXPECT_GE(width, 450 - 2 * margin) << lines[i];
        }
      }
    }
  }
}

TEST_F(ProgramInformationTest, WithoutMeasuringTheConditionsStandAsOneLineEach) {
  headless::FailMeasuringSurfaces(true);
  std::string expected = kLabelLines;
  for (int i = 0; i < 4; ++i)
    expected += std::string(driver::kInformationParagraphs[i]) + "\r\r";
  expected += std::string("ACHTUNG!\r\r") + driver::kInformationParagraphs[4];
  EXPECT_EQ(Build(), expected);
}

// The licence window of a new installation shows the text the run has built.
TEST_F(ProgramInformationTest, TheLicenceWindowOfTheRunShowsTheText) {
  std::string shown;
  const auto lookAtTheLicence = [&shown] {
    for (platform::ControlId id : headless::ControlsOf(numbers::kLicenceWindow)) {
      const headless::ControlRecord& control = *headless::Control(id);
      if (control.layout.kind == platform::ControlKind::RichText) shown = control.text;
    }
  };
  fixture::PlaySteps({fixture::Look(), fixture::ClickOn("installieren"), fixture::ClickOn("Weiter"),
                      fixture::Look(lookAtTheLicence), fixture::ClickOn("Abbruch")});
  const auto outcome = headless::RunProcess(driver::RunSetup);
  ASSERT_TRUE(outcome.ended) << outcome.failure;
  EXPECT_EQ(shown.substr(0, kLabelLines.size()), kLabelLines);
  EXPECT_EQ(shown, driver::Setup().infoText);
}

}  // namespace
