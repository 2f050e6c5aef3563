#include "toolkit/dates.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* kDateMask = "%dd.%mm.%yyyy";

TEST(ParseDate, ReadsDatesIntoSecondsSince1970) {
  EXPECT_EQ(toolkit::ParseDate(kDateMask, "31.12.2012"), 1356912000);
  EXPECT_EQ(toolkit::ParseDate(kDateMask, "29.02.2000"), 951782400);
  EXPECT_EQ(toolkit::ParseDate(kDateMask, "02.01.1970"), 86400);
  EXPECT_EQ(toolkit::ParseDate("%dd.%mm.%yyyy - %hh:%ii:%ss", "01.01.1970 - 01:02:03"), 3723);
}

TEST(ParseDate, GivesZeroForTextsThatAreNoDateOfTheMask) {
  for (const char* text : {"", "31.12.201", "31.12.20122", "31-12-2012", "1.1.2012", "32.01.2012",
                           "29.02.2013", "00.01.2012", "15.13.2012", "ab.cd.efgh", " 31.12.2012"}) {
    EXPECT_EQ(toolkit::ParseDate(kDateMask, text), 0) << text;
  }
}

TEST(FormatDate, WritesTwoDigitFieldsAndFourDigitYears) {
  EXPECT_EQ(toolkit::FormatDate(kDateMask, std::int64_t{1356912000}), "31.12.2012");
  EXPECT_EQ(toolkit::FormatDate(kDateMask, std::int64_t{0}), "01.01.1970");
  EXPECT_EQ(toolkit::FormatDate("%dd.%mm.%yyyy - %hh:%ii:%ss",
                                platform::LocalDateTime{2013, 1, 5, 4, 3, 9}),
            "05.01.2013 - 04:03:09");
}

TEST(FormatDate, RoundTripsEveryDayOfALeapYear) {
  for (std::int64_t day = 0; day < 366; ++day) {
    const std::int64_t seconds = 946684800 + day * 86400;  // from 01.01.2000
    EXPECT_EQ(toolkit::ParseDate(kDateMask, toolkit::FormatDate(kDateMask, seconds)), seconds);
  }
}

}  // namespace
