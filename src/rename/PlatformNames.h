#pragma once
// What Windows makes of a new name, and which names it refuses, decided before any file is touched. The rename pass
// and the new-name column both go by these rules, so that they never disagree on a name. Window-free.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace renaming {

// The longest name one folder entry may have, in UTF-16 units.
inline constexpr std::size_t kLongestEntryName = 255;

// The name as Windows writes it: the Win32 layer drops trailing dots and spaces ("Vacances_1." becomes "Vacances_1").
std::wstring NameAsMade(std::wstring_view name);

enum class NameRefusal {
  None,
  Empty,               // nothing left once trailing dots and spaces are dropped
  ForbiddenCharacter,  // a control character or one of " * / : < > ? \ |
  ReservedName,        // a device name: CON, PRN, AUX, NUL, COM0 to COM9, LPT0 to LPT9, with or without extension
  TooLong,             // more than kLongestEntryName units
};

// Why Windows would refuse the new name as it makes it, or None. Device names are refused whatever follows the
// first dot (COM1.JPG), as Windows 10 does; a file with such a name is out of reach of most programs anyway.
NameRefusal RefusalOf(std::wstring_view newName);

// Folds letter case as the file system compares names: two names are the same entry when their keys are equal.
// The table gives each UTF-16 unit its capital form.
class LetterCaseFold {
 public:
  explicit LetterCaseFold(std::vector<wchar_t> capitals);
  std::wstring Key(std::wstring_view name) const;

 private:
  std::vector<wchar_t> capitals_;
};

}  // namespace renaming
