#include "toolkit/number_text.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(DecimalText, WritesDigitsWithSignAndWithoutLeadingZeros) {
  EXPECT_EQ(toolkit::DecimalText(0), "0");
  EXPECT_EQ(toolkit::DecimalText(1356963137), "1356963137");
  EXPECT_EQ(toolkit::DecimalText(-2147483648LL), "-2147483648");
  EXPECT_EQ(toolkit::DecimalText(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
}

TEST(LeadingDecimalValue, ReadsDigitsAfterBlanksUpToTheFirstOther) {
  EXPECT_EQ(toolkit::LeadingDecimalValue("  0010A1018"), 10);
  EXPECT_EQ(toolkit::LeadingDecimalValue("abc"), 0);
  EXPECT_EQ(toolkit::LeadingDecimalValue(""), 0);
  EXPECT_EQ(toolkit::LeadingDecimalValue("-5"), 0);
  EXPECT_EQ(toolkit::LeadingDecimalValue("99999999999999999999999"),
            std::numeric_limits<std::int64_t>::max());
}

TEST(LowerHexText, WritesTwoDigitsPerByte) {
  const std::uint8_t bytes[] = {0x00, 0x0f, 0xa0, 0xff};
  EXPECT_EQ(toolkit::LowerHexText(bytes, 4), "000fa0ff");
}

}  // namespace
