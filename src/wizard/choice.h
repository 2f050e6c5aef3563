// The decisions of the wizard's page: which options the comparison of the setup with the
// installed copy leaves, when the page refuses to go on, and which choice the options make.
#pragma once

#include <cstdint>

#include "platform/gui.h"
#include "wizard/wizard_choice.h"

namespace wizard {

// The controls of the page that the decisions change, hide and read.
struct OptionPage {
  platform::WindowNumber dialog = platform::kNoWindow;
  platform::ControlId installOption = 0;
  platform::ControlId updateOption = 0;
  platform::ControlId uninstallOption = 0;
  platform::ControlId installLabel = 0;
  platform::ControlId updateLabel = 0;  // its text is the update option's displayed text
  platform::ControlId uninstallLabel = 0;
  platform::ControlId desktopLinkBox = 0;
  platform::ControlId fileTypeBox = 0;
  platform::ControlId desktopLinkLabel = 0;
  platform::ControlId fileTypeLabel = 0;
  platform::ControlId extrasFrame = 0;
  platform::ControlId messagePanel = 0;
  platform::ControlId messageLabel = 0;
  platform::ControlId next = 0;  // "Weiter"
};

// Version numbers and dates (seconds since 1970; 0 = none) of the setup and the installed copy.
struct VersionFacts {
  std::int32_t setupVersion = 0;
  std::int64_t setupDate = 0;
  std::int32_t installedVersion = 0;
  std::int64_t installedDate = 0;
};

struct AllowedExtras {
  bool desktopLink = false;
  bool fileType = false;
};

inline constexpr const char* kRepairLabel = "reparieren (Setup-Version gleich der installierten)";

// Runs once, right after the page is shown: leaves only "installieren" when nothing is recorded,
// otherwise update (or repair) and uninstall, or refuses with a message when the setup is older.
void CompareWithInstalled(const OptionPage& page, const VersionFacts& facts);

// Runs after every event while the page exists: enables what the selected option allows and
// gives the choice it makes.
WizardChoice ReadChoice(const OptionPage& page, const AllowedExtras& allowed);

}  // namespace wizard
