#include "app/PathPacking.h"

namespace app {

std::wstring PackPaths(const std::vector<std::wstring>& paths) {
  std::wstring block;
  for (const std::wstring& path : paths) {
    if (path.empty()) continue;
    block += path;
    block += L'\0';
  }
  return block;
}

std::vector<std::wstring> UnpackPaths(const void* block, std::size_t bytes) {
  std::vector<std::wstring> paths;
  if (!block || bytes % sizeof(wchar_t) != 0) return paths;
  const auto* text = static_cast<const wchar_t*>(block);
  const std::size_t length = bytes / sizeof(wchar_t);
  std::size_t start = 0;
  for (std::size_t at = 0; at <= length; ++at) {
    if (at == length || text[at] == L'\0') {
      if (at > start) paths.emplace_back(text + start, at - start);
      start = at + 1;
    }
  }
  return paths;
}

}  // namespace app
