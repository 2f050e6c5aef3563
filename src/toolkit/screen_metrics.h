#pragma once

namespace toolkit {

// The screen's logical pixels per inch (96 at the standard setting), 0 when no positive value
// can be had.
int ScreenPixelsPerInch();

// 96 divided by the pixels per inch: the factor that keeps a font's size in pixels. A screen
// whose resolution cannot be read gets the factor 1.0.
double DisplayScale(int pixelsPerInch);

// A font size in points multiplied by the display scale, rounded to the nearest integer with
// halves to even (10 at 0.8 gives 8; 8 at 0.8 gives 6).
int ScaledPoints(int points, double scale);

}  // namespace toolkit
