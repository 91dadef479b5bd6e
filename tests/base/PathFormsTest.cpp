// The form file calls take, with the Win32 layer's own normalising of the full path.
#include "base/PathForms.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

// A folder path of `length` characters under C:\, made of 100-character parts.
std::wstring DeepFolder(size_t length) {
  std::wstring path = L"C:";
  while (path.size() + 101 <= length) path += L"\\" + std::wstring(100, L'p');
  path += L"\\" + std::wstring(length - path.size() - 1, L'q');
  return path;
}

TEST(PathForms, UnderTwoHundredSixtyCharactersAPathIsGivenAsItIs) {
  std::wstring short259 = DeepFolder(259);
  ASSERT_EQ(short259.size(), 259u);
  EXPECT_EQ(base::FileCallForm(short259), short259);
  EXPECT_EQ(base::FileCallForm(DeepFolder(260)), L"\\\\?\\" + DeepFolder(260));
}

TEST(PathForms, ALongPathIsNormalisedAsTheWin32LayerDoesThenPrefixed) {
  const std::wstring deep = DeepFolder(300);
  const std::pair<std::wstring, std::wstring> cases[] = {
      {deep + L"\\photo.jpg. . ", deep + L"\\photo.jpg"},                 // trailing dots and spaces dropped
      {deep + L"\\.\\a\\..\\photo.jpg", deep + L"\\photo.jpg"},           // "." and ".." parts resolved
      {deep + L"/sous//photo.jpg", deep + L"\\sous\\photo.jpg"},          // mixed and doubled separators
      {L"\\\\?\\" + deep + L"\\photo.jpg. ", L"\\\\?\\" + deep + L"\\photo.jpg. "},  // already prefixed: as it is
  };
  for (const auto& [given, full] : cases) {
    std::wstring expected = full.starts_with(L"\\\\?\\") ? full : L"\\\\?\\" + full;
    EXPECT_EQ(base::FileCallForm(given), expected) << given.substr(deep.size());
  }
  std::wstring network = L"\\\\serveur\\partage" + deep.substr(2) + L"\\photo.jpg.";
  EXPECT_EQ(base::FileCallForm(network), L"\\\\?\\UNC\\serveur\\partage" + deep.substr(2) + L"\\photo.jpg");
}

TEST(PathForms, TheLongFormOfADeepPathIsReadAndGivenBackWithoutThePrefix) {
  wchar_t temp[MAX_PATH] = {};
  ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
  std::wstring folder = std::wstring(temp) + L"formes";
  std::wstring path = folder;
  CreateDirectoryW(folder.c_str(), nullptr);
  for (int level = 0; level < 3; ++level) {
    path += L"\\" + std::wstring(100, static_cast<wchar_t>(L'a' + level));
    ASSERT_TRUE(CreateDirectoryW(base::FileCallForm(path).c_str(), nullptr) ||
                GetLastError() == ERROR_ALREADY_EXISTS);
  }
  EXPECT_EQ(base::LongPathForm(path), path);
  for (; path.size() > folder.size(); path.resize(path.find_last_of(L'\\'))) {
    RemoveDirectoryW(base::FileCallForm(path).c_str());
  }
  RemoveDirectoryW(folder.c_str());
}

}  // namespace
