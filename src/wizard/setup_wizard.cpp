#include "wizard/setup_wizard.h"

#include <algorithm>

#include "toolkit/dates.h"
#include "toolkit/resource_numbers.h"
#include "toolkit/screen_metrics.h"
#include "wizard/colour_table.h"
#include "wizard/side_picture.h"
#include "wizard/version_facts.h"
#include "wizard/window_colours.h"
#include "wizard/wizard_run.h"

namespace wizard {
namespace {

constexpr const char* kFace = "Arial";

bool LoadWizardFonts() {
  const double scale = toolkit::DisplayScale(toolkit::ScreenPixelsPerInch());
  const auto load = [scale](int number, int points, std::uint32_t style) {
    return platform::LoadFont(number, kFace, toolkit::ScaledPoints(points, scale), style);
  };
  const bool base = load(numbers::kBaseFont, 8, platform::kFontPlain);
  const bool large = load(numbers::kWizardLargeFont, 20,
                          platform::kFontBold | platform::kFontItalic | platform::kFontUnderline);
  const bool bold = load(numbers::kWizardBoldFont, 10, platform::kFontBold);
  load(numbers::kWizardBodyFont, 9, platform::kFontPlain);
  return base && large && bold;
}

bool OpenOwnedWindow(platform::WindowNumber number, int width, int height,
                     const std::string& title) {
  platform::WindowSpec layout;
  layout.innerWidth = width;
  layout.innerHeight = height;
  layout.title = title;
  layout.style = platform::kWindowCaption | platform::kWindowCentred;
  layout.owner = numbers::kWizardMainWindow;
  return platform::OpenWindow(number, layout);
}

void PaintBackground(int topColourIndex, int bottomColourIndex) {
  const platform::Colour top = ColourFromTableText(ColourByIndex(topColourIndex));
  const platform::Colour bottom = ColourFromTableText(ColourByIndex(bottomColourIndex));
  // Horizontal bands; a gradient that cannot be painted leaves the windows plain.
  PaintGradientBackground(top, bottom, 255, 0, numbers::kWizardMainWindow,
                          numbers::kGradientPicture);
}

// Every way out that gives up: nothing of the wizard stays on the screen.
WizardChoice Cancel(WizardRun& run) {
  if (run.dialogExists) platform::CloseWindow(numbers::kWizardDialog);
  if (run.licenceExists) platform::CloseWindow(numbers::kLicenceWindow);
  platform::CloseWindow(numbers::kWizardMainWindow);
  return Cancelled;
}

enum class Outcome { GoOn, Cancel, Return };

// "Weiter": the page has done its work. A new installation, with or without extras, is agreed
// to in the licence window first; every other choice ends the wizard.
Outcome Next(WizardRun& run) {
  platform::SetWindowVisible(numbers::kWizardDialog, false);
  run.dialogExists = false;
  switch (run.pendingChoice) {
    case Install:
    case InstallWithDesktopLink:
    case InstallWithFileType:
    case InstallWithBoth:
      // Without its licence window the wizard could not go on: nothing would be left to click.
      if (!OpenOwnedWindow(numbers::kLicenceWindow, 500, 330, "LIZENZVEREINBARUNG")) {
        return Outcome::Cancel;
      }
      run.licenceExists = true;
      run.licenceBuilt = false;
      return Outcome::GoOn;
    default:
      run.finished = true;
      run.pageBuilt = false;
      return Outcome::GoOn;
  }
}

Outcome HandleEvent(WizardRun& run, const platform::Event& event) {
  if (event.kind == platform::EventKind::CloseRequest) {
    return event.window == numbers::kWizardMainWindow ? Outcome::Cancel : Outcome::GoOn;
  }
  if (event.kind != platform::EventKind::Control || event.control == 0) return Outcome::GoOn;
  if (run.dialogExists && event.control == run.page.next) return Next(run);
  if (run.dialogExists && event.control == run.dialogCancel) return Outcome::Cancel;
  if (run.licenceExists && event.control == run.accept) {
    platform::CloseWindow(numbers::kLicenceWindow);
    run.licenceExists = false;
    return Outcome::Return;
  }
  if (run.licenceExists && event.control == run.licenceCancel) return Outcome::Cancel;
  return Outcome::GoOn;
}

}  // namespace

void ResetWizardState() {
  ResetGradientBrush();
  ResetMessageColours();
}

WizardChoice RunSetupWizard(const std::string& productName, std::int32_t setupVersionNumber,
                            const std::string& setupVersionDate, const std::string& authorName,
                            const std::string& webAddress, const std::string& licenceText,
                            std::int32_t installedVersionNumber,
                            const std::string& installedVersionDate, int topColourIndex,
                            int bottomColourIndex, int uninstallLocked, int desktopLinkAllowed,
                            int fileTypeAllowed) {
  WizardRun run;
  run.productName = productName;
  run.authorName = authorName;
  run.webAddress = webAddress;
  run.licenceText = licenceText;
  run.facts = {setupVersionNumber, toolkit::ParseDate(kDateMask, setupVersionDate),
               installedVersionNumber, toolkit::ParseDate(kDateMask, installedVersionDate)};
  run.allowed = {desktopLinkAllowed == 1, fileTypeAllowed == 1};
  run.uninstallLocked = uninstallLocked != 0;

  if (!LoadWizardFonts()) return Cancelled;
  platform::SetDefaultControlFont(numbers::kBaseFont);

  const std::string title = "SETUP - " + productName;
  platform::WindowSpec main;
  main.innerWidth = 960;
  main.innerHeight = 720;
  main.title = title;
  main.style = platform::kWindowSystemMenu | platform::kWindowSizingBorder |
               platform::kWindowCentred | platform::kWindowHidden;
  if (!platform::OpenWindow(numbers::kWizardMainWindow, main)) return Cancelled;

  PaintBackground(std::clamp(topColourIndex, 0, 255), std::clamp(bottomColourIndex, 0, 255));
  run.pictureReady = PrepareSidePicture();

  if (!OpenOwnedWindow(numbers::kWizardDialog, 500, 390, title)) return Cancel(run);
  run.dialogExists = true;

  for (;;) {
    const platform::Event event = platform::WaitEvent(platform::kWaitForever);
    switch (HandleEvent(run, event)) {
      case Outcome::Cancel:
        return Cancel(run);
      case Outcome::Return:
        platform::UseStandardControlFont();
        return run.pendingChoice;
      case Outcome::GoOn:
        break;
    }
    const bool dialogOpen = run.dialogExists && platform::IsWindowOpen(numbers::kWizardDialog);
    if (dialogOpen && run.pageBuilt) run.pendingChoice = ReadChoice(run.page, run.allowed);
    if (dialogOpen && !run.pageBuilt) {
      BuildOptionPage(run);
      run.pageBuilt = true;
    }
    if (run.licenceExists && platform::IsWindowOpen(numbers::kLicenceWindow) && !run.licenceBuilt) {
      BuildLicencePage(run);
      run.licenceBuilt = true;
    }
    if (run.finished) {
      platform::UseStandardControlFont();
      return run.pendingChoice;
    }
  }
}

}  // namespace wizard
