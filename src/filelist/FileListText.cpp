#include "filelist/FileListText.h"

namespace filelist {

std::wstring CountHeaderText(std::size_t rows) {
  return L"Nom ( " + std::to_wstring(rows) + L" éléments )";
}

std::wstring ChosenTypeOf(std::wstring_view fieldText) {
  size_t first = fieldText.find_first_not_of(L' ');
  if (first == std::wstring_view::npos) return {};
  size_t last = fieldText.find_last_not_of(L' ');
  std::wstring_view type = fieldText.substr(first, last - first + 1);
  while (!type.empty() && type.front() == L'.') type.remove_prefix(1);
  return std::wstring(type);
}

std::wstring WithTrailingBackslash(std::wstring_view path) {
  std::wstring result(path);
  if (!result.empty() && result.back() != L'\\' && result.back() != L'/') result += L'\\';
  return result;
}

std::wstring FolderToSelect(std::wstring_view startFolder) {
  std::wstring folder(startFolder);
  if (folder.size() > 3 && folder.back() == L'\\') folder.pop_back();
  return folder;
}

std::vector<std::wstring> RequesterSelection(const wchar_t* buffer, std::size_t size) {
  std::vector<std::wstring> parts;
  size_t at = 0;
  while (at < size && buffer[at] != L'\0') {
    size_t end = at;
    while (end < size && buffer[end] != L'\0') ++end;
    parts.emplace_back(buffer + at, end - at);
    at = end + 1;
  }
  if (parts.size() <= 1) return parts;
  std::wstring folder = WithTrailingBackslash(parts.front());
  std::vector<std::wstring> paths;
  paths.reserve(parts.size() - 1);
  for (size_t i = 1; i < parts.size(); ++i) paths.push_back(folder + parts[i]);
  return paths;
}

}  // namespace filelist
