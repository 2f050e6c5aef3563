#include "platform/image.h"

#include <gtest/gtest.h>

#include "bmp_fixture.h"

namespace {

using platform::Colour;
using platform::Image;

constexpr Colour kRed{255, 0, 0};
constexpr Colour kGreen{0, 255, 0};
constexpr Colour kBlue{0, 0, 255};
constexpr Colour kWhite{255, 255, 255};
constexpr Colour kBlack{0, 0, 0};

std::vector<Colour> Decode(const std::vector<std::uint8_t>& bytes) {
  const auto image = platform::DecodeBmp(bytes.data(), bytes.size());
  return image ? image->pixels : std::vector<Colour>{};
}

// Stored rows are bottom-up unless the height is negative; the decoded image is top row first.
TEST(DecodeBmp, MapsEveryKindToTheRightPixels) {
  struct Case {
    const char* what;
    fixture::BmpSpec layout;
    std::vector<Colour> expected;
  };
  const std::vector<Case> cases = {
      {"24 bit, rows padded",
       {3, 2, 24, {}, {0x0000FF, 0x00FF00, 0xFF0000, 0xFFFFFF, 0, 0xFF0000}},
       {kWhite, kBlack, kRed, kBlue, kGreen, kRed}},
      {"24 bit top-down", {1, -2, 24, {}, {0xFF0000, 0x0000FF}}, {kRed, kBlue}},
      {"32 bit", {2, 1, 32, {}, {0x00FF00, 0xFFFFFF}}, {kGreen, kWhite}},
      {"8 bit palette", {3, 1, 8, {kRed, kGreen, kBlue}, {2, 0, 1}}, {kBlue, kRed, kGreen}},
      {"4 bit palette, odd width",
       {3, 2, 4, {kBlack, kWhite, kRed}, {1, 2, 0, 2, 2, 1}},
       {kRed, kRed, kWhite, kWhite, kRed, kBlack}},
      {"1 bit, nine columns cross a byte",
       {9, 1, 1, {kBlack, kWhite}, {1, 0, 0, 0, 0, 0, 0, 1, 1}},
       {kWhite, kBlack, kBlack, kBlack, kBlack, kBlack, kBlack, kWhite, kWhite}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Decode(fixture::MakeBmp(c.layout)), c.expected) << c.what;
  }
}

TEST(DecodeBmp, RefusesDamagedHeadersAndCutData) {
  const fixture::BmpSpec good{4, 3, 8, {kRed, kGreen}, std::vector<std::uint32_t>(12, 1)};
  const auto bytes = fixture::MakeBmp(good);
  ASSERT_EQ(Decode(bytes).size(), 12u);

  auto damaged = [&](std::size_t at, std::uint32_t value, int width = 4) {
    auto copy = bytes;
    for (int i = 0; i < width; ++i)
      copy[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    return copy;
  };
  const std::pair<const char*, std::vector<std::uint8_t>> cases[] = {
      {"no signature", damaged(0, 'X', 1)},
      {"file size beyond the data", damaged(2, static_cast<std::uint32_t>(bytes.size()) + 1)},
      {"pixels beyond the data", damaged(10, static_cast<std::uint32_t>(bytes.size()) - 4)},
      {"pixel offset inside the palette", damaged(10, 54)},
      {"info header too small", damaged(14, 12)},
      {"info header beyond the data", damaged(14, 0x7FFFFFFF)},
      {"zero width", damaged(18, 0)},
      {"negative width", damaged(18, 0xFFFFFFFF)},
      {"zero height", damaged(22, 0)},
      {"height of the smallest int", damaged(22, 0x80000000)},
      {"huge picture", damaged(18, 100000)},
      {"two planes", damaged(26, 2, 2)},
      {"16 bits", damaged(28, 16, 2)},
      {"compressed", damaged(30, 1)},
      {"more colours than the bits allow", damaged(46, 257)},
      {"index past the palette",
       [&] {
         auto copy = bytes;
         copy.back() = 7;
         return copy;
       }()},
      {"cut in the middle of the pixels",
       std::vector<std::uint8_t>(bytes.begin(), bytes.end() - 1)},
      {"cut in the header", std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 30)},
      {"empty", {}},
  };
  for (const auto& [what, data] : cases) {
    EXPECT_FALSE(platform::DecodeBmp(data.data(), data.size()).has_value()) << what;
  }
  EXPECT_FALSE(platform::DecodeBmp(nullptr, 100).has_value());
}

TEST(DecodeBmp, AFileSizeOfZeroIsAccepted) {
  auto bytes = fixture::MakeBmp({1, 1, 24, {}, {0x123456}});
  bytes[2] = bytes[3] = bytes[4] = bytes[5] = 0;
  EXPECT_EQ(Decode(bytes), (std::vector<Colour>{{0x12, 0x34, 0x56}}));
}

TEST(EncodeBmp24, WritesABitmapThatDecodesToTheSameImage) {
  Image image = *platform::MakeImage(3, 2, kBlack);
  image.At(0, 0) = kRed;
  image.At(2, 1) = Colour{1, 2, 3};
  const auto bytes = platform::EncodeBmp24(image);
  EXPECT_EQ(bytes.size(), 54u + 2 * 12) << "rows of 9 bytes padded to 12";
  EXPECT_EQ(bytes[28], 24);
  EXPECT_EQ(Decode(bytes), image.pixels);
  EXPECT_TRUE(platform::EncodeBmp24(Image{}).empty());
}

TEST(ScaleSmooth, AveragesWhenShrinkingAndInterpolatesWhenEnlarging) {
  Image checker = *platform::MakeImage(2, 2, kBlack);
  checker.At(0, 0) = kWhite;
  checker.At(1, 1) = kWhite;
  EXPECT_EQ(platform::ScaleSmooth(checker, 1, 1)->pixels, (std::vector<Colour>{{128, 128, 128}}));

  Image ramp = *platform::MakeImage(2, 1, kBlack);
  ramp.At(1, 0) = Colour{200, 100, 0};
  // Pixel centres of the target at 0.125, 0.375, 0.625, 0.875 of the way: the outer ones
  // stay at the edge colours, the inner ones lie between.
  EXPECT_EQ(platform::ScaleSmooth(ramp, 4, 1)->pixels,
            (std::vector<Colour>{kBlack, {50, 25, 0}, {150, 75, 0}, {200, 100, 0}}));

  Image three = *platform::MakeImage(3, 1, kBlack);
  three.At(0, 0) = Colour{90, 0, 0};
  three.At(1, 0) = Colour{0, 90, 0};
  // 3 to 2: each target pixel covers one and a half source pixels.
  EXPECT_EQ(platform::ScaleSmooth(three, 2, 1)->pixels,
            (std::vector<Colour>{{60, 30, 0}, {0, 30, 0}}));
}

TEST(ScaleSmooth, KeepsAnImageOfTheSameSizeAndAPlainColour) {
  Image image = *platform::MakeImage(5, 4, Colour{10, 20, 30});
  image.At(3, 2) = kRed;
  EXPECT_EQ(platform::ScaleSmooth(image, 5, 4)->pixels, image.pixels);
  const Image plain = *platform::MakeImage(110, 300, Colour{7, 77, 177});
  for (const auto& [width, height] : {std::pair{128, 350}, {40, 100}, {1, 1}, {333, 999}}) {
    const auto scaled = platform::ScaleSmooth(plain, width, height);
    ASSERT_TRUE(scaled.has_value());
    EXPECT_EQ(scaled->pixels,
              std::vector<Colour>(static_cast<std::size_t>(width) * height, Colour{7, 77, 177}));
  }
}

TEST(ScaleSmooth, RefusesEmptySourcesAndImpossibleSizes) {
  const Image image = *platform::MakeImage(4, 4);
  EXPECT_FALSE(platform::ScaleSmooth(Image{}, 4, 4).has_value());
  EXPECT_FALSE(platform::ScaleSmooth(image, 0, 4).has_value());
  EXPECT_FALSE(platform::ScaleSmooth(image, 4, -1).has_value());
  EXPECT_FALSE(platform::ScaleSmooth(image, 100000, 4).has_value());
}

TEST(FillBoxAndDrawImage, ClipToTheTarget) {
  Image image = *platform::MakeImage(3, 3, kBlack);
  platform::FillBox(image, 2, -5, 100, 6, kRed);
  EXPECT_EQ(image.pixels, (std::vector<Colour>{kBlack, kBlack, kRed, kBlack, kBlack, kBlack, kBlack,
                                               kBlack, kBlack}));
  const Image patch = *platform::MakeImage(2, 2, kBlue);
  platform::DrawImage(image, patch, -1, 2);
  EXPECT_EQ(image.At(0, 2), kBlue);
  EXPECT_EQ(image.At(1, 2), kBlack);
  platform::DrawImage(image, patch, 1000, 1000);
  platform::FillBox(image, -2147483647, -2147483647, 2147483647, 2147483647, kGreen);
  EXPECT_EQ(image.At(2, 2), kBlack);
  EXPECT_FALSE(platform::MakeImage(0, 1).has_value());
}

}  // namespace
