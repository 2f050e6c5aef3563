// The wizard's colours on screen: a two-colour gradient as the background of every window of
// the setup, and the refusal message drawn in its own colours.
#pragma once

#include <cstdint>

#include "platform/colour.h"
#include "platform/gui.h"

namespace wizard {

inline constexpr int kVerticalStripes = 1;  // any other direction gives horizontal bands

// Paints a gradient from firstColour towards lastColour in steps (2..255) bands over the inner
// area of the window into the numbered picture, and makes a pattern brush of it the windows'
// background. Returns the picture's handle, or 0 (with the toolkit's error text) on failure.
std::uintptr_t PaintGradientBackground(platform::Colour firstColour, platform::Colour lastColour,
                                       int steps, int direction, int window, int picture);

// The refusal message: the label whose static-colour request the hook answers, with the text
// colour and a solid brush of the background colour, which lives until the program ends.
void SetMessageColours(platform::ControlId messageLabel, platform::Colour textColour,
                       platform::Colour background);
platform::StaticColourAnswer MessageColourHook(const platform::StaticColourRequest& request);

// Forget the brushes and colours of an earlier run (tests).
void ResetGradientBrush();
void ResetMessageColours();

}  // namespace wizard
