#include "rename/Win32FolderPictures.h"

#include <windows.h>

namespace renaming {

std::vector<std::wstring> Win32FolderLister::NamesIn(const std::wstring& folder) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found{};
  std::wstring pattern = folder + L"*";
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

const LetterCaseFold& PlatformLetterCase() {
  static const LetterCaseFold fold = [] {
    std::vector<wchar_t> capitals(0x10000);
    for (size_t unit = 0; unit < capitals.size(); ++unit) {
      wchar_t c = static_cast<wchar_t>(unit);
      wchar_t capital = c;
      // Surrogate halves have no letter case of their own.
      if ((unit < 0xD800 || unit > 0xDFFF) &&
          LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, &c, 1, &capital, 1, nullptr, nullptr, 0) != 1) {
        capital = c;
      }
      capitals[unit] = capital;
    }
    return LetterCaseFold(std::move(capitals));
  }();
  return fold;
}

}  // namespace renaming
