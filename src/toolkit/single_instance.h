#pragma once

#include <string>

namespace toolkit {

// 1 if another copy holds the named mutex of the instance, 0 if this process now holds it.
// On the NT family the mutex lives in the global namespace ("Global\" + name), so that a copy
// of another logged-on user counts too. Fails open: when the mutex cannot be made, 0.
int GuardSingleInstance(const std::string& instanceName);

}  // namespace toolkit
