// Word-wrapping and justifying a paragraph to a width in pixels, measured in a font on a drawing
// surface of the screen, so that the lines fit wherever the text is shown in that font.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/text.h"

namespace textlayout {

// The paragraph broken into lines that fit the width in that font (face, points, FontStyle),
// the longer lines justified, joined by "\r" without one at the end. Returned unchanged when no
// measuring surface can be had, when the width is under 100 pixels, or when one of its
// characters is wider than a line may be: greedy breaking could make no progress then.
std::string WrapText(const std::string& paragraph, int width, const std::string& face, int points,
                     std::uint32_t style);

// WrapText on an open surface with its font selected, at a given resolution of the screen: the
// paragraph unchanged when it cannot be broken at that width.
std::string LayOutParagraph(const platform::MeasuringSurface& surface, const std::string& paragraph,
                            int width, int pixelsPerInch);

// About one millimetre in pixels: pixels per inch / 25, 0 when the resolution is unknown.
int Margin(int pixelsPerInch);
// The width to which a word that does not fit a line is cut: (width / 100) * 70.
int FallbackLimit(int width);

// Greedy breaking after blanks to the width minus one margin; a word that alone does not fit is
// cut at the first length no wider than the fallback limit. Each line keeps the blank after
// which it was broken; the last entry is the rest of the paragraph and may be empty. An empty
// list when the paragraph cannot be broken at that width.
std::vector<std::string> BreakIntoLines(const platform::MeasuringSurface& surface,
                                        const std::string& paragraph, int width, int pixelsPerInch,
                                        int fallbackLimit);

// Widens the runs of blanks between the words of a line, evenly with the longer runs first,
// until it is at least as wide as the usable width minus one margin. A line of one word comes
// back with a blank at its end.
std::string JustifyLine(const platform::MeasuringSurface& surface, const std::string& line,
                        int usableWidth, int pixelsPerInch);

// The blanks left inside the text once its leading and trailing blanks are gone, plus one when
// something is left: two blanks in a row count as an empty word.
int CountWords(const std::string& text);

}  // namespace textlayout
