#include "base/AppFolders.h"

#include <windows.h>

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

std::wstring LongForm(const std::wstring& path) {
  DWORD needed = GetLongPathNameW(path.c_str(), nullptr, 0);
  if (needed == 0) return path;
  std::wstring result(needed, L'\0');
  DWORD got = GetLongPathNameW(path.c_str(), result.data(), needed);
  if (got == 0 || got >= needed) return path;
  result.resize(got);
  return result;
}

}  // namespace

const std::wstring& ProgramFolder() { return ProgramFolderValue(); }

const std::wstring& TempFolder() { return TempFolderValue(); }

void FixProgramFolder() {
  wchar_t path[260] = {};
  DWORD length = GetModuleFileNameW(GetModuleHandleW(nullptr), path, 260);
  std::wstring full(path, length < 260 ? length : 259);
  ProgramFolderValue() = FolderPart(full);
}

void FixTempFolder() {
  wchar_t path[MAX_PATH + 1] = {};
  DWORD length = GetTempPathW(MAX_PATH + 1, path);
  std::wstring temp(path, length <= MAX_PATH ? length : 0);
  TempFolderValue() = WithTrailingBackslash(LongForm(temp));
}

}  // namespace base
