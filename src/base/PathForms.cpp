#include "base/PathForms.h"

#include <windows.h>

#include "base/PathPrefixes.h"

namespace base {

namespace {

using PathFormCall = DWORD(WINAPI*)(LPCWSTR, LPWSTR, DWORD);

// The call answers the room it needs first, then fills it.
std::wstring FormOf(const std::wstring& path, PathFormCall call) {
  DWORD needed = call(path.c_str(), nullptr, 0);
  if (needed == 0) return path;
  std::wstring form(needed, L'\0');
  DWORD length = call(path.c_str(), form.data(), needed);
  if (length == 0 || length >= needed) return path;
  form.resize(length);
  return form;
}

}  // namespace

std::wstring FullPathForm(const std::wstring& path) {
  return FormOf(path, [](LPCWSTR from, LPWSTR to, DWORD room) { return GetFullPathNameW(from, room, to, nullptr); });
}

std::wstring FileCallForm(const std::wstring& path) {
  if (path.size() < MAX_PATH || HasPathPrefix(path)) return path;
  return ExtendedLengthForm(FullPathForm(path));
}

// These two read the disk: a long path is asked in its prefixed form and given back without the prefix.
std::wstring LongPathForm(const std::wstring& path) {
  return WithoutExtendedPrefix(FormOf(FileCallForm(path), GetLongPathNameW));
}

std::wstring ShortPathForm(const std::wstring& path) {
  return WithoutExtendedPrefix(FormOf(FileCallForm(path), GetShortPathNameW));
}

}  // namespace base
