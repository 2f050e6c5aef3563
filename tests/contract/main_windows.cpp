// The contract suite against the Windows API (run under Wine): a scratch key and folder made
// anew for every test, and the window services released and set up again after each one. The
// user's actions and views are in user_windows.cpp.
#include <gtest/gtest.h>

#include "contract.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "platform/system.h"

namespace {
class FreshScratch : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override { Clean(); }
  void OnTestEnd(const ::testing::TestInfo&) override {
    Clean();
    platform::ReleasePlatform();
    platform::InitialisePlatform();
  }
  static void Clean() {
    platform::KeyDeleteTree(platform::HKEY_CURRENT_USER, contract::ScratchKey());
    platform::KeyDeleteTree(platform::HKEY_LOCAL_MACHINE, contract::ScratchKey());
    platform::RemoveFolderTree("C:\\contract");
    platform::MakeFolder(contract::ScratchFolder());
  }
};
}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::UnitTest::GetInstance()->listeners().Append(new FreshScratch);
  platform::InitialisePlatform();
  const int result = RUN_ALL_TESTS();
  platform::ReleasePlatform();
  return result;
}
