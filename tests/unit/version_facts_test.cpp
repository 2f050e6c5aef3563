#include "wizard/version_facts.h"

#include <gtest/gtest.h>

#include "toolkit/dates.h"

namespace {

TEST(VersionDisplay, ShowsNineDigitsInThreeGroups) {
  const std::pair<std::int32_t, const char*> cases[] = {
      {1001018, "001.001.018"}, {0, "000.000.000"},          {999999999, "999.999.999"},
      {2000000, "002.000.000"}, {1234567890, "123.456.789"}, {5, "000.000.005"},
  };
  for (const auto& [number, shown] : cases) {
    EXPECT_EQ(wizard::VersionDisplay(number), shown) << number;
  }
}

TEST(FactLines, ShowVersionsAndDatesOrTheirPlaceholders) {
  const std::int64_t lastDay2012 = toolkit::ParseDate(wizard::kDateMask, "31.12.2012");
  const std::int64_t firstDay2013 = toolkit::ParseDate(wizard::kDateMask, "01.01.2013");
  EXPECT_EQ(wizard::SetupVersionLine(1001018), "Setup-Version\t\t: 001.001.018");
  EXPECT_EQ(wizard::SetupDateLine(lastDay2012), "Versionsdatum\t: 31.12.2012");
  EXPECT_EQ(wizard::InstalledVersionLine(1001019), "Installierte Version\t: 001.001.019");
  EXPECT_EQ(wizard::InstalledVersionLine(0),
            "Installierte Version\t: nicht angegeben / installiert");
  EXPECT_EQ(wizard::InstalledDateLine(1001019, firstDay2013), "Versionsdatum\t: 01.01.2013");
  EXPECT_EQ(wizard::InstalledDateLine(1001019, 0), "Versionsdatum\t: --.--.----");
  EXPECT_EQ(wizard::InstalledDateLine(0, firstDay2013), "Versionsdatum\t: --.--.----");
}

}  // namespace
