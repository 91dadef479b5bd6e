#include "filelist/ShellFileServices.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include "base/FileEntries.h"
#include "base/PathForms.h"
#include "ui/MessageBoxes.h"

namespace filelist {

namespace {

// What the shell is asked to do with an entry: a verb, how it is asked, how the window it opens shows, and what the
// user is told when the shell cannot reach the entry.
struct ShellAction {
  const wchar_t* verb;
  ULONG mask;
  int show;
  const wchar_t* title;
  const wchar_t* failure;
};

constexpr ShellAction kOpen{L"open", SEE_MASK_NOCLOSEPROCESS, SW_SHOWNORMAL, L"Ouvrir",
                            L"Windows ne peut ouvrir cet élément"};
// The properties window is the shell's own page, reached through the item's menu; the shell's "cannot" box would
// say nothing of the file.
constexpr ShellAction kProperties{L"properties", SEE_MASK_INVOKEIDLIST | SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI,
                                  SW_HIDE, L"Propriétés", L"Windows ne peut afficher les propriétés de cet élément"};

// Hands the entry to the shell, by its item identifier list when one is given, else by `file`. True when the shell
// took it.
bool Execute(const ShellAction& action, const std::wstring& file, PIDLIST_ABSOLUTE item, ULONG extraMask) {
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = action.mask | extraMask | (item ? SEE_MASK_INVOKEIDLIST : 0);
  info.lpVerb = action.verb;
  info.lpFile = item ? nullptr : file.c_str();
  info.lpIDList = item;
  info.nShow = action.show;
  bool taken = ShellExecuteExW(&info) != FALSE;
  if (info.hProcess) CloseHandle(info.hProcess);
  return taken;
}

// The shell's handlers stop at 260 characters, which the path of a file in a deep folder passes. Such an entry is
// handed over as the shell's item made from its long path, else by the 8.3 form of its path where the file system
// keeps one (Windows often keeps none on a data drive). The shell's own boxes are kept away: where neither way
// reaches the entry, the program's message names it.
bool HandLongPathToShell(const std::wstring& path, const ShellAction& action) {
  PIDLIST_ABSOLUTE item = nullptr;
  if (SUCCEEDED(SHParseDisplayName(path.c_str(), nullptr, &item, 0, nullptr))) {
    bool taken = Execute(action, path, item, SEE_MASK_FLAG_NO_UI);
    CoTaskMemFree(item);
    if (taken) return true;
  }
  std::wstring shortForm = base::ShortPathForm(path);
  return shortForm.size() < MAX_PATH && Execute(action, shortForm, nullptr, SEE_MASK_FLAG_NO_UI);
}

void HandToShell(const std::wstring& path, const ShellAction& action) {
  if (path.size() < MAX_PATH) {
    Execute(action, path, nullptr, 0);
  } else if (!HandLongPathToShell(path, action)) {
    ui::ShowMessage(action.title, std::wstring(action.failure) + L" : son chemin dépasse 260 caractères.\r\n" + path,
                    ui::MessageIcon::Exclamation);
  }
}

}  // namespace

void OpenWithShell(const std::wstring& path) { HandToShell(path, kOpen); }

void ShowPropertiesWindow(const std::wstring& path) { HandToShell(path, kProperties); }

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
  const std::wstring file = base::FileCallForm(path);
  if (DeleteFileW(file.c_str())) return true;
  // Windows deletes no read-only file: that attribute alone goes for the deletion, and comes back if the file stays.
  if (GetLastError() != ERROR_ACCESS_DENIED || !base::IsReadOnly(path)) return false;
  base::SetReadOnly(path, false);
  if (DeleteFileW(file.c_str())) return true;
  base::SetReadOnly(path, true);
  return false;
}

}  // namespace filelist
