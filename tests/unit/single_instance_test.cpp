#include "toolkit/single_instance.h"

#include "headless_test.h"

namespace {

constexpr const char* kName = "setup_qvdlumorak.exe";
constexpr const char* kGlobalName = "Global\\setup_qvdlumorak.exe";

class GuardTest : public HeadlessTest {};

TEST_F(GuardTest, TheFirstCopyHoldsTheGlobalMutexUntilItEnds) {
  int result = -1;
  bool heldWhileRunning = false;
  headless::RunProcess([&] {
    result = toolkit::GuardSingleInstance(kName);
    heldWhileRunning = headless::ProgramHoldsMutex(kGlobalName);
  });
  EXPECT_EQ(result, 0);
  EXPECT_TRUE(heldWhileRunning);
  EXPECT_FALSE(headless::ProgramHoldsMutex(kGlobalName)) << "released with the process";

  headless::RunProcess([&] { result = toolkit::GuardSingleInstance(kName); });
  EXPECT_EQ(result, 0) << "a copy after the first has ended runs";
}

TEST_F(GuardTest, ASecondCopyIsToldAndHoldsNothing) {
  headless::HoldMutexElsewhere(kGlobalName);
  EXPECT_EQ(toolkit::GuardSingleInstance(kName), 1);
  EXPECT_FALSE(headless::ProgramHoldsMutex(kGlobalName));
}

TEST_F(GuardTest, ACopyThatLosesTheRaceToCreateCountsAsSecond) {
  headless::RaceMutexCreation(kGlobalName);
  EXPECT_EQ(toolkit::GuardSingleInstance(kName), 1);
}

TEST_F(GuardTest, OutsideTheNtFamilyTheNameHasNoPrefix) {
  headless::SetOsVersion({true, platform::VER_PLATFORM_WIN32_WINDOWS, 4, 10});
  EXPECT_EQ(toolkit::GuardSingleInstance(kName), 0);
  EXPECT_TRUE(headless::ProgramHoldsMutex(kName));
  EXPECT_FALSE(headless::ProgramHoldsMutex(kGlobalName));
}

TEST_F(GuardTest, AnUnknownSystemVersionDropsThePrefix) {
  headless::SetOsVersion({});
  headless::HoldMutexElsewhere(kGlobalName);
  EXPECT_EQ(toolkit::GuardSingleInstance(kName), 0) << "the global mutex is not looked for";
  EXPECT_TRUE(headless::ProgramHoldsMutex(kName));
}

}  // namespace
