#include <gtest/gtest.h>

#include <algorithm>

#include "contract.h"
#include "platform/files.h"

namespace {

using namespace platform;

std::string At(const std::string& name) {
  return contract::ScratchFolder() + name;
}

std::vector<std::uint8_t> Bytes(const std::string& text) {
  return {text.begin(), text.end()};
}

TEST(FilesContract, FilesAreWrittenReadAndFoundInAnyLetterCase) {
  ASSERT_TRUE(WriteWholeFile(At("Größe.txt"), Bytes("inhalt")));
  EXPECT_EQ(QueryPath(At("GRÖßE.TXT")), PathKind::File);
  EXPECT_EQ(FileSize(At("größe.txt")), 6);
  EXPECT_EQ(ReadWholeFile(At("GRÖßE.txt")), Bytes("inhalt"));
  EXPECT_EQ(QueryPath(contract::ScratchFolder()), PathKind::Folder);
  EXPECT_EQ(QueryPath(At("fehlt")), PathKind::Missing);
  EXPECT_EQ(FileSize(At("fehlt")), -1);
  EXPECT_EQ(FileSize(contract::ScratchFolder()), -1) << "a folder has no file size";
}

TEST(FilesContract, CreatingTruncatesAndOpeningForWritingDoesNot) {
  ASSERT_TRUE(WriteWholeFile(At("f"), Bytes("0123456789")));
  {
    FileHandle file = OpenFileForWriting(At("f"));
    ASSERT_TRUE(file.IsOpen());
    EXPECT_EQ(WriteToFile(file, "ab", 2), 2u);
  }
  EXPECT_EQ(ReadWholeFile(At("f")), Bytes("ab23456789"));
  {
    FileHandle file = CreateFileForWriting(At("f"));
    ASSERT_TRUE(file.IsOpen());
    EXPECT_EQ(WriteToFile(file, "xy", 2), 2u);
  }
  EXPECT_EQ(ReadWholeFile(At("f")), Bytes("xy"));
  FileHandle created = OpenFileForWriting(At("neu"));
  EXPECT_TRUE(created.IsOpen()) << "opening for writing creates a missing file";
}

TEST(FilesContract, AFileOpenForWritingCanBeReadButNotWrittenOrDeletedByOthers) {
  FileHandle writer = CreateFileForWriting(At("offen"));
  ASSERT_TRUE(writer.IsOpen());
  ASSERT_EQ(WriteToFile(writer, "abc", 3), 3u);
  EXPECT_FALSE(CreateFileForWriting(At("offen")).IsOpen());
  EXPECT_FALSE(OpenFileForWriting(At("offen")).IsOpen());
  EXPECT_FALSE(RemoveFile(At("offen")));
  FileHandle reader = OpenFileForReading(At("offen"));
  ASSERT_TRUE(reader.IsOpen());
  char buffer[8] = {};
  EXPECT_EQ(ReadFromFile(reader, buffer, sizeof(buffer)), 3u);
  CloseFile(reader);
  CloseFile(writer);
  EXPECT_TRUE(RemoveFile(At("offen")));
  EXPECT_FALSE(RemoveFile(At("offen")));
}

TEST(FilesContract, ReadingPastTheEndAndSeekingBehave) {
  ASSERT_TRUE(WriteWholeFile(At("kurz"), Bytes("12345")));
  FileHandle file = OpenFileForReading(At("kurz"));
  ASSERT_TRUE(file.IsOpen());
  char buffer[4] = {};
  ASSERT_TRUE(SeekInFile(file, 3));
  EXPECT_EQ(ReadFromFile(file, buffer, 4), 2u);
  EXPECT_EQ(std::string(buffer, 2), "45");
  ASSERT_TRUE(SeekInFile(file, 100));
  EXPECT_EQ(ReadFromFile(file, buffer, 4), 0u);
  EXPECT_FALSE(OpenFileForReading(At("fehlt")).IsOpen());
}

TEST(FilesContract, FoldersAreMadeOneLevelAtATimeListedAndRemovedWithTheirContents) {
  EXPECT_TRUE(MakeFolder(At("Ordner")));
  EXPECT_FALSE(MakeFolder(At("Ordner"))) << "it exists already";
  EXPECT_FALSE(MakeFolder(At("fehlt\\tiefer"))) << "only one level is made";
  EXPECT_TRUE(MakeFolder(At("Ordner\\Unter")));
  ASSERT_TRUE(WriteWholeFile(At("Ordner\\a.txt"), Bytes("a")));
  ASSERT_TRUE(WriteWholeFile(At("Ordner\\Unter\\b.txt"), Bytes("b")));
  EXPECT_TRUE(CanListFolder(At("Ordner\\")));
  EXPECT_TRUE(CanListFolder(At("Ordner")));
  EXPECT_FALSE(CanListFolder(At("fehlt")));
  EXPECT_FALSE(CanListFolder(At("Ordner\\a.txt")));
  auto names = ListFolder(At("Ordner"));
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"Unter", "a.txt"}));
  EXPECT_TRUE(RemoveFolderTree(At("Ordner\\")));
  EXPECT_EQ(QueryPath(At("Ordner")), PathKind::Missing);
  EXPECT_FALSE(RemoveFolderTree(At("Ordner")));
}

TEST(FilesContract, AFileInAMissingFolderCannotBeMade) {
  EXPECT_FALSE(CreateFileForWriting(At("fehlt\\datei")).IsOpen());
  EXPECT_FALSE(WriteWholeFile(At("fehlt\\datei"), Bytes("x")));
}

TEST(FilesContract, AFolderCannotBeOpenedAsAFile) {
  ASSERT_TRUE(MakeFolder(At("Ordner")));
  EXPECT_FALSE(CreateFileForWriting(At("Ordner")).IsOpen());
  EXPECT_FALSE(RemoveFile(At("Ordner")));
}

}  // namespace
