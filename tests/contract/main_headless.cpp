// The contract suite against the headless stand-in: a fresh machine for every test.
#include <gtest/gtest.h>

#include "contract.h"
#include "platform/files.h"
#include "platform/headless/control.h"

namespace {
class FreshMachine : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override {
    headless::Reset();
    platform::MakeFolder(contract::ScratchFolder());
  }
};
}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::UnitTest::GetInstance()->listeners().Append(new FreshMachine);
  return RUN_ALL_TESTS();
}
