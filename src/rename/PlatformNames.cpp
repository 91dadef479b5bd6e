#include "rename/PlatformNames.h"

#include <array>
#include <cstdint>
#include <utility>

#include "rename/FileNameText.h"

namespace renaming {

namespace {

wchar_t AsciiCapital(wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c; }

bool EqualsAsciiCaseless(std::wstring_view text, std::wstring_view capitals) {
  if (text.size() != capitals.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (AsciiCapital(text[i]) != capitals[i]) return false;
  }
  return true;
}

// The digits Windows takes after COM and LPT: 0 to 9 and the superscripts ¹ ² ³.
bool IsDeviceDigit(wchar_t c) { return (c >= L'0' && c <= L'9') || c == L'¹' || c == L'²' || c == L'³'; }

bool IsDeviceName(std::wstring_view name) {
  std::wstring_view stem = name.substr(0, name.find(L'.'));
  while (!stem.empty() && stem.back() == L' ') stem.remove_suffix(1);
  static constexpr std::array<std::wstring_view, 6> kDevices = {L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$"};
  for (std::wstring_view device : kDevices) {
    if (EqualsAsciiCaseless(stem, device)) return true;
  }
  if (stem.size() != 4 || !IsDeviceDigit(stem[3])) return false;
  return EqualsAsciiCaseless(stem.substr(0, 3), L"COM") || EqualsAsciiCaseless(stem.substr(0, 3), L"LPT");
}

}  // namespace

std::wstring NameAsMade(std::wstring_view name) {
  std::size_t end = name.find_last_not_of(L". ");
  return std::wstring(end == std::wstring_view::npos ? std::wstring_view() : name.substr(0, end + 1));
}

NameRefusal RefusalOf(std::wstring_view newName) {
  std::wstring made = NameAsMade(newName);
  if (made.empty()) return NameRefusal::Empty;
  for (wchar_t c : made) {
    if (IsForbiddenFileNameChar(c)) return NameRefusal::ForbiddenCharacter;
  }
  if (IsDeviceName(made)) return NameRefusal::ReservedName;
  if (made.size() > kLongestEntryName) return NameRefusal::TooLong;
  return NameRefusal::None;
}

LetterCaseFold::LetterCaseFold(std::vector<wchar_t> capitals) : capitals_(std::move(capitals)) {}

std::wstring LetterCaseFold::Key(std::wstring_view name) const {
  std::wstring key(name);
  for (wchar_t& c : key) {
    auto unit = static_cast<std::uint32_t>(c);
    if (unit < capitals_.size()) c = capitals_[unit];
  }
  return key;
}

}  // namespace renaming
