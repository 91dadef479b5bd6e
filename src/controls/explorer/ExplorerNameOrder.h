#pragma once
// The order in which the explorer control shows names, as Windows Explorer does: letter case and accents do not
// separate names ("école" sits beside "Ecole", before "zèbre"), runs of digits compare by their value ("photo 2"
// before "photo 10"), and punctuation comes before digits, digits before letters. Window-free.

#include <string>
#include <string_view>

namespace controls {

// Negative when `a` comes before `b`, positive when after, 0 only for equal texts. Names equal but for accents
// or letter case are ordered without accents before with, then small letters before capitals, so the order is
// total and the same on every run.
int CompareNamesForDisplay(std::wstring_view a, std::wstring_view b);

// For sorting many names, where making the folded copies once per comparison would cost most of the time: a key
// made once per name, and its comparison. Keys order as their names do by CompareNamesForDisplay, except that names
// equal but for accents, letter case or leading zeros have equal keys; CompareNamesForDisplay then decides.
std::wstring NameSortKey(std::wstring_view name);
int CompareNameSortKeys(std::wstring_view a, std::wstring_view b);

// Capitals to small letters for the Latin, Greek and Cyrillic alphabets; other characters unchanged.
std::wstring FoldLetterCase(std::wstring_view text);

}  // namespace controls
