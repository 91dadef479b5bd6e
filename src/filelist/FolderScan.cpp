#include "filelist/FolderScan.h"

#include <windows.h>

#include "base/PathForms.h"
#include "base/PathParts.h"
#include "filelist/FileList.h"
#include "filelist/FileListText.h"

namespace filelist {

FolderScanResult ListFolderContent(const std::wstring& folder, const std::wstring& chosenType) {
  std::wstring pattern = base::FileCallForm(folder + L"*.*");
  WIN32_FIND_DATAW entry{};
  HANDLE listing = FindFirstFileW(pattern.c_str(), &entry);
  if (listing == INVALID_HANDLE_VALUE) {
    // A folder without a single entry (the root of an empty drive) is listed, not refused.
    return GetLastError() == ERROR_FILE_NOT_FOUND ? FolderScanResult::Listed : FolderScanResult::NotAccessible;
  }
  FileListUpdate update;
  std::wstring path = folder;
  do {
    if (IsSkippedFolderEntry(entry.cFileName)) continue;
    path.resize(folder.size());
    path += entry.cFileName;
    if (!MatchesChosenType(path, chosenType)) continue;
    AppendFoundEntry(path, (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
  } while (FindNextFileW(listing, &entry));
  FindClose(listing);
  return FolderScanResult::Listed;
}

}  // namespace filelist
