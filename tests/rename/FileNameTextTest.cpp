#include "rename/FileNameText.h"

#include <string>

#include <gtest/gtest.h>

namespace {

using renaming::IsValidFileNameText;

TEST(IsValidFileNameText, RefusesEachForbiddenCharacterWhereverItStands) {
  std::wstring forbidden = L"\"*/:<>?\\|";
  for (wchar_t c = 0; c <= 0x1F; ++c) forbidden += c;
  ASSERT_EQ(forbidden.size(), 9u + 32u) << "nine punctuation characters and the 32 control characters";
  for (wchar_t c : forbidden) {
    std::wstring alone(1, c);
    EXPECT_FALSE(IsValidFileNameText(alone)) << "character U+" << std::hex << static_cast<int>(c) << " alone";
    EXPECT_FALSE(IsValidFileNameText(L"ab" + alone + L"cd"))
        << "character U+" << std::hex << static_cast<int>(c) << " inside a name";
    EXPECT_FALSE(IsValidFileNameText(L"name" + alone))
        << "character U+" << std::hex << static_cast<int>(c) << " at the end";
  }
}

TEST(IsValidFileNameText, RefusesTheEmptyText) { EXPECT_FALSE(IsValidFileNameText(L"")) << "empty text"; }

TEST(IsValidFileNameText, AcceptsEverythingElse) {
  const wchar_t* accepted[] = {
      L"Vacances", L"   ",        L"...",          L" . ",     L"[1]",  L"a=b", L"a,b;c", L"Été à Noël",
      L"ÊTES",     L"日本語",     L"\x7F",         L" ",       L"!#$%&'()+-@^_`{}~", L"a.b.c",
  };
  for (const wchar_t* text : accepted) EXPECT_TRUE(IsValidFileNameText(text)) << "text \"" << text << "\"";
  EXPECT_TRUE(IsValidFileNameText(std::wstring(5000, L'x'))) << "a text of 5000 characters: no length limit";
}

}  // namespace
