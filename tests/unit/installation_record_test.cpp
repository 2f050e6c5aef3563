#include "install/installation_record.h"

#include <algorithm>

#include "driver/product_identity.h"
#include "headless_test.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "toolkit/registry_access.h"

namespace {

using platform::HKEY_LOCAL_MACHINE;

// The names of the values of a key, upper-cased as the stand-in compares them.
std::vector<std::string> ValueNames(const char* subKey,
                                    const std::vector<std::string>& candidates) {
  std::vector<std::string> present;
  platform::RegKey key;
  if (platform::KeyOpen(HKEY_LOCAL_MACHINE, subKey, platform::KEY_READ, key) !=
      platform::ERROR_SUCCESS) {
    return present;
  }
  for (const std::string& name : candidates) {
    std::uint32_t size = 0;
    if (platform::KeyQueryValue(key, name, nullptr, nullptr, &size) == platform::ERROR_SUCCESS) {
      present.push_back(name);
    }
  }
  return present;
}

const std::vector<std::string> kCandidates = {"Version", "Versdat", "Filedat", "Filelen", "Setup",
                                              "RunPath", "SetPath", "admin",   ""};

class InstallationRecordTest : public HeadlessTest {
 protected:
  static std::string Value(const char* name) {
    return toolkit::RegistryReadText(HKEY_LOCAL_MACHINE, driver::kRecordKey, name);
  }
  static install::RecordValues Values() {
    return {"C:\\Programme\\Größe\\QVDLumorak\\", "1356963137",
            install::MainProgramDigest(1364480)};
  }
};

TEST_F(InstallationRecordTest, WritesExactlyTheSevenValuesAndRemovesTheProbe) {
  headless::SetLocalTime({2013, 1, 5, 14, 3, 9});
  const std::uint32_t before = headless::Now();
  ASSERT_TRUE(install::WriteInstallationRecord(Values()));
  EXPECT_EQ(ValueNames(driver::kRecordKey, kCandidates),
            (std::vector<std::string>{"Version", "Versdat", "Filedat", "Filelen", "Setup",
                                      "RunPath", "SetPath"}));
  EXPECT_EQ(Value("Version"), "V001.001.018");
  EXPECT_EQ(Value("Versdat"), "31.12.2012");
  EXPECT_EQ(Value("Filedat"), "1356963137");
  EXPECT_EQ(Value("Filelen"), "0b87f06637764ec94693ebbb2c89e5fb");
  EXPECT_EQ(Value("Setup"), "05.01.2013 - 14:03:09");
  EXPECT_EQ(Value("RunPath"), "C:\\Programme\\Größe\\QVDLumorak\\");
  EXPECT_EQ(Value("SetPath"), "C:\\PROGRAMME\\GRÖßE\\QVDLUMORAK\\");
  EXPECT_EQ(headless::Now() - before, 100u) << "the probe value lives for 100 ms";
  EXPECT_TRUE(ValueNames(driver::kMakerKey, kCandidates).empty()) << "nothing in the maker's key";
}

TEST_F(InstallationRecordTest, ARefusedProbeChangesNothingWhereTheKeyExists) {
  ASSERT_EQ(toolkit::RegistryCreateKey(HKEY_LOCAL_MACHINE, driver::kRecordKey), 1);
  ASSERT_EQ(
      toolkit::RegistryWriteText(HKEY_LOCAL_MACHINE, driver::kRecordKey, "Version", "V001.001.010"),
      1);
  headless::RefuseRegistryWrites(HKEY_LOCAL_MACHINE, true);
  EXPECT_FALSE(install::WriteInstallationRecord(Values()));
  EXPECT_EQ(ValueNames(driver::kRecordKey, kCandidates), (std::vector<std::string>{"Version"}));
  EXPECT_EQ(Value("Version"), "V001.001.010");
}

TEST_F(InstallationRecordTest, AKeyThatCannotBeMadeStopsBeforeAnyValue) {
  headless::RefuseRegistryWrites(HKEY_LOCAL_MACHINE, true);
  EXPECT_FALSE(install::WriteInstallationRecord(Values()));
  EXPECT_EQ(toolkit::RegistryKeyExists(HKEY_LOCAL_MACHINE, driver::kMakerKey), 0);
}

TEST(MainProgramDigest, DependsOnTheCountOnly) {
  EXPECT_EQ(install::MainProgramDigest(1364480), "0b87f06637764ec94693ebbb2c89e5fb");
  EXPECT_EQ(install::MainProgramDigest(39936), "4dcd9d899874f6ea99f5fb7c716b075c");
  EXPECT_EQ(install::MainProgramDigest(0), "cfcd208495d565ef66e7dff9f98764da");
}

// A PE file begins with the offset of its header at 60; the header begins with "PE\0\0", and
// its link time stamp lies 8 bytes further on.
std::vector<std::uint8_t> PeFixture(std::uint32_t headerOffset, std::uint32_t signature,
                                    std::uint32_t stamp, std::size_t size) {
  std::vector<std::uint8_t> bytes(std::max<std::size_t>(size, 0), 0);
  auto put = [&](std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
      if (at + i < bytes.size()) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
  };
  if (bytes.size() >= 2) bytes[0] = 'M', bytes[1] = 'Z';
  put(60, headerOffset);
  put(headerOffset, signature);
  put(headerOffset + 8ull, stamp);
  return bytes;
}

class LinkTimeStampTest : public HeadlessTest {};

TEST_F(LinkTimeStampTest, ReadsTheStampOrGivesTheEmptyText) {
  struct Fixture {
    const char* what;
    std::vector<std::uint8_t> bytes;
    const char* text;
  };
  const Fixture fixtures[] = {
      {"shipped stamp", PeFixture(128, 0x4550, 1356963137, 256), "1356963137"},
      {"stamp read as signed", PeFixture(64, 0x4550, 0x80000000u, 128), "-2147483648"},
      {"stamp zero", PeFixture(64, 0x4550, 0, 128), "0"},
      {"header right at the end", PeFixture(64, 0x4550, 77, 76), "77"},
      {"truncated before the stamp", PeFixture(64, 0x4550, 77, 75), ""},
      {"no PE signature", PeFixture(64, 0x454E, 77, 128), ""},
      {"header offset beyond the file", PeFixture(0x7FFFFFF0, 0x4550, 77, 128), ""},
      {"shorter than the header offset field", std::vector<std::uint8_t>(62, 0), ""},
      {"empty file", {}, ""},
  };
  for (const Fixture& fixture : fixtures) {
    ASSERT_TRUE(platform::WriteWholeFile("C:\\fixture.exe", fixture.bytes));
    EXPECT_EQ(install::LinkTimeStampText("C:\\fixture.exe"), fixture.text) << fixture.what;
  }
  EXPECT_EQ(headless::OpenFileCount(), 0);
}

TEST_F(LinkTimeStampTest, AMissingOrLockedFileGivesTheEmptyText) {
  EXPECT_EQ(install::LinkTimeStampText("C:\\missing.exe"), "");
  ASSERT_TRUE(platform::WriteWholeFile("C:\\locked.exe", PeFixture(64, 0x4550, 5, 128)));
  headless::LockFile("C:\\locked.exe", true);
  EXPECT_EQ(install::LinkTimeStampText("C:\\locked.exe"), "");
}

}  // namespace
