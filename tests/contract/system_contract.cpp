#include <gtest/gtest.h>

#include "contract.h"
#include "platform/display.h"
#include "platform/files.h"
#include "platform/system.h"

namespace {

using namespace platform;

// Code page 1252: a-z, the accented small letters, š œ ž and ÿ are raised; ß, µ and ÷ are not.
TEST(SystemContract, UpperCasingFollowsCodePage1252) {
  std::string all;
  for (int byte = 1; byte < 256; ++byte)
    all += static_cast<char>(byte);
  const std::string upper = UpperCaseAnsi(all);
  ASSERT_EQ(upper.size(), all.size());
  for (int byte = 1; byte < 256; ++byte) {
    int expected = byte;
    if (byte >= 'a' && byte <= 'z') expected = byte - 0x20;
    if (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7) expected = byte - 0x20;
    if (byte == 0x9A || byte == 0x9C || byte == 0x9E) expected = byte - 0x10;
    if (byte == 0xFF) expected = 0x9F;
    EXPECT_EQ(static_cast<unsigned char>(upper[byte - 1]), expected) << "byte " << byte;
  }
}

TEST(SystemContract, TheTemporaryFolderEndsWithABackslashAndExists) {
  const std::string folder = TemporaryFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '\\');
  EXPECT_TRUE(CanListFolder(folder) || MakeFolder(folder));
}

TEST(SystemContract, APauseAdvancesTheTickCount) {
  const std::uint32_t before = TickCount();
  PauseMilliseconds(100);
  const std::uint32_t elapsed = TickCount() - before;
  EXPECT_GE(elapsed, 84u) << "the tick advances in steps of about 16 ms";
  EXPECT_LT(elapsed, 1000u);
}

TEST(SystemContract, TheSystemIsOfTheNtFamilyAt96PixelsPerInch) {
  const OsVersion version = QueryOsVersion();
  EXPECT_TRUE(version.known);
  EXPECT_EQ(version.platformId, VER_PLATFORM_WIN32_NT);
  EXPECT_GE(version.major, 5u);
  EXPECT_EQ(DesktopPixelsPerInch(), 96);
}

TEST(SystemContract, AMutexIsHeldUntilTheEndAndASecondCreateFindsIt) {
  const std::string name = "QvdContractMutex";
  EXPECT_FALSE(NamedMutexOpens(name));
  EXPECT_EQ(CreateHeldMutex(name), MutexCreation::Created);
  EXPECT_TRUE(NamedMutexOpens(name));
  EXPECT_EQ(CreateHeldMutex(name), MutexCreation::AlreadyExisted);
}

TEST(SystemContract, StartingAMissingProgramFails) {
  EXPECT_FALSE(StartProgram(contract::ScratchFolder() + "fehlt.exe", "UnInstall",
                            contract::ScratchFolder()));
}

TEST(SystemContract, TheLocalTimeIsADate) {
  const LocalDateTime now = CurrentLocalTime();
  EXPECT_GE(now.year, 2000);
  EXPECT_TRUE(now.month >= 1 && now.month <= 12);
  EXPECT_TRUE(now.day >= 1 && now.day <= 31);
  EXPECT_TRUE(now.hour >= 0 && now.hour <= 23);
}

}  // namespace
