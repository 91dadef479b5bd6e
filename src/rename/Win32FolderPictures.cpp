#include "rename/Win32FolderPictures.h"

#include <windows.h>

#include "base/PathForms.h"

namespace renaming {

std::vector<std::wstring> Win32FolderLister::NamesIn(const std::wstring& folder) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found{};
  std::wstring pattern = base::FileCallForm(folder + L"*");
  HANDLE search = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr,
                                   FIND_FIRST_EX_LARGE_FETCH);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    std::wstring_view name = found.cFileName;
    if (name != L"." && name != L"..") names.emplace_back(name);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return names;
}

namespace {

// Capitals of the units [first, end), in one call where the system maps them all at once, else one by one.
void MapCapitals(std::vector<wchar_t>& capitals, size_t first, size_t end) {
  const int count = static_cast<int>(end - first);
  std::vector<wchar_t> units(end - first);
  for (size_t unit = first; unit < end; ++unit) units[unit - first] = static_cast<wchar_t>(unit);
  if (LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, units.data(), count, &capitals[first], count, nullptr,
                    nullptr, 0) == count) {
    return;
  }
  for (size_t unit = first; unit < end; ++unit) {
    wchar_t c = static_cast<wchar_t>(unit);
    if (LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, &c, 1, &capitals[unit], 1, nullptr, nullptr, 0) != 1) {
      capitals[unit] = c;
    }
  }
}

}  // namespace

const LetterCaseFold& PlatformLetterCase() {
  static const LetterCaseFold fold = [] {
    std::vector<wchar_t> capitals(0x10000);
    for (size_t unit = 0; unit < capitals.size(); ++unit) capitals[unit] = static_cast<wchar_t>(unit);
    // Surrogate halves have no letter case of their own; nor has the null character.
    MapCapitals(capitals, 1, 0xD800);
    MapCapitals(capitals, 0xE000, 0x10000);
    return LetterCaseFold(std::move(capitals));
  }();
  return fold;
}

}  // namespace renaming
