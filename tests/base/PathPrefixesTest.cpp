#include "base/PathPrefixes.h"

#include <gtest/gtest.h>

namespace {

using base::ExtendedLengthForm;
using base::WithoutExtendedPrefix;

TEST(PathPrefixes, DriveAndNetworkPathsGetTheirPrefixAndLoseItAgain) {
  const std::pair<std::wstring, std::wstring> cases[] = {
      {L"C:\\Photos\\été.jpg", L"\\\\?\\C:\\Photos\\été.jpg"},
      {L"d:\\", L"\\\\?\\d:\\"},
      {L"\\\\serveur\\partage\\a.jpg", L"\\\\?\\UNC\\serveur\\partage\\a.jpg"},
  };
  for (const auto& [full, prefixed] : cases) {
    EXPECT_EQ(ExtendedLengthForm(full), prefixed);
    EXPECT_EQ(WithoutExtendedPrefix(prefixed), full);
  }
}

TEST(PathPrefixes, APrefixedPathAndOneThatIsNotFullStayAsTheyAre) {
  for (const wchar_t* path : {L"\\\\?\\C:\\a.jpg", L"\\\\?\\UNC\\serveur\\partage\\a", L"\\\\.\\COM1",
                              L"\\??\\C:\\a.jpg", L"a.jpg", L"C:a.jpg", L"\\racine\\a.jpg", L""}) {
    EXPECT_EQ(ExtendedLengthForm(path), path) << path;
  }
  // Only the prefix the program gives is taken off: a device path is not a drive path.
  EXPECT_EQ(WithoutExtendedPrefix(L"\\\\?\\Volume{1234}\\a.jpg"), L"\\\\?\\Volume{1234}\\a.jpg");
  EXPECT_EQ(WithoutExtendedPrefix(L"C:\\a.jpg"), L"C:\\a.jpg");
}

}  // namespace
