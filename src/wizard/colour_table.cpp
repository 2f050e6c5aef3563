#include "wizard/colour_table.h"

#include <algorithm>

#include "toolkit/number_text.h"

namespace wizard {
namespace {

struct Rgb {
  int red, green, blue;
};

// Indexes 241 to 255.
constexpr Rgb kFixedColours[] = {
    {240, 200, 20}, {230, 190, 30}, {220, 180, 40}, {210, 170, 50}, {200, 160, 60},
    {192, 0, 0},    {0, 192, 0},    {0, 0, 192},    {192, 192, 0},  {192, 0, 192},
    {0, 192, 192},  {20, 20, 240},  {240, 20, 20},  {20, 240, 20},  {10, 130, 220},
};

Rgb EntryOf(int index) {
  if (index < 216) {
    const int levelOfGreen = index / 36;
    const int levelOfRed = index % 36 / 6;
    const int levelOfBlue = index % 6;
    return {51 * levelOfRed, 51 * levelOfGreen, 51 * levelOfBlue};
  }
  if (index <= 240) {
    const int grey = 10 * (index - 216 + 1);
    return {grey, grey, grey};
  }
  return kFixedColours[index - 241];
}

std::uint8_t Channel(const std::string& field) {
  return static_cast<std::uint8_t>(
      std::clamp<std::int64_t>(toolkit::LeadingDecimalValue(field), 0, 255));
}

}  // namespace

std::string ColourByIndex(int index) {
  const Rgb entry = EntryOf(std::clamp(index, 0, 255));
  return toolkit::DecimalText(entry.red) + "|" + toolkit::DecimalText(entry.green) + "|" +
         toolkit::DecimalText(entry.blue);
}

platform::Colour ColourFromTableText(const std::string& text) {
  std::string fields[3];
  std::size_t field = 0;
  for (char c : text) {
    if (c == '|') {
      if (++field == 3) break;
    } else {
      fields[field] += c;
    }
  }
  return {Channel(fields[0]), Channel(fields[1]), Channel(fields[2])};
}

}  // namespace wizard
