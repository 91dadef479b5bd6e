// What the plan of a pass reads of Windows: a folder's names, and letter case folded as the file system compares.
#include "rename/Win32FolderPictures.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "rename/TempFolder.h"

namespace {

TEST(Win32FolderPictures, FoldsLetterCaseBeyondAsciiAndLeavesTheRestAlone) {
  const renaming::LetterCaseFold& fold = renaming::PlatformLetterCase();
  EXPECT_EQ(fold.Key(L"Été à l'école.jpg"), L"ÉTÉ À L'ÉCOLE.JPG");
  EXPECT_EQ(fold.Key(L"Ωμέγα жук"), L"ΩΜΈΓΑ ЖУК");
  EXPECT_EQ(fold.Key(L"123 _-.~"), L"123 _-.~");
  EXPECT_EQ(fold.Key(std::wstring(1, L'\xD83D') + L'\xDE00'), std::wstring(1, L'\xD83D') + L'\xDE00')
      << "surrogate halves stay as they are";
}

TEST(Win32FolderPictures, ListsEveryEntryOfAFolderButTheDotEntries) {
  testing_support::TempFolder folder;
  for (const wchar_t* name : {L"a.jpg", L"Été.txt"}) std::ofstream(std::filesystem::path(folder.Text() + name)) << "x";
  CreateDirectoryW((folder.Text() + L"sub").c_str(), nullptr);
  renaming::Win32FolderLister lister;
  std::vector<std::wstring> names = lister.NamesIn(folder.Text());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::wstring>{L"a.jpg", L"sub", L"Été.txt"}));
}

}  // namespace
