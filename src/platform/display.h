// The screen's logical resolution.
#pragma once

namespace platform {

// GetDeviceCaps(LOGPIXELSX) of the desktop window's device context, as the system gives it
// (0 or less when it cannot be read).
int DesktopPixelsPerInch();

}  // namespace platform
