#include "driver/intro_pictures.h"

#include "bmp_fixture.h"
#include "driver/start_up.h"
#include "headless_test.h"
#include "platform/files.h"
#include "platform/pictures.h"
#include "toolkit/resource_numbers.h"
#include "wizard_user.h"

namespace {

constexpr const char* kFolder = "C:\\Users\\Tester\\AppData\\Local\\Temp\\kvintro\\";

// An 8-bit picture with a 256-entry palette whose pixels show their position.
std::vector<std::uint8_t> PalettePicture(int width, int height) {
  fixture::BmpSpec layout;
  layout.width = width;
  layout.height = height;
  layout.bits = 8;
  for (int i = 0; i < 256; ++i) {
    layout.palette.push_back(
        platform::Colour{static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i), 40});
  }
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x)
      layout.pixels.push_back(static_cast<std::uint32_t>(x + y) % 256);
  }
  return fixture::MakeBmp(layout);
}

class IntroPicturesTest : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    headless::SetEmbeddedItem(3, PalettePicture(110, 300));
    headless::SetEmbeddedItem(4, PalettePicture(226, 226));
    headless::SetEmbeddedItem(5, PalettePicture(600, 450));
  }

  static std::optional<platform::Image> Staged(const char* file) {
    return platform::LoadBmpFile(std::string(kFolder) + file);
  }

  static int BitsPerPixel(const char* file) {
    const auto bytes = platform::ReadWholeFile(std::string(kFolder) + file);
    return bytes && bytes->size() > 29 ? (*bytes)[28] | (*bytes)[29] << 8 : 0;
  }
};

TEST_F(IntroPicturesTest, StagesTwentyFourBitCopiesAndKeepsPictureOne) {
  driver::StageIntroPictures();
  const std::pair<const char*, std::pair<int, int>> files[] = {
      {"pic_001.bmp", {110, 300}}, {"pic_002.bmp", {226, 226}}, {"pic_003.bmp", {600, 450}}};
  for (const auto& [file, size] : files) {
    const auto picture = Staged(file);
    ASSERT_TRUE(picture.has_value()) << file;
    EXPECT_EQ(picture->width, size.first) << file;
    EXPECT_EQ(picture->height, size.second) << file;
    EXPECT_EQ(BitsPerPixel(file), 24) << file;
  }
  const auto third = platform::DecodeBmp(PalettePicture(600, 450).data(), 1078 + 600 * 450);
  EXPECT_EQ(Staged("pic_003.bmp")->pixels, third->pixels) << "the pixels survive the conversion";

  const platform::Image* one = platform::FindPicture(numbers::kIntroPicture1);
  ASSERT_NE(one, nullptr);
  EXPECT_EQ(one->width, 110);
  EXPECT_EQ(one->height, 300);
  EXPECT_EQ(platform::FindPicture(numbers::kStagingPicture), nullptr) << "the slot is released";
}

TEST_F(IntroPicturesTest, PictureOneOfAnotherSizeIsHeldAt110By300) {
  headless::SetEmbeddedItem(3, PalettePicture(55, 150));
  driver::StageIntroPictures();
  EXPECT_EQ(Staged("pic_001.bmp")->width, 55) << "the file keeps the item's size";
  const platform::Image* one = platform::FindPicture(numbers::kIntroPicture1);
  ASSERT_NE(one, nullptr);
  EXPECT_EQ(one->width, 110);
  EXPECT_EQ(one->height, 300);
}

TEST_F(IntroPicturesTest, StagingOverwritesOldFiles) {
  ASSERT_TRUE(platform::MakeFolder(std::string(kFolder)));
  ASSERT_TRUE(platform::WriteWholeFile(std::string(kFolder) + "pic_002.bmp", {'o', 'l', 'd'}));
  driver::StageIntroPictures();
  EXPECT_EQ(Staged("pic_002.bmp")->width, 226);
}

TEST_F(IntroPicturesTest, RemovalDeletesExactlyTheThreePictures) {
  driver::StageIntroPictures();
  ASSERT_TRUE(platform::WriteWholeFile(std::string(kFolder) + "pic_004.bmp", {'c'}));
  driver::RemoveIntroPictures();
  driver::RemoveIntroPictures();
  EXPECT_EQ(platform::ListFolder(kFolder), std::vector<std::string>{"pic_004.bmp"});
}

TEST_F(IntroPicturesTest, AnUnwritableTemporaryFolderStillLeavesPictureOneLoaded) {
  headless::RefuseCreationIn("C:\\Users\\Tester\\AppData\\Local\\Temp");
  driver::StageIntroPictures();
  EXPECT_EQ(platform::QueryPath(kFolder), platform::PathKind::Missing);
  EXPECT_NE(platform::FindPicture(numbers::kIntroPicture1), nullptr);
}

TEST_F(IntroPicturesTest, ADamagedPictureIsNotStagedAndTheOthersAre) {
  auto damaged = PalettePicture(226, 226);
  damaged.resize(damaged.size() / 2);
  headless::SetEmbeddedItem(4, damaged);
  driver::StageIntroPictures();
  EXPECT_TRUE(Staged("pic_001.bmp").has_value());
  EXPECT_EQ(platform::QueryPath(std::string(kFolder) + "pic_002.bmp"), platform::PathKind::Missing);
  EXPECT_TRUE(Staged("pic_003.bmp").has_value());
}

TEST_F(IntroPicturesTest, AFullDiskLeavesNoHalfWrittenPicture) {
  // The staged copies have 24 bits: 99,654 and 153,734 bytes for pictures 1 and 2.
  headless::SetDiskFullAfter(99654 + 153734 / 2);
  driver::StageIntroPictures();
  EXPECT_TRUE(Staged("pic_001.bmp").has_value());
  EXPECT_EQ(platform::QueryPath(std::string(kFolder) + "pic_002.bmp"), platform::PathKind::Missing);
  EXPECT_EQ(platform::QueryPath(std::string(kFolder) + "pic_003.bmp"), platform::PathKind::Missing);
}

TEST_F(IntroPicturesTest, WithoutTemporaryFolderNothingIsWrittenAnywhere) {
  headless::SetTemporaryFolder("");
  driver::StageIntroPictures();
  driver::RemoveIntroPictures();
  EXPECT_EQ(platform::QueryPath("C:\\kvintro"), platform::PathKind::Missing);
  EXPECT_EQ(platform::QueryPath("C:\\pic_001.bmp"), platform::PathKind::Missing);
  EXPECT_NE(platform::FindPicture(numbers::kIntroPicture1), nullptr);
}

TEST_F(IntroPicturesTest, AFinishedRunLeavesTheFolderWithoutTheStagedPictures) {
  fixture::LeaveTheWizardWithAbbruch();
  const auto outcome = headless::RunProcess(driver::RunSetup);
  ASSERT_TRUE(outcome.ended) << outcome.failure;
  EXPECT_EQ(platform::QueryPath(kFolder), platform::PathKind::Folder);
  EXPECT_TRUE(platform::ListFolder(kFolder).empty());
}

}  // namespace
