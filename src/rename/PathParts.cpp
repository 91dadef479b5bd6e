#include "rename/PathParts.h"

#include <array>

namespace renaming {

namespace {

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

// Index just after the last separator, 0 when there is none.
size_t NameStart(std::wstring_view path) {
  size_t last = path.find_last_of(L"\\/");
  return last == std::wstring_view::npos ? 0 : last + 1;
}

}  // namespace

std::wstring_view NamePartView(std::wstring_view path) { return path.substr(NameStart(path)); }

std::wstring NamePart(std::wstring_view path) { return std::wstring(NamePartView(path)); }

std::wstring FolderPart(std::wstring_view path) { return std::wstring(path.substr(0, NameStart(path))); }

std::wstring FileExtension(std::wstring_view path) {
  for (size_t i = path.size(); i-- > 0;) {
    wchar_t c = path[i];
    if (IsSeparator(c) || c == L' ') return {};
    if (c != L'.') continue;
    if (i == 0 || IsSeparator(path[i - 1])) return {};
    std::wstring_view extension = path.substr(i + 1);
    return std::wstring(extension.substr(0, extension.find(L'"')));
  }
  return {};
}

std::wstring BaseName(std::wstring_view path) {
  std::wstring_view name = path.substr(NameStart(path));
  for (size_t i = name.size(); i-- > 0;) {
    wchar_t c = name[i];
    if (c == L' ') break;
    if (c != L'.') continue;
    // Only the last dot counts: a name ending in a dot keeps it, and an earlier dot is never taken instead, so
    // that no part of the name is lost.
    if (i == 0 || i + 1 == name.size()) break;
    return std::wstring(name.substr(0, i));
  }
  return std::wstring(name);
}

std::wstring LowerCaseType(std::wstring_view type) {
  std::wstring lower(type);
  for (wchar_t& c : lower) {
    bool asciiCapital = c >= L'A' && c <= L'Z';
    bool latinCapital = c >= 0xC0 && c <= 0xDE && c != 0xD7;
    if (asciiCapital || latinCapital) c = static_cast<wchar_t>(c + 0x20);
  }
  return lower;
}

bool MatchesChosenType(std::wstring_view path, std::wstring_view chosenType) {
  std::wstring extension = FileExtension(path);
  return extension == chosenType || extension == LowerCaseType(chosenType);
}

bool IsSkippedFolderEntry(std::wstring_view entryName) {
  constexpr std::array<std::wstring_view, 4> kSkipped = {L"desktop.ini", L"Thumbs.db", L".", L".."};
  for (std::wstring_view skipped : kSkipped) {
    if (entryName == skipped) return true;
  }
  return false;
}

}  // namespace renaming
