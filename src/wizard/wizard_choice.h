// What the wizard hands back: the user's choice of action. The install extras travel as fixed
// codes 6 to 8, not as bit flags.
#pragma once

#include <cstdint>

namespace wizard {

enum WizardChoice : std::int32_t {
  Cancelled = 0,
  Install = 1,
  Update = 2,
  Repair = 3,
  TimestampUpdate = 4,  // never produced by the wizard; the dispatch takes it like 2 and 3
  Uninstall = 5,
  InstallWithDesktopLink = 6,
  InstallWithFileType = 7,
  InstallWithBoth = 8,
};

}  // namespace wizard
