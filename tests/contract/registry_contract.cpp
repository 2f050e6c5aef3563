#include <gtest/gtest.h>

#include "contract.h"
#include "platform/registry.h"
#include "toolkit/last_error.h"
#include "toolkit/registry_access.h"

namespace {

using namespace platform;
using namespace toolkit;

std::string Sub(const std::string& rest) {
  return contract::ScratchKey() + "\\" + rest;
}

void Plant(const std::string& subKey, const std::string& name, std::uint32_t type,
           const std::string& bytes) {
  RegKey key;
  ASSERT_EQ(KeyCreate(HKEY_CURRENT_USER, subKey, KEY_ALL_ACCESS, key), ERROR_SUCCESS);
  ASSERT_EQ(KeySetValue(key, name, type, bytes.data(), static_cast<std::uint32_t>(bytes.size())),
            ERROR_SUCCESS);
}

TEST(RegistryContract, KeysOpenWithOrWithoutTrailingBackslashAndInAnyLetterCase) {
  RegKey key;
  ASSERT_EQ(KeyCreate(HKEY_CURRENT_USER, Sub("Größe\\Tiefe\\"), KEY_ALL_ACCESS, key),
            ERROR_SUCCESS);
  KeyClose(key);
  EXPECT_EQ(KeyOpen(HKEY_CURRENT_USER, Sub("Größe\\Tiefe"), KEY_READ, key), ERROR_SUCCESS);
  KeyClose(key);
  EXPECT_EQ(KeyOpen(HKEY_CURRENT_USER, Sub("GRÖßE\\tiefe\\"), KEY_READ, key), ERROR_SUCCESS);
  KeyClose(key);
  EXPECT_EQ(KeyOpen(HKEY_CURRENT_USER, Sub("Größe\\Fehlt"), KEY_READ, key), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(key.handle, 0u);
}

TEST(RegistryContract, ALeadingBackslashNamesNoKey) {
  RegKey key;
  ASSERT_EQ(KeyCreate(HKEY_CURRENT_USER, Sub("A"), KEY_ALL_ACCESS, key), ERROR_SUCCESS);
  KeyClose(key);
  EXPECT_NE(KeyOpen(HKEY_CURRENT_USER, "\\" + Sub("A"), KEY_READ, key), ERROR_SUCCESS);
  EXPECT_EQ(RegistryKeyExists(HKEY_CURRENT_USER, "\\" + Sub("A")), 1);
  EXPECT_EQ(RegistryKeyExists(HKEY_CURRENT_USER, "\\\\" + Sub("A")), 0);
}

TEST(RegistryContract, AQueryWithoutBufferGivesKindAndSizeAndASmallBufferAsksForMore) {
  Plant(Sub("Q"), "Wert", REG_SZ, std::string("abcdef\0", 7));
  RegKey key;
  ASSERT_EQ(KeyOpen(HKEY_CURRENT_USER, Sub("Q"), KEY_READ, key), ERROR_SUCCESS);
  std::uint32_t type = 0;
  std::uint32_t size = 0;
  ASSERT_EQ(KeyQueryValue(key, "wert", &type, nullptr, &size), ERROR_SUCCESS);
  EXPECT_EQ(type, REG_SZ);
  EXPECT_GE(size, 7u);
  char small[3];
  size = sizeof(small);
  EXPECT_EQ(KeyQueryValue(key, "Wert", &type, small, &size), ERROR_MORE_DATA);
  EXPECT_GE(size, 7u);
  EXPECT_EQ(KeyQueryValue(key, "fehlt", &type, nullptr, &size), ERROR_FILE_NOT_FOUND);
}

TEST(RegistryContract, TextsReadBackAsTheToolkitPromises) {
  const std::pair<std::string, std::string> stored[] = {
      {std::string("Grüße\0", 6), "Grüße"},
      {std::string("ohne", 4), "ohne"},
      {std::string("ab\0cd\0", 6), "abcd"},
      {std::string("\0", 1), ""},
  };
  for (const auto& [bytes, text] : stored) {
    Plant(Sub("T"), "v", REG_SZ, bytes);
    EXPECT_EQ(RegistryReadText(HKEY_CURRENT_USER, Sub("T"), "v"), text);
    EXPECT_EQ(LastErrorText(), "");
  }
  Plant(Sub("T"), "d", REG_DWORD, std::string("\x01\x00\x00\x00", 4));
  EXPECT_EQ(RegistryReadText(HKEY_CURRENT_USER, Sub("T"), "d"), "");
  EXPECT_EQ(LastErrorText(), "ERROR, false type");
  Plant(Sub("T"), "e", REG_EXPAND_SZ, std::string("%TEMP%\0", 7));
  EXPECT_EQ(RegistryReadText(HKEY_CURRENT_USER, Sub("T"), "e"), "");
  EXPECT_EQ(LastErrorText(), "ERROR, false type");
}

TEST(RegistryContract, TheToolkitRoundTripsTextsNumbersAndTheDefaultValue) {
  ASSERT_EQ(RegistryCreateKey(HKEY_CURRENT_USER, Sub("R\\")), 1);
  ASSERT_EQ(RegistryWriteText(HKEY_CURRENT_USER, Sub("R\\"), "Pfad", "C:\\Übung ä ö ß ´\\"), 1);
  EXPECT_EQ(RegistryReadText(HKEY_CURRENT_USER, Sub("R\\"), "PFAD"), "C:\\Übung ä ö ß ´\\");
  ASSERT_EQ(RegistryWriteText(HKEY_CURRENT_USER, Sub("R\\"), "", "standard"), 1);
  EXPECT_EQ(RegistryReadText(HKEY_CURRENT_USER, Sub("R\\"), ""), "standard");
  ASSERT_EQ(RegistryWriteNumber(HKEY_CURRENT_USER, Sub("R\\"), "Zahl", 1332), 1);

  RegKey key;
  ASSERT_EQ(KeyOpen(HKEY_CURRENT_USER, Sub("R"), KEY_READ, key), ERROR_SUCCESS);
  std::uint32_t type = 0;
  std::uint8_t data[4] = {};
  std::uint32_t size = sizeof(data);
  ASSERT_EQ(KeyQueryValue(key, "Zahl", &type, data, &size), ERROR_SUCCESS);
  EXPECT_EQ(type, REG_DWORD);
  EXPECT_EQ(size, 4u);
  EXPECT_EQ(data[0] | data[1] << 8, 1332);

  EXPECT_EQ(RegistryCreateKey(HKEY_CURRENT_USER, Sub("R\\")), 1);
  EXPECT_EQ(RegistryReadText(HKEY_CURRENT_USER, Sub("R\\"), "Pfad"), "C:\\Übung ä ö ß ´\\")
      << "creating an existing key keeps its values";
}

TEST(RegistryContract, ValueOperationsNeedAnExistingKeyAndCreateNone) {
  EXPECT_EQ(RegistryWriteText(HKEY_CURRENT_USER, Sub("Fehlt\\"), "a", "b"), 0);
  EXPECT_EQ(LastErrorText(), "ERROR, sub key dont exist");
  EXPECT_EQ(RegistryKeyExists(HKEY_CURRENT_USER, Sub("Fehlt\\")), 0);
  EXPECT_EQ(LastErrorText(), "ERROR, sub key not found");
  ASSERT_EQ(RegistryCreateKey(HKEY_CURRENT_USER, Sub("D")), 1);
  EXPECT_EQ(RegistryDeleteValue(HKEY_CURRENT_USER, Sub("D"), "fehlt"), 0);
  EXPECT_EQ(LastErrorText(), "ERROR, can´t delete value");
  ASSERT_EQ(RegistryWriteText(HKEY_CURRENT_USER, Sub("D"), "weg", "x"), 1);
  EXPECT_EQ(RegistryDeleteValue(HKEY_CURRENT_USER, Sub("D"), "WEG"), 1);
  EXPECT_EQ(RegistryReadText(HKEY_CURRENT_USER, Sub("D"), "weg"), "");
}

TEST(RegistryContract, ATreeIsDeletedWithItsSubKeys) {
  Plant(Sub("Baum\\Ast\\Zweig"), "v", REG_SZ, std::string("x\0", 2));
  EXPECT_EQ(KeyDeleteTree(HKEY_CURRENT_USER, Sub("Baum")), ERROR_SUCCESS);
  EXPECT_EQ(RegistryKeyExists(HKEY_CURRENT_USER, Sub("Baum")), 0);
  EXPECT_NE(KeyDeleteTree(HKEY_CURRENT_USER, Sub("Baum")), ERROR_SUCCESS);
}

TEST(RegistryContract, AKeyDeletedWhileOpenTakesNoMoreValues) {
  RegKey key;
  ASSERT_EQ(KeyCreate(HKEY_CURRENT_USER, Sub("Offen"), KEY_ALL_ACCESS, key), ERROR_SUCCESS);
  ASSERT_EQ(KeyDeleteTree(HKEY_CURRENT_USER, Sub("Offen")), ERROR_SUCCESS);
  const char text[] = "x";
  EXPECT_NE(KeySetValue(key, "v", REG_SZ, text, 2), ERROR_SUCCESS);
  EXPECT_EQ(RegistryKeyExists(HKEY_CURRENT_USER, Sub("Offen")), 0);
}

}  // namespace
