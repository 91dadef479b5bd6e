#include "filelist/ShellFileServices.h"

#include <windows.h>
#include <shellapi.h>

#include "base/FileEntries.h"
#include "base/PathForms.h"

namespace filelist {

namespace {

// The shell's handlers take paths of up to 260 characters. A longer one is handed over in its short form, where the
// file system keeps one, so that the file still opens; the file itself is left as it is.
std::wstring PathTheShellTakes(const std::wstring& path) {
  return path.size() < MAX_PATH ? path : base::ShortPathForm(path);
}

}  // namespace

void OpenWithShell(const std::wstring& path) {
  ShellExecuteW(nullptr, L"open", PathTheShellTakes(path).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void ShowPropertiesWindow(const std::wstring& path) {
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = SEE_MASK_INVOKEIDLIST | SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
  info.lpVerb = L"properties";
  std::wstring file = PathTheShellTakes(path);
  info.lpFile = file.c_str();
  info.nShow = SW_HIDE;
  ShellExecuteExW(&info);
  if (info.hProcess) CloseHandle(info.hProcess);
}

bool SendToRecycleBin(const std::wstring& path) {
  // The shell expands wildcards in the names it is given: such a path would take every matching file with it.
  if (path.empty() || path.find_first_of(L"*?") != std::wstring::npos) return false;
  // The shell's file operation takes no path of 260 characters or more, and the recycle bin would bring a file back
  // under a short form of its path: such a file is refused, untouched, as Windows Explorer refuses it.
  if (path.size() >= MAX_PATH) return false;
  // Nothing to recycle: no need to let the shell offer to destroy what is not there.
  if (!base::EntryExists(path)) return false;
  std::wstring from = path;
  from.push_back(L'\0');  // the list of names ends with a second zero
  SHFILEOPSTRUCTW operation{};
  operation.wFunc = FO_DELETE;
  operation.pFrom = from.c_str();
  // Where there is no recycle bin (removable and network drives, files too big for it) the shell would destroy the
  // file silently: FOF_WANTNUKEWARNING makes it ask first, and a refusal counts as a failure.
  operation.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_ALLOWUNDO | FOF_WANTNUKEWARNING;
  return SHFileOperationW(&operation) == 0 && !operation.fAnyOperationsAborted;
}

bool DeleteForGood(const std::wstring& path) {
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  return DeleteFileW(path.c_str()) != 0;
}

}  // namespace filelist
