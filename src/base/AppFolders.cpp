#include "base/AppFolders.h"

#include <windows.h>

#include "base/PathForms.h"
#include "base/PathParts.h"

namespace base {

namespace {

std::wstring& ProgramFolderValue() {
  static std::wstring folder;
  return folder;
}

std::wstring& TempFolderValue() {
  static std::wstring folder;
  return folder;
}

}  // namespace

const std::wstring& ProgramFolder() { return ProgramFolderValue(); }

const std::wstring& TempFolder() { return TempFolderValue(); }

void FixProgramFolder() {
  // The program may sit in a folder deeper than 260 characters: the room grows until the whole path fits.
  std::wstring path(260, L'\0');
  for (;;) {
    DWORD length = GetModuleFileNameW(GetModuleHandleW(nullptr), path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return;
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    if (path.size() >= 32768) return;
    path.resize(path.size() * 2);
  }
  ProgramFolderValue() = FolderPart(path);
}

void FixTempFolder() {
  DWORD needed = GetTempPathW(0, nullptr);
  if (needed == 0) return;
  std::wstring temp(needed, L'\0');
  DWORD length = GetTempPathW(needed, temp.data());
  if (length == 0 || length >= needed) return;
  temp.resize(length);
  TempFolderValue() = WithTrailingBackslash(LongPathForm(temp));
}

}  // namespace base
