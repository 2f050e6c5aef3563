#include "wizard/window_colours.h"

namespace wizard {
namespace {

struct MessageColours {
  platform::ControlId label = 0;
  platform::Colour textColour;
  platform::BrushId brush = 0;
};

MessageColours message;

}  // namespace

void SetMessageColours(platform::ControlId messageLabel, platform::Colour textColour,
                       platform::Colour background) {
  // A second refusal replaces the brush instead of leaving the first one behind.
  const platform::BrushId earlier = message.brush;
  message = MessageColours{messageLabel, textColour, platform::MakeSolidBrush(background)};
  platform::FreeBrush(earlier);
}

platform::StaticColourAnswer MessageColourHook(const platform::StaticColourRequest& request) {
  if (request.message != platform::WM_CTLCOLORSTATIC || message.label == 0 ||
      request.control != message.label) {
    return {};
  }
  platform::StaticColourAnswer answer;
  answer.handled = true;
  answer.transparentText = true;
  answer.textColour = message.textColour;
  answer.brush = message.brush;
  return answer;
}

void ResetMessageColours() {
  message = MessageColours{};
}

}  // namespace wizard
