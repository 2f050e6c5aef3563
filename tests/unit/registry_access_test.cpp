#include "toolkit/registry_access.h"

#include "headless_test.h"
#include "platform/registry.h"

namespace {

using namespace platform;
using namespace toolkit;

constexpr const char* kKey = "Software\\Nordavik\\Test\\";

class RegistryAccessTest : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    ASSERT_EQ(RegistryCreateKey(HKEY_LOCAL_MACHINE, kKey), 1);
  }
  void TearDown() override { EXPECT_EQ(headless::OpenRegistryKeyCount(), 0) << "a key leaked"; }

  // Plants a value of any kind, bypassing the toolkit.
  static void Plant(const std::string& name, std::uint32_t type, const std::string& bytes) {
    RegKey key;
    ASSERT_EQ(KeyOpen(HKEY_LOCAL_MACHINE, kKey, KEY_ALL_ACCESS, key), ERROR_SUCCESS);
    ASSERT_EQ(KeySetValue(key, name, type, bytes.data(), static_cast<std::uint32_t>(bytes.size())),
              ERROR_SUCCESS);
  }
};

// Every row of the failure table, with the result and the text it leaves.
TEST_F(RegistryAccessTest, EachFailureLeavesItsText) {
  struct Row {
    const char* what;
    std::function<int()> call;
    const char* text;
  };
  const Row rows[] = {
      {"bad root, empty sub-key", [] { return RegistryKeyExists(0, ""); }, "ERROR, #HKEY is empty"},
      {"root 0x80000007", [] { return RegistryCreateKey(0x80000007u, kKey); },
       "ERROR, #HKEY is empty"},
      {"empty sub-key", [] { return RegistryWriteText(HKEY_LOCAL_MACHINE, "", "a", "b"); },
       "ERROR, subkeyname is empty"},
      {"lone backslash", [] { return RegistryWriteText(HKEY_LOCAL_MACHINE, "\\", "a", "b"); },
       "ERROR, subkeyname is empty"},
      {"number without name", [] { return RegistryWriteNumber(HKEY_LOCAL_MACHINE, kKey, "", 1); },
       "ERROR, valuename is empty"},
      {"missing key tested", [] { return RegistryKeyExists(HKEY_LOCAL_MACHINE, "Software\\No"); },
       "ERROR, sub key not found"},
      {"text into missing key",
       [] { return RegistryWriteText(HKEY_LOCAL_MACHINE, "Software\\No", "a", "b"); },
       "ERROR, sub key dont exist"},
      {"number into missing key",
       [] { return RegistryWriteNumber(HKEY_LOCAL_MACHINE, "Software\\No", "a", 1); },
       "ERROR, sub key dont exist"},
      {"delete in missing key",
       [] { return RegistryDeleteValue(HKEY_LOCAL_MACHINE, "Software\\No", "a"); },
       "ERROR, sub key dont exist"},
      {"delete missing value", [] { return RegistryDeleteValue(HKEY_LOCAL_MACHINE, kKey, "no"); },
       "ERROR, can´t delete value"},
  };
  for (const Row& row : rows) {
    SetLastErrorText("stale");
    EXPECT_EQ(row.call(), 0) << row.what;
    EXPECT_EQ(LastErrorText(), row.text) << row.what;
  }
  EXPECT_EQ(RegistryKeyExists(HKEY_LOCAL_MACHINE, "Software\\No"), 0) << "a writer created a key";
}

TEST_F(RegistryAccessTest, ReaderFailuresGiveTheEmptyTextAndTheirMessage) {
  Plant("dword", REG_DWORD, std::string("\x01\x00\x00\x00", 4));
  Plant("expand", REG_EXPAND_SZ, std::string("%TEMP%\0", 7));
  const std::pair<std::function<std::string()>, const char*> rows[] = {
      {[] { return RegistryReadText(HKEY_LOCAL_MACHINE, kKey, "missing"); },
       "ERROR, not specified message"},
      {[] { return RegistryReadText(HKEY_LOCAL_MACHINE, "Software\\No", "x"); },
       "ERROR, sub key dont exist"},
      {[] { return RegistryReadText(HKEY_LOCAL_MACHINE, kKey, "dword"); }, "ERROR, false type"},
      {[] { return RegistryReadText(HKEY_LOCAL_MACHINE, kKey, "expand"); }, "ERROR, false type"},
      {[] { return RegistryReadText(12345, kKey, "x"); }, "ERROR, #HKEY is empty"},
  };
  for (const auto& [call, text] : rows) {
    EXPECT_EQ(call(), "");
    EXPECT_EQ(LastErrorText(), text);
  }
}

TEST_F(RegistryAccessTest, AFailingDataQueryIsAReadingError) {
  Plant("v", REG_SZ, std::string("abc\0", 4));
  headless::FailRegistryDataReads(true);
  EXPECT_EQ(RegistryReadText(HKEY_LOCAL_MACHINE, kKey, "v"), "");
  EXPECT_EQ(LastErrorText(), "ERROR, reading key");
}

TEST_F(RegistryAccessTest, TextsComeBackAsWrittenWithZeroBytesLeftOut) {
  const std::pair<std::string, std::string> stored[] = {
      {std::string("abc\0", 4), "abc"},     {std::string("abc", 3), "abc"},  // no terminator
      {std::string("ab\0cd\0", 6), "abcd"},  // inner zero byte skipped
      {std::string("\0", 1), ""},           {std::string(), ""},
  };
  for (const auto& [bytes, text] : stored) {
    Plant("v", REG_SZ, bytes);
    ClearLastErrorText();
    EXPECT_EQ(RegistryReadText(HKEY_LOCAL_MACHINE, kKey, "v"), text);
    EXPECT_EQ(LastErrorText(), "");
  }
}

TEST_F(RegistryAccessTest, WrittenTextsAndNumbersHaveTheirKindAndBytes) {
  ASSERT_EQ(RegistryWriteText(HKEY_LOCAL_MACHINE, kKey, "Pfad", "C:\\Programme\\Über\\"), 1);
  EXPECT_EQ(RegistryReadText(HKEY_LOCAL_MACHINE, kKey, "pfad"), "C:\\Programme\\Über\\");
  ASSERT_EQ(RegistryWriteText(HKEY_LOCAL_MACHINE, kKey, "", "standard"), 1);
  EXPECT_EQ(RegistryReadText(HKEY_LOCAL_MACHINE, kKey, ""), "standard");
  ASSERT_EQ(RegistryWriteNumber(HKEY_LOCAL_MACHINE, kKey, "n", -2), 1);

  RegKey key;
  ASSERT_EQ(KeyOpen(HKEY_LOCAL_MACHINE, kKey, KEY_READ, key), ERROR_SUCCESS);
  std::uint32_t type = 0;
  std::uint8_t data[64] = {};
  std::uint32_t size = sizeof(data);
  ASSERT_EQ(KeyQueryValue(key, "Pfad", &type, data, &size), ERROR_SUCCESS);
  EXPECT_EQ(type, REG_SZ);
  EXPECT_EQ(size, std::string("C:\\Programme\\Über\\").size() + 1) << "terminator stored";
  size = sizeof(data);
  ASSERT_EQ(KeyQueryValue(key, "n", &type, data, &size), ERROR_SUCCESS);
  EXPECT_EQ(type, REG_DWORD);
  ASSERT_EQ(size, 4u);
  EXPECT_EQ(std::vector<std::uint8_t>(data, data + 4),
            (std::vector<std::uint8_t>{0xFE, 0xFF, 0xFF, 0xFF}));
}

TEST_F(RegistryAccessTest, OneLeadingBackslashIsDroppedAndOnlyOne) {
  EXPECT_EQ(RegistryKeyExists(HKEY_LOCAL_MACHINE, std::string("\\") + kKey), 1);
  ASSERT_EQ(RegistryWriteText(HKEY_LOCAL_MACHINE, std::string("\\") + kKey, "x", "1"), 1);
  EXPECT_EQ(RegistryReadText(HKEY_LOCAL_MACHINE, kKey, "x"), "1");
  EXPECT_EQ(RegistryKeyExists(HKEY_LOCAL_MACHINE, std::string("\\\\") + kKey), 0);
}

TEST_F(RegistryAccessTest, CreatingAnExistingKeyKeepsItsValues) {
  ASSERT_EQ(RegistryWriteText(HKEY_LOCAL_MACHINE, kKey, "keep", "me"), 1);
  EXPECT_EQ(RegistryCreateKey(HKEY_LOCAL_MACHINE, kKey), 1);
  EXPECT_EQ(RegistryReadText(HKEY_LOCAL_MACHINE, kKey, "keep"), "me");
}

TEST_F(RegistryAccessTest, WithoutRightsNothingIsWrittenAndReadingStillWorks) {
  ASSERT_EQ(RegistryWriteText(HKEY_LOCAL_MACHINE, kKey, "v", "old"), 1);
  headless::RefuseRegistryWrites(HKEY_LOCAL_MACHINE, true);
  EXPECT_EQ(RegistryWriteText(HKEY_LOCAL_MACHINE, kKey, "v", "new"), 0);
  EXPECT_EQ(LastErrorText(), "ERROR, can´t write value");
  EXPECT_EQ(RegistryWriteNumber(HKEY_LOCAL_MACHINE, kKey, "n", 1), 0);
  EXPECT_EQ(LastErrorText(), "ERROR, can´t write value");
  EXPECT_EQ(RegistryCreateKey(HKEY_LOCAL_MACHINE, "Software\\New"), 0);
  EXPECT_EQ(LastErrorText(), "ERROR, false type");
  EXPECT_EQ(RegistryDeleteValue(HKEY_LOCAL_MACHINE, kKey, "v"), 0);
  EXPECT_EQ(RegistryReadText(HKEY_LOCAL_MACHINE, kKey, "v"), "old");
  EXPECT_EQ(LastErrorText(), "");
}

TEST_F(RegistryAccessTest, SuccessClearsAnEarlierText) {
  SetLastErrorText("ERROR, earlier");
  EXPECT_EQ(RegistryKeyExists(HKEY_LOCAL_MACHINE, kKey), 1);
  EXPECT_EQ(LastErrorText(), "");
}

}  // namespace
