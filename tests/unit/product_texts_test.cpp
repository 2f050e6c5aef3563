// The portable parts of the installed programs: what their command lines ask for, how a
// document's bytes become text, and where the uninstaller may look.
#include <gtest/gtest.h>

#include <string>

#include "../../product/lumorak/document_text.h"
#include "../../product/lumorak/start_request.h"
#include "../../product/uninstaller/folder_argument.h"
#include "../../product/uninstaller/removal_plan.h"

namespace {

using lumorak::StartKind;
using lumorak::TextEncoding;

TEST(ReadStartRequest, TakesCommandWordsExactlyAndEverythingElseAsADocument) {
  const struct {
    const char* commandLine;
    StartKind kind;
    const char* documentPath;
  } cases[] = {
      {"\"C:\\Programme\\QVDLumorak\\qvdlumorak.exe\"", StartKind::Plain, ""},
      {"qvdlumorak.exe   ", StartKind::Plain, ""},
      {"qvdlumorak.exe \"\"", StartKind::Plain, ""},
      {"\"C:\\Program Files\\QVDLumorak\\qvdlumorak.exe\" newinstall", StartKind::NewInstall, ""},
      {"qvdlumorak.exe StartFromUpDater_Succesfull", StartKind::UpdateSucceeded, ""},
      {"qvdlumorak.exe StartFromUpDater_NotSucces", StartKind::UpdateFailed, ""},
      {"qvdlumorak.exe \tUnInstall  ", StartKind::Uninstall, ""},
      {"qvdlumorak.exe \"UnInstall\"", StartKind::Uninstall, ""},
      {"qvdlumorak.exe UnInstall later words", StartKind::Uninstall, ""},
      // Other letter case or a later position is no command word.
      {"qvdlumorak.exe uninstall", StartKind::Document, "uninstall"},
      {"qvdlumorak.exe NEWINSTALL", StartKind::Document, "NEWINSTALL"},
      {"qvdlumorak.exe first UnInstall", StartKind::Document, "first UnInstall"},
      // The file type's open command puts the path in without quotes.
      {"C:\\PROGRAMME\\QVDLUMORAK\\qvdlumorak.exe C:\\Meine Dateien\\Brief an Jörg.lmk",
       StartKind::Document, "C:\\Meine Dateien\\Brief an Jörg.lmk"},
      {"qvdlumorak.exe \"C:\\Meine Dateien\\brief.lmk\"", StartKind::Document,
       "C:\\Meine Dateien\\brief.lmk"},
      {"qvdlumorak.exe \"C:\\unterminated quote.lmk", StartKind::Document,
       "C:\\unterminated quote.lmk"},
  };
  for (const auto& c : cases) {
    const lumorak::StartRequest request = lumorak::ReadStartRequest(c.commandLine);
    EXPECT_EQ(request.kind, c.kind) << c.commandLine;
    EXPECT_EQ(request.documentPath, c.documentPath) << c.commandLine;
  }
}

TEST(PrepareDocumentText, EndsLinesTheWindowsWayAndRecognisesUtf8) {
  using namespace std::string_literals;
  const struct {
    std::string bytes;
    TextEncoding encoding;
    std::string text;
  } cases[] = {
      {"", TextEncoding::Ansi, ""},
      {"eins\nzwei\n", TextEncoding::Ansi, "eins\r\nzwei\r\n"},
      {"eins\r\nzwei\rdrei\n\r", TextEncoding::Ansi, "eins\r\nzwei\r\ndrei\r\n\r\n"},
      {"vor\0nach"s, TextEncoding::Ansi, "vor nach"},
      // Code page 1252 bytes that are no UTF-8.
      {"gr\xFC\xDF dich", TextEncoding::Ansi, "gr\xFC\xDF dich"},
      {"gr\xC3\xBC\xC3\x9F\n", TextEncoding::Utf8, "gr\xC3\xBC\xC3\x9F\r\n"},
      {"\xEF\xBB\xBFnur ASCII", TextEncoding::Utf8, "nur ASCII"},
      {"\xE2\x82\xAC 5", TextEncoding::Utf8, "\xE2\x82\xAC 5"},
      {"\xF0\x9F\x98\x80", TextEncoding::Utf8, "\xF0\x9F\x98\x80"},
      // Malformed: cut short, overlong, a surrogate, beyond U+10FFFF, a lone continuation.
      {"x\xE2\x82", TextEncoding::Ansi, "x\xE2\x82"},
      {"\xC0\xAF", TextEncoding::Ansi, "\xC0\xAF"},
      {"\xED\xA0\x80", TextEncoding::Ansi, "\xED\xA0\x80"},
      {"\xF4\x90\x80\x80", TextEncoding::Ansi, "\xF4\x90\x80\x80"},
      {"\xBF", TextEncoding::Ansi, "\xBF"},
  };
  for (const auto& c : cases) {
    const lumorak::DocumentText document = lumorak::PrepareDocumentText(c.bytes);
    EXPECT_EQ(document.encoding, c.encoding) << c.bytes;
    EXPECT_EQ(document.text, c.text) << c.bytes;
  }
}

TEST(InstallFolderArgument, AcceptsOnlyAbsoluteFoldersThatDoNotClimb) {
  const std::pair<const char*, const char*> cases[] = {
      {"LumoUnInst.exe \"C:\\Program Files\\QVDLumorak\\\"", "C:\\Program Files\\QVDLumorak\\"},
      {"LumoUnInst.exe C:\\Programme\\QVD Lümorak", "C:\\Programme\\QVD Lümorak\\"},
      {"\"C:\\Users\\x\\AppData\\Local\\Temp\\LumoUnInst.exe\" \"D:\\\"", "D:\\"},
      {"LumoUnInst.exe \\\\server\\freigabe\\QVDLumorak", "\\\\server\\freigabe\\QVDLumorak\\"},
      {"LumoUnInst.exe", ""},
      {"LumoUnInst.exe \"\"", ""},
      {"LumoUnInst.exe QVDLumorak", ""},
      {"LumoUnInst.exe \\QVDLumorak", ""},
      {"LumoUnInst.exe C:", ""},
      {"LumoUnInst.exe C:QVDLumorak", ""},
      {"LumoUnInst.exe C:\\Programme\\..\\Windows", ""},
      {"LumoUnInst.exe C:\\Programme\\.\\QVDLumorak", ""},
      {"LumoUnInst.exe C:\\Programme\\\\QVDLumorak", ""},
      {"LumoUnInst.exe \\\\?\\C:\\QVDLumorak", ""},
  };
  for (const auto& [commandLine, folder] : cases) {
    EXPECT_EQ(uninstaller::InstallFolderArgument(commandLine), folder) << commandLine;
  }
}

// A folder the system cannot name must not turn into a path relative to the working folder.
TEST(PlanRemoval, NamesNoPathOutsideTheFoldersItWasGiven) {
  uninstaller::Places places;
  places.installFolder = "C:\\PROGRAMME\\QVDLUMORAK\\";
  places.commonPrograms = "C:\\START\\";
  places.userPrograms = "";
  places.commonDesktop = "";
  places.userDesktop = "C:\\DESKTOP\\";
  places.temporaryFolder = "C:\\TEMP\\";
  for (const uninstaller::RemovalItem& item : uninstaller::PlanRemoval(places)) {
    if (item.kind != uninstaller::ItemKind::File &&
        item.kind != uninstaller::ItemKind::FolderIfEmpty) {
      continue;
    }
    const bool inside = item.location.rfind(places.installFolder, 0) == 0 ||
                        item.location.rfind(places.commonPrograms, 0) == 0 ||
                        item.location.rfind(places.userDesktop, 0) == 0 ||
                        item.location.rfind(places.temporaryFolder, 0) == 0;
    EXPECT_TRUE(inside) << item.location;
  }
  for (const uninstaller::RemovalItem& item : uninstaller::PlanRemoval(uninstaller::Places{})) {
    EXPECT_NE(item.kind, uninstaller::ItemKind::File) << item.location;
    EXPECT_NE(item.kind, uninstaller::ItemKind::FolderIfEmpty) << item.location;
  }
}

}  // namespace
