// The wizard's table of 256 colours, each given as the text "red|green|blue".
#pragma once

#include <string>

#include "platform/colour.h"

namespace wizard {

// The entry of an index, clamped to 0..255: 0 to 215 are the 216 combinations of the levels
// 0, 51, ..., 255 (green slowest, blue fastest), 216 to 240 greys, 241 to 255 fixed colours.
std::string ColourByIndex(int index);

// The colour of such a text: its three fields, split at "|", read as decimal integers.
platform::Colour ColourFromTableText(const std::string& text);

}  // namespace wizard
