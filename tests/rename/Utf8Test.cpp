#include "rename/Utf8.h"

#include <string>

#include <gtest/gtest.h>

namespace {

using renaming::EncodeUtf8;

struct Utf8Case {
  const char* what;
  std::wstring text;
  std::string bytes;
};

TEST(EncodeUtf8, WritesEachCodePointInItsShortestForm) {
  const Utf8Case cases[] = {
      {"ASCII", L"Vacances_1.JPG", "Vacances_1.JPG"},
      {"à and é", L"àé", "\xC3\xA0\xC3\xA9"},
      {"two bytes, highest", std::wstring(1, static_cast<wchar_t>(0x7FF)), "\xDF\xBF"},
      {"three bytes", L"日", "\xE6\x97\xA5"},
      {"last before surrogates", std::wstring(1, static_cast<wchar_t>(0xD7FF)), "\xED\x9F\xBF"},
      {"first after surrogates", std::wstring(1, static_cast<wchar_t>(0xE000)), "\xEE\x80\x80"},
      {"U+FFFF", std::wstring(1, static_cast<wchar_t>(0xFFFF)), "\xEF\xBF\xBF"},
      {"NUL", std::wstring(1, L'\0'), std::string(1, '\0')},
      {"empty", L"", ""},
  };
  for (const Utf8Case& c : cases) EXPECT_EQ(EncodeUtf8(c.text), c.bytes) << c.what;
}

TEST(EncodeUtf8, JoinsASurrogatePairIntoOneCodePoint) {
  std::wstring smile = {static_cast<wchar_t>(0xD83D), static_cast<wchar_t>(0xDE00)};
  EXPECT_EQ(EncodeUtf8(smile), "\xF0\x9F\x98\x80") << "U+1F600 from its UTF-16 pair";
  std::wstring highest = {static_cast<wchar_t>(0xDBFF), static_cast<wchar_t>(0xDFFF)};
  EXPECT_EQ(EncodeUtf8(highest), "\xF4\x8F\xBF\xBF") << "U+10FFFF from its UTF-16 pair";
  std::wstring lowest = {static_cast<wchar_t>(0xD800), static_cast<wchar_t>(0xDC00)};
  EXPECT_EQ(EncodeUtf8(lowest), "\xF0\x90\x80\x80") << "U+10000 from its UTF-16 pair";
}

TEST(EncodeUtf8, WritesALoneSurrogateAsTheReplacementCharacter) {
  const wchar_t high = static_cast<wchar_t>(0xD83D);
  const wchar_t low = static_cast<wchar_t>(0xDE00);
  const Utf8Case cases[] = {
      {"lone high at the end", std::wstring{L'a', high}, "a\xEF\xBF\xBD"},
      {"lone low", std::wstring{L'a', low, L'b'}, "a\xEF\xBF\xBD" "b"},
      {"low before high", std::wstring{low, high}, "\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"two highs then a low", std::wstring{high, high, low}, "\xEF\xBF\xBD\xF0\x9F\x98\x80"},
      {"high then a letter", std::wstring{high, L'x'}, "\xEF\xBF\xBDx"},
  };
  for (const Utf8Case& c : cases) EXPECT_EQ(EncodeUtf8(c.text), c.bytes) << c.what;
}

}  // namespace
