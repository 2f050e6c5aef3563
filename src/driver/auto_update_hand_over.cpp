#include "driver/auto_update_hand_over.h"

#include <cstdint>
#include <string>
#include <vector>

#include "driver/setup_state.h"
#include "platform/gui.h"
#include "platform/system.h"
#include "textlayout/text_wrapping.h"
#include "toolkit/resource_numbers.h"
#include "toolkit/screen_metrics.h"

namespace driver {
namespace {

// The pause is a fixed number of seconds counted on the tick count; the main program's process
// is not looked for.
void WaitForTheMainProgramToEnd() {
  std::uint32_t lastCounted = platform::TickCount();
  int seconds = 0;
  while (seconds <= 4) {
    const platform::Event event = platform::WaitEvent(500);
    if (event.kind == platform::EventKind::Control) continue;
    const std::uint32_t now = platform::TickCount();
    // Elapsed time as an unsigned difference, so that the count goes on across the wrap of the
    // 32-bit tick count (every 49.7 days) instead of waiting for the next wrap.
    if (now - lastCounted > 1000) {
      lastCounted = now;
      ++seconds;
    }
  }
}

}  // namespace

int AwaitMainInstanceExit() {
  const SetupState& state = Setup();
  const std::string handOverText =
      textlayout::WrapText(kHandOverMessage, 340, state.baseFontName,
                           toolkit::ScaledPoints(8, state.dpiScale), platform::kFontBold);

  const std::vector<std::string> arguments = platform::CommandLineArguments();
  if (arguments.empty() || arguments[0] != kAutoUpdateWord) return 0;

  platform::WindowSpec window;
  window.innerWidth = 360;
  window.innerHeight = 50;
  window.title = kHandOverTitle;
  window.style = platform::kWindowCaption | platform::kWindowCentred | platform::kWindowTopMost;
  if (!platform::OpenWindow(numbers::kHandOverWindow, window)) return 0;

  platform::SetDefaultControlFont(state.smallBoldFont);
  platform::ControlSpec text;
  text.kind = platform::ControlKind::Label;
  text.x = 10;
  text.y = 3;
  text.width = 340;
  text.height = 44;
  text.text = handOverText;
  platform::CreateControl(numbers::kHandOverWindow, 0, text);
  platform::UseStandardControlFont();
  platform::SetWindowTopMost(numbers::kHandOverWindow, true);

  WaitForTheMainProgramToEnd();
  platform::CloseWindow(numbers::kHandOverWindow);
  return 1;
}

}  // namespace driver
