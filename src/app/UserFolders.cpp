#include "app/UserFolders.h"

#include <windows.h>
#include <shlobj.h>

namespace app {

namespace {

std::wstring WithBackslash(std::wstring path) {
  if (!path.empty() && path.back() != L'\\') path.push_back(L'\\');
  return path;
}

std::wstring ShellFolderPath(int csidl) {
  PIDLIST_ABSOLUTE list = nullptr;
  if (FAILED(SHGetFolderLocation(nullptr, csidl, nullptr, 0, &list)) || !list) return {};
  wchar_t path[MAX_PATH] = {};
  BOOL found = SHGetPathFromIDListW(list, path);
  CoTaskMemFree(list);
  return found ? WithBackslash(path) : std::wstring();
}

// FOLDERID_Downloads, {374DE290-123F-4565-9164-39C4925E467B}.
constexpr GUID kDownloadsFolderId = {0x374DE290, 0x123F, 0x4565, {0x91, 0x64, 0x39, 0xC4, 0x92, 0x5E, 0x46, 0x7B}};

std::wstring KnownDownloadsPath() {
  using KnownFolderFunction = HRESULT(WINAPI*)(REFKNOWNFOLDERID, DWORD, HANDLE, PWSTR*);
  HMODULE shell = LoadLibraryW(L"Shell32.DLL");
  if (!shell) return {};
  auto knownFolder = reinterpret_cast<KnownFolderFunction>(
      reinterpret_cast<void*>(GetProcAddress(shell, "SHGetKnownFolderPath")));
  std::wstring result;
  if (knownFolder) {
    PWSTR path = nullptr;
    if (SUCCEEDED(knownFolder(kDownloadsFolderId, 0, nullptr, &path)) && path) result = WithBackslash(path);
    CoTaskMemFree(path);
  }
  FreeLibrary(shell);
  return result;
}

}  // namespace

std::wstring DownloadsFolderPath(bool lookupKnownFolder) {
  if (lookupKnownFolder) {
    std::wstring known = KnownDownloadsPath();
    if (!known.empty()) return known;
  }
  std::wstring profile = ShellFolderPath(CSIDL_PROFILE);
  return profile.empty() ? std::wstring() : profile + L"Downloads\\";
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

}  // namespace app
