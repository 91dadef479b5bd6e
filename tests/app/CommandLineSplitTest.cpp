#include "app/CommandLineSplit.h"

#include <gtest/gtest.h>

namespace app {
namespace {

using Words = std::vector<std::wstring>;

TEST(SplitCommandLine, QuotesGroupAndABackslashBeforeAQuoteStaysABackslash) {
  EXPECT_EQ(SplitCommandLine(L"\"C:\\Prog\\t.exe\" \"C:\\Dossier été\\\" \"D:\\a b.jpg\""),
            (Words{L"C:\\Prog\\t.exe", L"C:\\Dossier été\\", L"D:\\a b.jpg"}));
  EXPECT_EQ(SplitCommandLine(L"t.exe C:\\ \t D:\\x.jpg  "), (Words{L"t.exe", L"C:\\", L"D:\\x.jpg"}));
  EXPECT_EQ(SplitCommandLine(L"t.exe \"\" a\"b c\"d"), (Words{L"t.exe", L"", L"ab cd"}));
  EXPECT_EQ(SplitCommandLine(L"t.exe \"C:\\pas fermé"), (Words{L"t.exe", L"C:\\pas fermé"}));
  EXPECT_TRUE(SplitCommandLine(L"   ").empty());
}

}  // namespace
}  // namespace app
