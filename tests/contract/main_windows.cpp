// The contract suite against the Windows API (run under Wine): a scratch key and folder made
// anew for every test.
#include <gtest/gtest.h>

#include "contract.h"
#include "platform/files.h"
#include "platform/registry.h"

namespace contract {
std::string ScratchKey() {
  return "Software\\QvdContract";
}
std::string ScratchFolder() {
  return "C:\\contract\\";
}
}  // namespace contract

namespace {
class FreshScratch : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override { Clean(); }
  void OnTestEnd(const ::testing::TestInfo&) override { Clean(); }
  static void Clean() {
    platform::KeyDeleteTree(platform::HKEY_CURRENT_USER, contract::ScratchKey());
    platform::KeyDeleteTree(platform::HKEY_LOCAL_MACHINE, contract::ScratchKey());
    platform::RemoveFolderTree("C:\\contract");
    platform::MakeFolder("C:\\contract");
  }
};
}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::UnitTest::GetInstance()->listeners().Append(new FreshScratch);
  return RUN_ALL_TESTS();
}
