#include "controls/explorer/ExplorerPath.h"

#include "base/PathParts.h"
#include "controls/explorer/ExplorerNameOrder.h"

namespace controls {

namespace {

bool IsDriveRoot(std::wstring_view folder) {
  return folder.size() == 3 && folder[1] == L':' && base::IsPathSeparator(folder[2]);
}

// The number of separators after `start`, the trailing one included.
size_t SeparatorsFrom(std::wstring_view folder, size_t start) {
  size_t count = 0;
  for (size_t i = start; i < folder.size(); ++i) count += base::IsPathSeparator(folder[i]) ? 1 : 0;
  return count;
}

}  // namespace

bool IsRootFolder(std::wstring_view folder) {
  std::wstring full = base::WithTrailingBackslash(folder);
  std::wstring_view path = full;
  if (path.starts_with(L"\\\\?\\") || path.starts_with(L"\\\\.\\")) {
    path.remove_prefix(4);
    if (path.starts_with(L"UNC\\")) return SeparatorsFrom(path, 4) <= 2;
    return IsDriveRoot(path);
  }
  if (IsDriveRoot(path)) return true;
  // "\\server\share\": the two leading separators, then the server's and the share's.
  if (path.size() > 2 && base::IsPathSeparator(path[0]) && base::IsPathSeparator(path[1])) {
    return SeparatorsFrom(path, 2) <= 2;
  }
  return false;
}

std::wstring ParentFolder(std::wstring_view folder) {
  std::wstring full = base::WithTrailingBackslash(folder);
  if (full.empty() || IsRootFolder(full)) return {};
  full.pop_back();
  size_t last = full.find_last_of(L"\\/");
  if (last == std::wstring::npos) return {};
  return full.substr(0, last + 1);
}

std::wstring JoinFolder(std::wstring_view folder, std::wstring_view name) {
  return base::WithTrailingBackslash(JoinFile(folder, name));
}

std::wstring JoinFile(std::wstring_view folder, std::wstring_view name) {
  std::wstring path = base::WithTrailingBackslash(folder);
  path += name;
  return path;
}

bool SameFolder(std::wstring_view a, std::wstring_view b) {
  return FoldLetterCase(base::WithTrailingBackslash(a)) == FoldLetterCase(base::WithTrailingBackslash(b));
}

}  // namespace controls
