#include "wizard/choice.h"

#include <initializer_list>
#include <string>

#include "toolkit/resource_numbers.h"
#include "wizard/window_colours.h"

namespace wizard {
namespace {

constexpr const char* kOlderSetupDate =
    "Das Setupdatum ist jünger als das der bereits installierten Version und die "
    "Versionsnummer ist gleich der Installierten.\r\rDer Vorgang wird abgebrochen.";
constexpr const char* kOlderSetupVersion =
    "Die Setupversion ist älter als eine bereits installierte Version.\r\rDer Vorgang wird "
    "abgebrochen.";
constexpr const char* kNewerVersionOlderDate =
    "Das Setupdatum ist jünger als das der bereits installierten Version und die "
    "Versionsnummer ist größer als die Installierte.\r\rDer Vorgang wird abgebrochen.";

constexpr platform::Colour kMessageText{255, 0, 255};
constexpr platform::Colour kMessageField{225, 245, 170};

// Nothing is left to choose: the options give way to the message, and only "Abbruch" leads on.
void Refuse(const OptionPage& page, const char* message) {
  platform::SetControlEnabled(page.updateOption, false);
  platform::SetControlEnabled(page.uninstallOption, false);
  for (platform::ControlId control :
       {page.installOption, page.updateOption, page.uninstallOption, page.installLabel,
        page.updateLabel, page.uninstallLabel, page.desktopLinkBox, page.fileTypeBox,
        page.desktopLinkLabel, page.fileTypeLabel, page.extrasFrame}) {
    platform::SetControlVisible(control, false);
  }
  platform::SetControlVisible(page.messagePanel, true);
  platform::SetControlText(page.messageLabel, message);
  SetMessageColours(page.messageLabel, kMessageText, kMessageField);
  platform::SetStaticColourHook(page.dialog, MessageColourHook);
  platform::SetDefaultControlFont(numbers::kBaseFont);
}

void EnableExtras(const OptionPage& page, const AllowedExtras& allowed) {
  platform::SetControlEnabled(page.desktopLinkBox, allowed.desktopLink);
  platform::SetControlEnabled(page.fileTypeBox, allowed.fileType);
}

void DisableExtras(const OptionPage& page) {
  platform::SetControlEnabled(page.desktopLinkBox, false);
  platform::SetControlEnabled(page.fileTypeBox, false);
}

bool Selected(platform::ControlId option) {
  return platform::ControlState(option) == 1;
}

}  // namespace

void CompareWithInstalled(const OptionPage& page, const VersionFacts& facts) {
  const std::int32_t setup = facts.setupVersion;
  const std::int32_t installed = facts.installedVersion;
  if (installed == 0 || facts.installedDate == 0) {
    platform::SetControlEnabled(page.updateOption, false);
    platform::SetControlEnabled(page.uninstallOption, false);
    return;
  }
  platform::SetControlEnabled(page.installOption, false);
  const bool newerInstalledDate = facts.installedDate > facts.setupDate;
  if (installed == setup && !newerInstalledDate) {
    platform::SetControlText(page.updateLabel, kRepairLabel);
  } else if (installed == setup) {
    Refuse(page, kOlderSetupDate);
  } else if (installed > setup) {
    Refuse(page, kOlderSetupVersion);
  } else if (newerInstalledDate) {
    Refuse(page, kNewerVersionOlderDate);
  }
}

WizardChoice ReadChoice(const OptionPage& page, const AllowedExtras& allowed) {
  if (Selected(page.installOption)) {
    platform::SetControlEnabled(page.next, true);
    EnableExtras(page, allowed);
    const bool desktopLink = allowed.desktopLink && Selected(page.desktopLinkBox);
    const bool fileType = allowed.fileType && Selected(page.fileTypeBox);
    if (desktopLink && fileType) return InstallWithBoth;
    if (desktopLink) return InstallWithDesktopLink;
    if (fileType) return InstallWithFileType;
    return Install;
  }
  if (Selected(page.updateOption)) {
    platform::SetControlEnabled(page.next, true);
    DisableExtras(page);
    return platform::ControlText(page.updateLabel).compare(0, 10, "reparieren") == 0 ? Repair
                                                                                     : Update;
  }
  if (Selected(page.uninstallOption)) {
    DisableExtras(page);
    platform::SetControlEnabled(page.next, true);
    return Uninstall;
  }
  platform::SetControlEnabled(page.next, false);
  DisableExtras(page);
  platform::SetControlState(page.desktopLinkBox, 0);
  platform::SetControlState(page.fileTypeBox, 0);
  return Cancelled;
}

}  // namespace wizard
