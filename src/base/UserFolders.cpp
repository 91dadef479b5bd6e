#include "base/UserFolders.h"

#include <windows.h>
#include <shlobj.h>

#include "base/PathParts.h"

namespace base {

namespace {

// The longest path the system's file calls take.
constexpr DWORD kLongestPath = 32768;

std::wstring ShellFolderPath(int csidl) {
  PIDLIST_ABSOLUTE list = nullptr;
  if (FAILED(SHGetFolderLocation(nullptr, csidl, nullptr, 0, &list)) || !list) return {};
  std::wstring path = FolderPathOfItem(list);
  CoTaskMemFree(list);
  return path;
}

// FOLDERID_Downloads, {374DE290-123F-4565-9164-39C4925E467B}; Downloads has no CSIDL, it is a known folder only.
constexpr GUID kDownloadsFolderId = {0x374DE290, 0x123F, 0x4565, {0x91, 0x64, 0x39, 0xC4, 0x92, 0x5E, 0x46, 0x7B}};

std::wstring DownloadsFolderPath() {
  PWSTR path = nullptr;
  std::wstring result;
  if (SUCCEEDED(SHGetKnownFolderPath(kDownloadsFolderId, 0, nullptr, &path)) && path) {
    result = WithTrailingBackslash(path);
  }
  CoTaskMemFree(path);
  return result;
}

}  // namespace

std::wstring FolderPathOfItem(const _ITEMIDLIST* item) {
  // SHGetPathFromIDListW stops at 260 characters; its successor takes the room it is given.
  std::wstring path(kLongestPath, L'\0');
  if (!item || !SHGetPathFromIDListEx(item, path.data(), kLongestPath, GPFIDL_DEFAULT)) return {};
  path.resize(wcslen(path.c_str()));
  return WithTrailingBackslash(path);
}

std::wstring UserFolderPath(UserPlace place) {
  switch (place) {
    case UserPlace::Documents: return ShellFolderPath(CSIDL_PERSONAL);
    case UserPlace::Pictures: return ShellFolderPath(CSIDL_MYPICTURES);
    case UserPlace::Videos: return ShellFolderPath(CSIDL_MYVIDEO);
    case UserPlace::Music: return ShellFolderPath(CSIDL_MYMUSIC);
    case UserPlace::Desktop: return ShellFolderPath(CSIDL_DESKTOP);
    case UserPlace::Downloads: return DownloadsFolderPath();
  }
  return {};
}

}  // namespace base
