#include "controls/explorer/ExplorerNameOrder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace controls;

std::string Narrow(std::wstring_view text) {
  std::string narrow;
  for (wchar_t c : text) narrow += c < 0x80 ? static_cast<char>(c) : '?';
  return narrow;
}

struct OrderCase {
  const wchar_t* before;
  const wchar_t* after;
};

// Each pair must come in this order, and the other way round must give the opposite answer.
void ExpectOrdered(const OrderCase& c) {
  EXPECT_LT(CompareNamesForDisplay(c.before, c.after), 0) << Narrow(c.before) << " before " << Narrow(c.after);
  EXPECT_GT(CompareNamesForDisplay(c.after, c.before), 0) << Narrow(c.after) << " after " << Narrow(c.before);
}

TEST(ExplorerNameOrder, IgnoresLetterCaseBetweenDifferentNames) {
  const OrderCase cases[] = {{L"abc", L"ABD"}, {L"Banane", L"cerise"}, {L"a", L"B"}, {L"ÉCOLE", L"étude"}};
  for (const OrderCase& c : cases) ExpectOrdered(c);
}

TEST(ExplorerNameOrder, SortsAccentedLettersBesideTheirBaseLetter) {
  const OrderCase cases[] = {
      {L"école", L"fable"},  {L"eau", L"école"},     {L"été", L"zèbre"},        {L"Ça va", L"cb"},
      {L"cœur", L"cp"},      {L"coeur", L"cœur"},    {L"straße", L"strasses"},
  };
  for (const OrderCase& c : cases) ExpectOrdered(c);
}

TEST(ExplorerNameOrder, ComparesRunsOfDigitsByTheirValue) {
  const OrderCase cases[] = {
      {L"photo 2", L"photo 10"}, {L"IMG_9.jpg", L"IMG_10.jpg"}, {L"v1.9", L"v1.10"},
      {L"007", L"8"},            {L"a2b3", L"a2b12"},           {L"99999999999999999999", L"100000000000000000000"},
  };
  for (const OrderCase& c : cases) ExpectOrdered(c);
}

TEST(ExplorerNameOrder, PutsPunctuationBeforeDigitsAndDigitsBeforeLetters) {
  const OrderCase cases[] = {{L"_notes", L"1notes"}, {L"1notes", L"notes"}, {L"(copie)", L"abc"}, {L"a b", L"ab"}};
  for (const OrderCase& c : cases) ExpectOrdered(c);
}

TEST(ExplorerNameOrder, PutsAShorterNameBeforeTheLongerOneItBegins) {
  const OrderCase cases[] = {{L"photo", L"photo 2"}, {L"", L"a"}, {L"rapport", L"Rapport final"}};
  for (const OrderCase& c : cases) ExpectOrdered(c);
}

TEST(ExplorerNameOrder, OrdersNamesThatDifferOnlyByAccentOrCaseTheSameWayEveryTime) {
  const OrderCase cases[] = {{L"ecole", L"école"}, {L"école", L"École"}, {L"photo", L"Photo"}, {L"01", L"1"}};
  for (const OrderCase& c : cases) ExpectOrdered(c);
  EXPECT_EQ(CompareNamesForDisplay(L"Même", L"Même"), 0) << "a name equals itself";
}

// Sorting many names compares keys made once: every pair must come out as CompareNamesForDisplay orders it, and
// keys tie only for the names that differ by nothing but accents, letter case or leading zeros.
TEST(ExplorerNameOrder, SortKeysOrderAsTheNamesDo) {
  struct Name {
    const wchar_t* text;
    int tieGroup;  // names of one group, and only those, have equal keys; 0 for none
  };
  const Name names[] = {{L"photo 10.jpg", 0}, {L"Photo 2.jpg", 1}, {L"photo 2.jpg", 1}, {L"école", 2},
                        {L"Ecole", 2},        {L"ecole", 2},       {L"eau", 0},         {L"straße", 0},
                        {L"strasses", 0},     {L"_notes", 0},      {L"1notes", 0},      {L"007", 3},
                        {L"7", 3},            {L"8", 0},           {L"cœur", 4},        {L"coeur", 4},
                        {L"", 0},             {L"a b", 0},         {L"ab", 0},          {L"C:\\Photos\\", 0},
                        {L"C:\\Photos 2024\\", 0}};
  for (const Name& a : names) {
    for (const Name& b : names) {
      int byKey = CompareNameSortKeys(NameSortKey(a.text), NameSortKey(b.text));
      bool tieExpected = a.text == b.text || (a.tieGroup != 0 && a.tieGroup == b.tieGroup);
      EXPECT_EQ(byKey == 0, tieExpected) << Narrow(a.text) << " against " << Narrow(b.text);
      if (byKey != 0) {
        EXPECT_EQ(byKey < 0, CompareNamesForDisplay(a.text, b.text) < 0) << Narrow(a.text) << " against "
                                                                        << Narrow(b.text);
      }
    }
  }
}

TEST(ExplorerFoldLetterCase, MakesCapitalsSmallInLatinGreekAndCyrillic) {
  EXPECT_EQ(FoldLetterCase(L"ÉLISE ÇA Œ Ÿ Ā Ł"), L"élise ça œ ÿ ā ł");
  EXPECT_EQ(FoldLetterCase(L"ΑΩ ДЯ Ё"), L"αω дя ё");
  EXPECT_EQ(FoldLetterCase(L"× ÷ 1-2_ß"), L"× ÷ 1-2_ß") << "signs and ß have no capital to fold";
}

}  // namespace
