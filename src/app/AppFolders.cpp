#include "app/AppFolders.h"

#include <windows.h>

#include "rename/RenameLog.h"

namespace app {

namespace {

std::wstring& ProgramFolderValue() {
  static std::wstring folder;
  return folder;
}

std::wstring& TempFolderValue() {
  static std::wstring folder;
  return folder;
}

std::wstring WithTrailingBackslash(std::wstring path) {
  if (!path.empty() && path.back() != L'\\') path.push_back(L'\\');
  return path;
}

// GetLongPathNameW is looked up by name so that the program starts where kernel32 lacks it.
std::wstring LongForm(const std::wstring& path) {
  using LongPathFunction = DWORD(WINAPI*)(LPCWSTR, LPWSTR, DWORD);
  HMODULE kernel = GetModuleHandleW(L"Kernel32.DLL");
  auto longPath = kernel ? reinterpret_cast<LongPathFunction>(
                               reinterpret_cast<void*>(GetProcAddress(kernel, "GetLongPathNameW")))
                         : nullptr;
  if (!longPath) return path;
  DWORD needed = longPath(path.c_str(), nullptr, 0);
  if (needed == 0) return path;
  std::wstring result(needed, L'\0');
  DWORD got = longPath(path.c_str(), result.data(), needed);
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
  size_t cut = full.find_last_of(L"\\/");
  ProgramFolderValue() = cut == std::wstring::npos ? std::wstring() : full.substr(0, cut + 1);
}

void FixTempFolder() {
  wchar_t path[MAX_PATH + 1] = {};
  DWORD length = GetTempPathW(MAX_PATH + 1, path);
  std::wstring temp(path, length <= MAX_PATH ? length : 0);
  TempFolderValue() = WithTrailingBackslash(LongForm(temp));
}

std::wstring RenameLogPath() { return renaming::RenameLogPath(TempFolder()); }

}  // namespace app
