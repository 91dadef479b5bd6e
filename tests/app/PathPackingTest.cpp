#include "app/PathPacking.h"

#include <gtest/gtest.h>

namespace app {
namespace {

using Paths = std::vector<std::wstring>;

Paths Unpacked(const std::wstring& block) { return UnpackPaths(block.data(), block.size() * sizeof(wchar_t)); }

TEST(PathPacking, PathsComeBackWholeAndInOrder) {
  const Paths paths{L"C:\\Été\\a b.jpg", std::wstring(400, L'x'), L"\\\\serveur\\partage\\c.jpg"};
  EXPECT_EQ(Unpacked(PackPaths(paths)), paths);
  EXPECT_EQ(PackPaths({L"", L"a"}), std::wstring(L"a") + L'\0') << "an empty path is not sent";
}

TEST(PathPacking, ABlockFromAnotherProcessIsReadWithoutTrust) {
  EXPECT_TRUE(UnpackPaths(nullptr, 8).empty());
  const std::wstring block = std::wstring(L"a") + L'\0' + L'\0' + L"bc";
  EXPECT_EQ(Unpacked(block), (Paths{L"a", L"bc"})) << "empty pieces skipped, a last piece without its null kept";
  EXPECT_TRUE(UnpackPaths(block.data(), sizeof(wchar_t) * 2 + 1).empty()) << "an odd byte count";
}

}  // namespace
}  // namespace app
