#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include "app/UserFolders.h"

namespace {

std::wstring ProfileFolder() {
  wchar_t path[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_PROFILE, nullptr, 0, path))) return {};
  std::wstring folder = path;
  if (!folder.empty() && folder.back() != L'\\') folder.push_back(L'\\');
  return folder;
}

TEST(UserFolders, EveryPlaceIsAFolderPathEndingWithABackslash) {
  using app::UserPlace;
  const UserPlace places[] = {UserPlace::Documents, UserPlace::Pictures, UserPlace::Videos,
                              UserPlace::Music,     UserPlace::Desktop,  UserPlace::Downloads};
  for (UserPlace place : places) {
    std::wstring path = app::UserFolderPath(place);
    ASSERT_FALSE(path.empty()) << "place " << static_cast<int>(place);
    EXPECT_EQ(path.back(), L'\\') << "place " << static_cast<int>(place);
    EXPECT_EQ(path.find(L"\\\\"), std::wstring::npos) << "no doubled backslash, place " << static_cast<int>(place);
  }
}

TEST(UserFolders, DownloadsFallsBackToTheProfilesDownloadsFolder) {
  std::wstring profile = ProfileFolder();
  ASSERT_FALSE(profile.empty());
  EXPECT_EQ(app::DownloadsFolderPath(false), profile + L"Downloads\\")
      << "without SHGetKnownFolderPath the profile folder's Downloads is used";
}

TEST(UserFolders, DocumentsIsTheShellsPersonalFolder) {
  wchar_t path[MAX_PATH] = {};
  ASSERT_TRUE(SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, 0, path)));
  std::wstring expected = path;
  if (expected.back() != L'\\') expected.push_back(L'\\');
  EXPECT_EQ(app::UserFolderPath(app::UserPlace::Documents), expected);
}

}  // namespace
