#include "wizard/colour_table.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(ColourByIndex, GivesTheEntriesOfTheTableClampedToItsEnds) {
  const std::pair<int, const char*> cases[] = {
      {-1, "0|0|0"},        {0, "0|0|0"},         {1, "0|0|51"},        {6, "51|0|0"},
      {36, "0|51|0"},       {103, "255|102|51"},  {215, "255|255|255"}, {216, "10|10|10"},
      {230, "150|150|150"}, {240, "250|250|250"}, {241, "240|200|20"},  {245, "200|160|60"},
      {246, "192|0|0"},     {251, "0|192|192"},   {252, "20|20|240"},   {253, "240|20|20"},
      {254, "20|240|20"},   {255, "10|130|220"},  {256, "10|130|220"},  {-1000, "0|0|0"},
  };
  for (const auto& [index, entry] : cases) {
    EXPECT_EQ(wizard::ColourByIndex(index), entry) << index;
  }
}

TEST(ColourByIndex, HoldsEveryCombinationOfTheSixLevelsOnce) {
  std::set<std::string> seen;
  for (int index = 0; index < 216; ++index) {
    const platform::Colour colour = wizard::ColourFromTableText(wizard::ColourByIndex(index));
    for (int channel : {colour.red, colour.green, colour.blue}) {
      EXPECT_EQ(channel % 51, 0) << index;
    }
    seen.insert(wizard::ColourByIndex(index));
  }
  EXPECT_EQ(seen.size(), 216u);
}

TEST(ColourFromTableText, ReadsTheThreeFieldsAsDecimalNumbers) {
  EXPECT_EQ(wizard::ColourFromTableText("20|20|240"), (platform::Colour{20, 20, 240}));
  EXPECT_EQ(wizard::ColourFromTableText("255|102|51"), (platform::Colour{255, 102, 51}));
  EXPECT_EQ(wizard::ColourFromTableText("7"), (platform::Colour{7, 0, 0}));
  EXPECT_EQ(wizard::ColourFromTableText("1|x|999|4"), (platform::Colour{1, 0, 255}));
}

}  // namespace
