// The setup's main dialog: product and version facts, the choice of action with its install
// extras, and the licence agreement before a new installation.
#pragma once

#include <cstdint>
#include <string>

#include "wizard/wizard_choice.h"

namespace wizard {

// Shows the wizard and returns the user's choice. Colour indexes pick the background gradient
// from the colour table (clamped to 0..255); uninstallLocked != 0 disables the uninstall option;
// an extra box may be used only when its argument is exactly 1.
// On a choice other than Cancelled the hidden main window (window 0) stays open to own the
// installation's windows, and the base font (font 0) stays loaded for their controls.
WizardChoice RunSetupWizard(const std::string& productName, std::int32_t setupVersionNumber,
                            const std::string& setupVersionDate, const std::string& authorName,
                            const std::string& webAddress, const std::string& licenceText,
                            std::int32_t installedVersionNumber,
                            const std::string& installedVersionDate, int topColourIndex,
                            int bottomColourIndex, int uninstallLocked, int desktopLinkAllowed,
                            int fileTypeAllowed);

// Forgets what an earlier wizard left in the module state (tests).
void ResetWizardState();

}  // namespace wizard
