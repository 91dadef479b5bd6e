#include "filelist/FileListText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "filelist/IconTypes.h"

namespace {

using filelist::CountHeaderText;
using filelist::IsSkippedFolderEntry;
using filelist::MatchesChosenType;
using filelist::RequesterSelection;

TEST(CountHeader, UsesThePluralForEveryCountAndPlainDigits) {
  EXPECT_EQ(CountHeaderText(0), L"Nom ( 0 éléments )");
  EXPECT_EQ(CountHeaderText(1), L"Nom ( 1 éléments )");
  EXPECT_EQ(CountHeaderText(12345), L"Nom ( 12345 éléments )") << "no thousands separator";
  EXPECT_STREQ(filelist::kEmptyCountHeader, L"Nom");
}

TEST(ChosenType, IsTheFieldTextWithoutDotOrSurroundingSpaces) {
  const std::pair<const wchar_t*, const wchar_t*> cases[] = {
      {L"JPG", L"JPG"}, {L".JPG", L"JPG"}, {L"  TAR.GZ ", L"TAR.GZ"}, {L"", L""}, {L"   ", L""}, {L".", L""},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(filelist::ChosenTypeOf(text), expected) << "field " << text;
}

TEST(FolderForms, TrailingBackslashDroppedForTheSelectionBeyondADriveRoot) {
  EXPECT_EQ(filelist::FolderToSelect(L"D:\\Photos\\"), L"D:\\Photos");
  EXPECT_EQ(filelist::FolderToSelect(L"C:\\"), L"C:\\");
  EXPECT_EQ(filelist::FolderToSelect(L""), L"");
}

std::vector<std::wstring> Selection(const std::wstring& buffer) {
  return RequesterSelection(buffer.data(), buffer.size());
}

TEST(RequesterSelection, OneFileIsItsPathAndSeveralAreTheFolderJoinedToEachNameInOrder) {
  using namespace std::string_literals;
  EXPECT_EQ(Selection(L"C:\\Photos\\a.jpg\0\0"s), (std::vector<std::wstring>{L"C:\\Photos\\a.jpg"}));
  EXPECT_EQ(Selection(L"C:\\Photos\0b.jpg\0a b.jpg\0c.JPG\0\0"s),
            (std::vector<std::wstring>{L"C:\\Photos\\b.jpg", L"C:\\Photos\\a b.jpg", L"C:\\Photos\\c.JPG"}));
  EXPECT_EQ(Selection(L"C:\\\0a.jpg\0b.jpg\0\0"s), (std::vector<std::wstring>{L"C:\\a.jpg", L"C:\\b.jpg"}))
      << "a drive root already ends with a backslash";
  EXPECT_TRUE(Selection(L"\0\0"s).empty());
  EXPECT_EQ(Selection(L"C:\\x\0a.jpg"s), (std::vector<std::wstring>{L"C:\\x\\a.jpg"}))
      << "a buffer filled to its end without the closing zeros";
}

TEST(IconTypes, FilesOfTheSameTypeShareAKeyWhateverTheirLetterCase) {
  EXPECT_EQ(filelist::IconTypeKey(L"JPG"), filelist::IconTypeKey(L"jpg"));
  EXPECT_NE(filelist::IconTypeKey(L"JPG"), filelist::IconTypeKey(L"JPEG"));
  EXPECT_TRUE(filelist::HasIconPerFile(L"EXE"));
  EXPECT_TRUE(filelist::HasIconPerFile(L"lnk"));
  EXPECT_FALSE(filelist::HasIconPerFile(L"jpg"));
  EXPECT_FALSE(filelist::HasIconPerFile(L""));
}

TEST(ChosenType, ChosenTypeMatchesItsUpperAndLowerCaseFormsOnly) {
  struct MatchCase {
    const wchar_t* path;
    const wchar_t* type;
    bool matches;
  };
  const MatchCase cases[] = {
      {L"C:\\a\\photo.JPG", L"JPG", true},   {L"C:\\a\\photo.jpg", L"JPG", true},
      {L"C:\\a\\photo.Jpg", L"JPG", false},  {L"C:\\a\\photo.jpeg", L"JPG", false},
      {L"C:\\a\\e.png", L"JPG", false},      {L"C:\\a\\Vacances.JPG", L"JPG", true},
      {L"C:\\a\\photo.JPG copy", L"JPG", false}, {L"C:\\a\\Desktop.ini", L"INI", true},
      {L"C:\\a\\clip.MP4", L"MP4", true},    {L"C:\\a\\clip.mp4", L"MP4", true},
      {L"C:\\a\\note.été", L"ÉTÉ", true},    {L"C:\\a\\note.ÉTÉ", L"ÉTÉ", true},
  };
  for (const MatchCase& c : cases) {
    EXPECT_EQ(MatchesChosenType(c.path, c.type), c.matches) << "path " << c.path << " type " << c.type;
  }
}

TEST(ChosenType, FolderScanSkipsFourNamesInTheirExactCase) {
  struct SkipCase {
    const wchar_t* name;
    bool skipped;
  };
  const SkipCase cases[] = {
      {L"desktop.ini", true}, {L"Thumbs.db", true},  {L".", true},          {L"..", true},
      {L"Desktop.ini", false}, {L"thumbs.db", false}, {L"DESKTOP.INI", false}, {L"...", false},
      {L"photo.jpg", false},  {L"", false},
  };
  for (const SkipCase& c : cases) EXPECT_EQ(IsSkippedFolderEntry(c.name), c.skipped) << "entry " << c.name;
}

}  // namespace
