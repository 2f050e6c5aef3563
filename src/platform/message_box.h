// The system's standard message box.
#pragma once

#include <cstdint>
#include <string>

#include "platform/windows_names.h"

namespace platform {

// MessageBoxA: text, title and MB_* style flags; the owner is a numbered window, or -1 for none.
// Returns the answer (IDOK, IDYES, IDNO, ...), 0 when the box could not be shown.
int ShowMessageBox(const std::string& text, const std::string& title, std::uint32_t flags,
                   int ownerWindow = -1);

}  // namespace platform
