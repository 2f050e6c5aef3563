// The working state of one call of RunSetupWizard, shared by its loop and its page builders.
#pragma once

#include <string>

#include "platform/gui.h"
#include "wizard/choice.h"

namespace wizard {

struct WizardRun {
  std::string productName;
  std::string authorName;
  std::string webAddress;
  std::string licenceText;
  VersionFacts facts;
  AllowedExtras allowed;
  bool uninstallLocked = false;

  bool pictureReady = false;
  bool dialogExists = false;
  bool licenceExists = false;
  bool pageBuilt = false;
  bool licenceBuilt = false;
  bool finished = false;
  WizardChoice pendingChoice = Cancelled;

  OptionPage page;
  platform::ControlId dialogCancel = 0;
  platform::ControlId accept = 0;
  platform::ControlId licenceCancel = 0;
};

// Fills the shown dialog with the facts, the options and the buttons, then compares versions.
void BuildOptionPage(WizardRun& run);
// Fills the licence window: the note, the licence text, "Akzeptieren" and "Abbruch".
void BuildLicencePage(WizardRun& run);

}  // namespace wizard
