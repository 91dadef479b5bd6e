#include "filelist/FileListText.h"

#include <array>

#include "base/PathParts.h"

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
  std::wstring extension = base::FileExtension(path);
  return extension == chosenType || extension == LowerCaseType(chosenType);
}

bool IsSkippedFolderEntry(std::wstring_view entryName) {
  constexpr std::array<std::wstring_view, 4> kSkipped = {L"desktop.ini", L"Thumbs.db", L".", L".."};
  for (std::wstring_view skipped : kSkipped) {
    if (entryName == skipped) return true;
  }
  return false;
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
  std::wstring folder = base::WithTrailingBackslash(parts.front());
  std::vector<std::wstring> paths;
  paths.reserve(parts.size() - 1);
  for (size_t i = 1; i < parts.size(); ++i) paths.push_back(folder + parts[i]);
  return paths;
}

}  // namespace filelist
