#include "toolkit/resource_numbers.h"
#include "wizard/side_picture.h"
#include "wizard/version_facts.h"
#include "wizard/wizard_run.h"

namespace wizard {
namespace {

using platform::ControlKind;

constexpr platform::Colour kWhite{255, 255, 255};
constexpr int kOptionGroup = 1;

constexpr const char* kLicenceNote =
    "Diese Programm ist unter deutschem Recht entstanden. Bei Problemen und Wünschen wenden Sie "
    "sich bitte an den Autor der Software.";

platform::ControlId Make(platform::WindowNumber window, platform::ControlId panel, ControlKind kind,
                         int x, int y, int width, int height, const std::string& text = {}) {
  platform::ControlSpec layout;
  layout.kind = kind;
  layout.x = x;
  layout.y = y;
  layout.width = width;
  layout.height = height;
  layout.text = text;
  layout.group = kOptionGroup;
  return platform::CreateControl(window, panel, layout);
}

platform::ControlId WhiteLabel(platform::ControlId panel, int x, int y, int width, int height,
                               const std::string& text) {
  const platform::ControlId label =
      Make(numbers::kWizardDialog, panel, ControlKind::Label, x, y, width, height, text);
  platform::SetControlBackground(label, kWhite);
  return label;
}

}  // namespace

void BuildOptionPage(WizardRun& run) {
  const platform::WindowNumber dialog = numbers::kWizardDialog;
  OptionPage& page = run.page;
  page.dialog = dialog;
  platform::SetDefaultControlFont(numbers::kWizardBodyFont);

  if (run.pictureReady) {
    platform::ControlSpec picture;
    picture.kind = ControlKind::PictureBox;
    picture.width = kSidePictureWidth;
    picture.height = kSidePictureHeight;
    picture.picture = numbers::kIntroPicture1;
    platform::CreateControl(dialog, 0, picture);
  } else {
    Make(dialog, 0, ControlKind::Label, 0, 0, kSidePictureWidth, kSidePictureHeight,
         "kein Bild geladen");
  }
  const platform::ControlId panel = Make(dialog, 0, ControlKind::Panel, 130, 0, 369, 350);
  platform::SetControlBackground(panel, kWhite);

  WhiteLabel(panel, 4, 6, 350, 18, "Programm: " + run.productName);
  Make(dialog, panel, ControlKind::GroupFrame, 2, 20, 364, 70);
  WhiteLabel(panel, 10, 30, 350, 18, SetupVersionLine(run.facts.setupVersion));
  WhiteLabel(panel, 10, 50, 350, 18, SetupDateLine(run.facts.setupDate));
  WhiteLabel(panel, 10, 70, 350, 18, "Copyright " + run.authorName);
  Make(dialog, panel, ControlKind::GroupFrame, 2, 90, 364, 50);
  WhiteLabel(panel, 10, 100, 350, 18, InstalledVersionLine(run.facts.installedVersion));
  WhiteLabel(panel, 10, 120, 350, 18,
             InstalledDateLine(run.facts.installedVersion, run.facts.installedDate));

  page.messagePanel = Make(dialog, panel, ControlKind::Panel, 6, 160, 356, 100);
  platform::SetControlVisible(page.messagePanel, false);
  platform::SetDefaultControlFont(numbers::kWizardBoldFont);
  page.messageLabel = Make(dialog, page.messagePanel, ControlKind::Label, 6, 8, 340, 82);
  platform::SetDefaultControlFont(numbers::kWizardBodyFont);

  Make(dialog, panel, ControlKind::GroupFrame, 2, 148, 364, 149);
  page.installOption = Make(dialog, panel, ControlKind::RadioOption, 10, 160, 14, 14);
  page.updateOption = Make(dialog, panel, ControlKind::RadioOption, 10, 184, 14, 14);
  page.uninstallOption = Make(dialog, panel, ControlKind::RadioOption, 10, 208, 14, 14);
  if (run.uninstallLocked) platform::SetControlEnabled(page.uninstallOption, false);
  page.installLabel = WhiteLabel(panel, 30, 160, 300, 18, "installieren");
  page.updateLabel = WhiteLabel(panel, 30, 184, 300, 18, "UpDate installieren");
  page.uninstallLabel = WhiteLabel(panel, 30, 208, 300, 18, "deinstalieren");
  page.extrasFrame = Make(dialog, panel, ControlKind::GroupFrame, 5, 221, 358, 37);
  page.desktopLinkBox = Make(dialog, panel, ControlKind::CheckBox, 10, 234, 14, 14);
  page.fileTypeBox = Make(dialog, panel, ControlKind::CheckBox, 160, 234, 14, 14);
  page.desktopLinkLabel = WhiteLabel(panel, 30, 234, 130, 14, "Desktop Shortcut?");
  page.fileTypeLabel = WhiteLabel(panel, 180, 234, 130, 14, "Dateityp registrieren?");
  WhiteLabel(panel, 4, 140, 200, 14, "Bitte eine Option wählen ...");

  // The web address is one of the small lines in the base font, here as in the licence window.
  platform::SetDefaultControlFont(numbers::kBaseFont);
  if (run.pictureReady) {
    Make(dialog, 0, ControlKind::Label, 4, 364, 300, 14, run.webAddress);
  } else {
    Make(dialog, 0, ControlKind::Label, 130, 364, 180, 14, run.webAddress);
  }
  platform::SetDefaultControlFont(numbers::kWizardBodyFont);
  page.next = Make(dialog, 0, ControlKind::Button, 320, 358, 80, 26, "Weiter");
  run.dialogCancel = Make(dialog, 0, ControlKind::Button, 418, 358, 80, 26, "Abbruch");

  platform::SetDefaultControlFont(numbers::kBaseFont);
  platform::SetControlEnabled(page.desktopLinkBox, false);
  platform::SetControlEnabled(page.fileTypeBox, false);
  platform::SetWindowVisible(dialog, true);
  CompareWithInstalled(page, run.facts);
}

void BuildLicencePage(WizardRun& run) {
  const platform::WindowNumber licence = numbers::kLicenceWindow;
  platform::SetDefaultControlFont(numbers::kWizardBoldFont);
  const platform::ControlId panel = Make(licence, 0, ControlKind::Panel, 4, 4, 492, 290);
  Make(licence, panel, ControlKind::Label, 10, 10, 470, 40, kLicenceNote);
  Make(licence, panel, ControlKind::RichText, 10, 60, 470, 220, run.licenceText);
  run.accept = Make(licence, 0, ControlKind::Button, 4, 300, 100, 24, "Akzeptieren");
  run.licenceCancel = Make(licence, 0, ControlKind::Button, 396, 300, 100, 24, "Abbruch");
  platform::SetDefaultControlFont(numbers::kBaseFont);
  Make(licence, 0, ControlKind::CentredLabel, 110, 302, 280, 14, run.webAddress);
  platform::UseStandardControlFont();
}

}  // namespace wizard
