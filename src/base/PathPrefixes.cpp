#include "base/PathPrefixes.h"

#include <cwctype>

#include "base/PathParts.h"

namespace base {

namespace {

constexpr std::wstring_view kPrefix = L"\\\\?\\";
constexpr std::wstring_view kNetworkPrefix = L"\\\\?\\UNC\\";

bool IsDrivePath(const std::wstring& path) {
  return path.size() >= 3 && std::iswalpha(static_cast<wint_t>(path[0])) && path[1] == L':' &&
         IsPathSeparator(path[2]);
}

// `\\server\share...`: two separators, then a server name.
bool IsNetworkPath(const std::wstring& path) {
  return path.size() >= 3 && IsPathSeparator(path[0]) && IsPathSeparator(path[1]) &&
         !IsPathSeparator(path[2]);
}

}  // namespace

bool HasPathPrefix(const std::wstring& path) {
  return path.size() >= 4 && IsPathSeparator(path[0]) &&
         ((IsPathSeparator(path[1]) && (path[2] == L'?' || path[2] == L'.') && IsPathSeparator(path[3])) ||
          (path[1] == L'?' && path[2] == L'?' && IsPathSeparator(path[3])));
}

std::wstring ExtendedLengthForm(const std::wstring& fullPath) {
  if (HasPathPrefix(fullPath)) return fullPath;
  if (IsDrivePath(fullPath)) return std::wstring(kPrefix) + fullPath;
  if (IsNetworkPath(fullPath)) return std::wstring(kNetworkPrefix) + fullPath.substr(2);
  return fullPath;
}

std::wstring WithoutExtendedPrefix(const std::wstring& path) {
  if (path.starts_with(kNetworkPrefix)) return L"\\\\" + path.substr(kNetworkPrefix.size());
  if (path.starts_with(kPrefix) && IsDrivePath(path.substr(kPrefix.size()))) return path.substr(kPrefix.size());
  return path;
}

}  // namespace base
