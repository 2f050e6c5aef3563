#include "platform/command_line.h"

#include <gtest/gtest.h>

namespace {

using Arguments = std::vector<std::string>;

TEST(SplitCommandLine, FollowsTheRulesOfTheCRuntime) {
  const std::pair<const char*, Arguments> cases[] = {
      {"setup.exe", {}},
      {"\"C:\\Program Files\\setup.exe\"", {}},
      {"\"C:\\Program Files\\setup.exe\" AutoUpDate_from_MainInstance",
       {"AutoUpDate_from_MainInstance"}},
      {"setup.exe  one\t two  ", {"one", "two"}},
      {"setup.exe \"with blank\" x", {"with blank", "x"}},
      {"setup.exe a\"b c\"d", {"ab cd"}},
      {"setup.exe \"\"", {""}},
      {"setup.exe C:\\dir\\ x", {"C:\\dir\\", "x"}},
      {"setup.exe \\\\\"quoted\\\\\"", {"\\quoted\\"}},
      {"setup.exe a\\\"b", {"a\"b"}},
      {"setup.exe \"a\"\"b\"", {"a\"b"}},
      {"\"unterminated name", {}},
      {"", {}},
  };
  for (const auto& [line, expected] : cases) {
    EXPECT_EQ(platform::SplitCommandLine(line), expected) << line;
  }
}

}  // namespace
