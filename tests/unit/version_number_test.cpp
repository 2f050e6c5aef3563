#include "driver/version_number.h"

#include "driver/product_identity.h"
#include "driver/setup_state.h"
#include "headless_test.h"
#include "platform/registry.h"
#include "toolkit/registry_access.h"

namespace {

struct VersionCase {
  const char* text;
  std::int32_t number;
};

class VersionNumberFromTextTest : public ::testing::TestWithParam<VersionCase> {};

TEST_P(VersionNumberFromTextTest, GivesTheNineDigitNumber) {
  EXPECT_EQ(driver::VersionNumberFromText(GetParam().text), GetParam().number)
      << "text: " << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VersionNumberFromTextTest,
    ::testing::Values(
        VersionCase{"V001.001.018", 1001018}, VersionCase{"V002.000.000", 2000000},
        VersionCase{"", 0}, VersionCase{"V", 0}, VersionCase{"QVDLumorak_V001.002.003", 1002003},
        VersionCase{"V1.2.3", 1002003}, VersionCase{"V001.001.0189", 1001018},
        VersionCase{"2.5", 5000}, VersionCase{"V001.0A1.018", 10},
        VersionCase{"X123.456.789", 123456789}, VersionCase{"V999.999.999", 999999999},
        // Fields after the third are ignored; a missing one counts as 000.
        VersionCase{"V1.2.3.4.5", 1002003}, VersionCase{"V7.8", 7008000},
        // Not a digit at the start of the nine characters: nothing is read.
        VersionCase{"V-12.000.00", 0}, VersionCase{"V  1.002.003", 1002003},
        VersionCase{"V 1.002.003", 0},
        // Only the first "_V" counts; a longer field keeps its first three characters.
        VersionCase{"A_V1_V2", 1}));

class ReadInstalledVersionTest : public HeadlessTest {};

TEST_F(ReadInstalledVersionTest, WithoutRecordTheInstalledVersionIsZeroAndTheDateEmpty) {
  driver::ReadInstalledVersion();
  EXPECT_EQ(driver::Setup().ownVersionNumber, 1001018);
  EXPECT_EQ(driver::Setup().installedVersionNumber, 0);
  EXPECT_EQ(driver::Setup().installedVersionDate, "");
}

TEST_F(ReadInstalledVersionTest, TakesVersionAndDateFromTheRecordAsStored) {
  ASSERT_EQ(toolkit::RegistryCreateKey(platform::HKEY_LOCAL_MACHINE, driver::kRecordKey), 1);
  toolkit::RegistryWriteText(platform::HKEY_LOCAL_MACHINE, driver::kRecordKey, "Version",
                             "V001.001.019");
  toolkit::RegistryWriteText(platform::HKEY_LOCAL_MACHINE, driver::kRecordKey, "Versdat",
                             "kein Datum");
  driver::ReadInstalledVersion();
  EXPECT_EQ(driver::Setup().installedVersionNumber, 1001019);
  EXPECT_EQ(driver::Setup().installedVersionDate, "kein Datum");
}

TEST_F(ReadInstalledVersionTest, AVersionOfAnotherKindReadsAsNoVersion) {
  ASSERT_EQ(toolkit::RegistryCreateKey(platform::HKEY_LOCAL_MACHINE, driver::kRecordKey), 1);
  toolkit::RegistryWriteNumber(platform::HKEY_LOCAL_MACHINE, driver::kRecordKey, "Version",
                               1001019);
  driver::ReadInstalledVersion();
  EXPECT_EQ(driver::Setup().installedVersionNumber, 0);
}

}  // namespace
