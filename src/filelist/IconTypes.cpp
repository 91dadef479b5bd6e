#include "filelist/IconTypes.h"

#include <array>

namespace filelist {

std::wstring IconTypeKey(std::wstring_view extension) {
  std::wstring key(extension);
  for (wchar_t& c : key) {
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
  }
  return key;
}

bool HasIconPerFile(std::wstring_view extension) {
  static constexpr std::array<std::wstring_view, 9> kOwnIconTypes = {L"exe", L"ico", L"cur", L"ani", L"lnk",
                                                                     L"url", L"scr", L"cpl", L"appref-ms"};
  std::wstring key = IconTypeKey(extension);
  for (std::wstring_view type : kOwnIconTypes) {
    if (key == type) return true;
  }
  return false;
}

}  // namespace filelist
