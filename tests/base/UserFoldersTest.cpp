#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include "base/UserFolders.h"

namespace {

TEST(UserFolders, EveryPlaceIsAFolderPathEndingWithABackslash) {
  using base::UserPlace;
  const UserPlace places[] = {UserPlace::Documents, UserPlace::Pictures, UserPlace::Videos,
                              UserPlace::Music,     UserPlace::Desktop,  UserPlace::Downloads};
  for (UserPlace place : places) {
    std::wstring path = base::UserFolderPath(place);
    ASSERT_FALSE(path.empty()) << "place " << static_cast<int>(place);
    EXPECT_EQ(path.back(), L'\\') << "place " << static_cast<int>(place);
    EXPECT_EQ(path.find(L"\\\\"), std::wstring::npos) << "no doubled backslash, place " << static_cast<int>(place);
  }
}

TEST(UserFolders, DocumentsIsTheShellsPersonalFolder) {
  wchar_t path[MAX_PATH] = {};
  ASSERT_TRUE(SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, 0, path)));
  std::wstring expected = path;
  if (expected.back() != L'\\') expected.push_back(L'\\');
  EXPECT_EQ(base::UserFolderPath(base::UserPlace::Documents), expected);
}

}  // namespace
