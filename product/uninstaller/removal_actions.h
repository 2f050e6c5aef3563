// Looking for the planned items on this system and removing them.
#pragma once

#include "removal_plan.h"

namespace uninstaller {

enum class Presence {
  Absent,   // nothing to do
  Present,  // there, and ours to remove
  Foreign,  // there, but holding what is not ours: it stays
};

Presence Survey(const RemovalItem& item);

enum class Outcome {
  Removed,
  NotThere,  // gone meanwhile
  Kept,      // no longer ours alone: it stays
  Failed,
};
struct Removal {
  Outcome outcome = Outcome::NotThere;
  unsigned long error = 0;  // the Windows error code of a failure
};

Removal Remove(const RemovalItem& item);

}  // namespace uninstaller
