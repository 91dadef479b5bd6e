#include "base/PathParts.h"

namespace base {

namespace {

// Index just after the last separator, 0 when there is none.
size_t NameStart(std::wstring_view path) {
  size_t last = path.find_last_of(L"\\/");
  return last == std::wstring_view::npos ? 0 : last + 1;
}

}  // namespace

bool IsPathSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

std::wstring_view NamePartView(std::wstring_view path) { return path.substr(NameStart(path)); }

std::wstring NamePart(std::wstring_view path) { return std::wstring(NamePartView(path)); }

std::wstring FolderPart(std::wstring_view path) { return std::wstring(path.substr(0, NameStart(path))); }

std::wstring FileExtension(std::wstring_view path) {
  for (size_t i = path.size(); i-- > 0;) {
    wchar_t c = path[i];
    if (IsPathSeparator(c) || c == L' ') return {};
    if (c != L'.') continue;
    if (i == 0 || IsPathSeparator(path[i - 1])) return {};
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

std::wstring WithTrailingBackslash(std::wstring_view path) {
  std::wstring result(path);
  if (!result.empty() && !IsPathSeparator(result.back())) result += L'\\';
  return result;
}

}  // namespace base
