#include "controls/explorer/ExplorerPath.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace controls;

std::string Narrow(std::wstring_view text) { return std::string(text.begin(), text.end()); }

struct PathCase {
  const wchar_t* folder;
  const wchar_t* expected;
};

TEST(ExplorerParentFolder, GoesUpOneLevelAndFromARootToTheTopLevel) {
  const PathCase cases[] = {
      {L"C:\\Photos\\2024\\", L"C:\\Photos\\"},
      {L"C:\\Photos\\", L"C:\\"},
      {L"C:\\Photos", L"C:\\"},  // without its trailing separator
      {L"C:/Photos/2024/", L"C:/Photos/"},
      {L"C:\\", L""},
      {L"C:", L""},
      {L"", L""},
      {L"\\\\serveur\\partage\\Photos\\", L"\\\\serveur\\partage\\"},
      {L"\\\\serveur\\partage\\", L""},
      {L"\\\\?\\C:\\Photos\\", L"\\\\?\\C:\\"},
      {L"\\\\?\\C:\\", L""},
      {L"\\\\?\\UNC\\serveur\\partage\\", L""},
  };
  for (const PathCase& c : cases) {
    EXPECT_EQ(ParentFolder(c.folder), c.expected) << "parent of " << Narrow(c.folder);
  }
}

TEST(ExplorerJoinPath, PutsOneSeparatorBetweenFolderAndNameAndEndsFoldersWithOne) {
  EXPECT_EQ(JoinFolder(L"C:\\Photos\\", L"2024"), L"C:\\Photos\\2024\\");
  EXPECT_EQ(JoinFolder(L"C:\\Photos", L"2024"), L"C:\\Photos\\2024\\") << "folder given without its separator";
  EXPECT_EQ(JoinFolder(L"C:\\", L"Vacances été"), L"C:\\Vacances été\\");
  EXPECT_EQ(JoinFile(L"C:\\Photos\\", L"a.jpg"), L"C:\\Photos\\a.jpg");
  EXPECT_EQ(JoinFile(L"C:\\Photos", L"a.jpg"), L"C:\\Photos\\a.jpg");
}

TEST(ExplorerJoinPath, GoingDownThenUpComesBackToTheSameFolder) {
  const wchar_t* folders[] = {L"C:\\", L"C:\\Photos\\", L"\\\\srv\\share\\", L"D:\\a\\b\\c\\"};
  for (const wchar_t* folder : folders) {
    EXPECT_EQ(ParentFolder(JoinFolder(folder, L"sous-dossier")), folder) << "folder " << Narrow(folder);
  }
}

TEST(ExplorerSameFolder, IgnoresLetterCaseAndTheTrailingSeparator) {
  EXPECT_TRUE(SameFolder(L"C:\\Users\\Élise\\", L"c:\\users\\élise")) << "case and separator";
  EXPECT_FALSE(SameFolder(L"C:\\Photos\\", L"C:\\Photos2\\"));
  EXPECT_FALSE(SameFolder(L"C:\\Photos\\", L"D:\\Photos\\"));
}

}  // namespace
