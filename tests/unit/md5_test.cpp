#include "install/md5.h"

#include <gtest/gtest.h>

namespace {

// The test suite of RFC 1321, appendix A.5.
TEST(Md5, MatchesTheReferenceSuite) {
  const std::pair<const char*, const char*> suite[] = {
      {"", "d41d8cd98f00b204e9800998ecf8427e"},
      {"a", "0cc175b9c0f1b6a831c399e269772661"},
      {"abc", "900150983cd24fb0d6963f7d28e17f72"},
      {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
      {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
      {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
       "d174ab98d277d9f5a5611c2c9f419d9f"},
      {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
       "57edf4a22be3c955ac49da2e2107b67a"},
  };
  for (const auto& [text, digest] : suite)
    EXPECT_EQ(install::Md5Hex(text), digest) << text;
}

TEST(Md5, HandlesTheBlockBoundaries) {
  // Around 56 and 64 bytes the padding fits, just does not fit, or needs a block of its own.
  const std::pair<std::size_t, const char*> cases[] = {
      {55, "04364420e25c512fd958a70738aa8f72"}, {56, "668a72d5ba17f08e62dabcafad6db14b"},
      {63, "7dc2ca208106a2f703567bdff99d8981"}, {64, "c1bb4f81d892b2d57947682aeb252456"},
      {65, "1bc932052302d074bdec39795fe00cf6"},
  };
  for (const auto& [length, digest] : cases) {
    EXPECT_EQ(install::Md5Hex(std::string(length, 'x')), digest) << length << " bytes";
  }
}

}  // namespace
