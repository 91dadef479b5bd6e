#include "controls/explorer/ExplorerNameOrder.h"

namespace controls {

namespace {

wchar_t FoldCharCase(wchar_t c) {
  if (c >= L'A' && c <= L'Z') return static_cast<wchar_t>(c + 0x20);
  if (c < 0xC0) return c;
  if (c <= 0xDE) return c == 0xD7 ? c : static_cast<wchar_t>(c + 0x20);  // À to Þ, not ×
  if (c == 0x178) return 0xFF;                                            // Ÿ
  // Latin Extended-A: capital and small letter side by side, the capital on the even code up to ķ and from Ŋ, on
  // the odd code from Ĺ to ň and from Ź to ž.
  if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) return static_cast<wchar_t>(c | 1);
  if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return (c & 1) ? static_cast<wchar_t>(c + 1) : c;
  if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) return static_cast<wchar_t>(c + 0x20);  // Greek
  if (c >= 0x410 && c <= 0x42F) return static_cast<wchar_t>(c + 0x20);                // Cyrillic А to Я
  if (c >= 0x400 && c <= 0x40F) return static_cast<wchar_t>(c + 0x50);                // Cyrillic Ѐ to Џ
  return c;
}

struct BaseLetters {
  wchar_t first;
  wchar_t last;
  const wchar_t* base;
};

// Accented Latin letters and ligatures with the small letters they sort as.
constexpr BaseLetters kBaseLetters[] = {
    {0xC0, 0xC5, L"a"},   {0xC6, 0xC6, L"ae"},  {0xC7, 0xC7, L"c"},   {0xC8, 0xCB, L"e"},   {0xCC, 0xCF, L"i"},
    {0xD0, 0xD0, L"d"},   {0xD1, 0xD1, L"n"},   {0xD2, 0xD6, L"o"},   {0xD8, 0xD8, L"o"},   {0xD9, 0xDC, L"u"},
    {0xDD, 0xDD, L"y"},   {0xDF, 0xDF, L"ss"},  {0xE0, 0xE5, L"a"},   {0xE6, 0xE6, L"ae"},  {0xE7, 0xE7, L"c"},
    {0xE8, 0xEB, L"e"},   {0xEC, 0xEF, L"i"},   {0xF0, 0xF0, L"d"},   {0xF1, 0xF1, L"n"},   {0xF2, 0xF6, L"o"},
    {0xF8, 0xF8, L"o"},   {0xF9, 0xFC, L"u"},   {0xFD, 0xFD, L"y"},   {0xFF, 0xFF, L"y"},   {0x100, 0x105, L"a"},
    {0x106, 0x10D, L"c"}, {0x10E, 0x111, L"d"}, {0x112, 0x11B, L"e"}, {0x11C, 0x123, L"g"}, {0x124, 0x127, L"h"},
    {0x128, 0x131, L"i"}, {0x132, 0x133, L"ij"}, {0x134, 0x135, L"j"}, {0x136, 0x138, L"k"}, {0x139, 0x142, L"l"},
    {0x143, 0x14B, L"n"}, {0x14C, 0x151, L"o"}, {0x152, 0x153, L"oe"}, {0x154, 0x159, L"r"}, {0x15A, 0x161, L"s"},
    {0x162, 0x167, L"t"}, {0x168, 0x173, L"u"}, {0x174, 0x175, L"w"}, {0x176, 0x178, L"y"}, {0x179, 0x17E, L"z"},
    {0x17F, 0x17F, L"s"},
};

std::wstring WithoutAccentsOrCase(std::wstring_view text) {
  std::wstring result;
  result.reserve(text.size());
  for (wchar_t c : text) {
    const wchar_t* base = nullptr;
    if (c >= 0xC0 && c <= 0x17F) {
      for (const BaseLetters& letters : kBaseLetters) {
        if (c >= letters.first && c <= letters.last) base = letters.base;
      }
    }
    if (base) {
      result += base;
    } else {
      result += FoldCharCase(c);
    }
  }
  return result;
}

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// Punctuation, blanks and symbols 0, digits 1, letters (and every other script) 2.
int CharacterRank(wchar_t c) {
  if (IsDigit(c)) return 1;
  if ((c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z')) return 2;
  if (c < 0x80) return 0;
  if (c < 0xC0 || c == 0xD7 || c == 0xF7) return 0;
  if (c >= 0x2000 && c <= 0x206F) return 0;  // general punctuation: dashes, quotes, blanks
  return 2;
}

int Sign(long long value) { return value < 0 ? -1 : (value > 0 ? 1 : 0); }

// Character by character, but a run of digits against a run of digits compares by value (leading zeros aside).
int CompareNatural(std::wstring_view a, std::wstring_view b) {
  size_t i = 0;
  size_t j = 0;
  while (i < a.size() && j < b.size()) {
    if (IsDigit(a[i]) && IsDigit(b[j])) {
      size_t aEnd = i;
      size_t bEnd = j;
      while (aEnd < a.size() && IsDigit(a[aEnd])) ++aEnd;
      while (bEnd < b.size() && IsDigit(b[bEnd])) ++bEnd;
      while (i + 1 < aEnd && a[i] == L'0') ++i;
      while (j + 1 < bEnd && b[j] == L'0') ++j;
      if (aEnd - i != bEnd - j) return aEnd - i < bEnd - j ? -1 : 1;
      int digits = a.substr(i, aEnd - i).compare(b.substr(j, bEnd - j));
      if (digits != 0) return Sign(digits);
      i = aEnd;
      j = bEnd;
      continue;
    }
    int rank = CharacterRank(a[i]) - CharacterRank(b[j]);
    if (rank != 0) return Sign(rank);
    if (a[i] != b[j]) return a[i] < b[j] ? -1 : 1;
    ++i;
    ++j;
  }
  bool aLeft = i < a.size();
  bool bLeft = j < b.size();
  return aLeft == bLeft ? 0 : (aLeft ? 1 : -1);
}

}  // namespace

std::wstring FoldLetterCase(std::wstring_view text) {
  std::wstring result;
  result.reserve(text.size());
  for (wchar_t c : text) result += FoldCharCase(c);
  return result;
}

std::wstring NameSortKey(std::wstring_view name) { return WithoutAccentsOrCase(name); }

int CompareNameSortKeys(std::wstring_view a, std::wstring_view b) { return CompareNatural(a, b); }

int CompareNamesForDisplay(std::wstring_view a, std::wstring_view b) {
  int order = CompareNameSortKeys(NameSortKey(a), NameSortKey(b));
  if (order != 0) return order;
  // Equal but for accents or case: "ecole" before "école", then "école" before "École".
  order = CompareNatural(FoldLetterCase(a), FoldLetterCase(b));
  if (order != 0) return order;
  order = CompareNatural(b, a);  // small letters have the higher codes: reversed, they come first
  if (order != 0) return order;
  return Sign(a.compare(b));
}

}  // namespace controls
