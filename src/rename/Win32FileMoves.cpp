#include "rename/Win32FileMoves.h"

#include <windows.h>

namespace renaming {

void Win32FileMoves::MakeWritable(const std::wstring& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  }
}

MoveResult Win32FileMoves::Move(const std::wstring& from, const std::wstring& to) {
  if (MoveFileW(from.c_str(), to.c_str())) return MoveResult::Moved;
  DWORD error = GetLastError();
  return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS ? MoveResult::NameTaken : MoveResult::Failed;
}

bool Win32FileMoves::DifferOnlyInLetterCase(const std::wstring& a, const std::wstring& b) {
  return a != b && CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()),
                                        TRUE) == CSTR_EQUAL;
}

std::wstring Win32FileMoves::TemporaryName(const std::wstring& folder, unsigned attempt) {
  return folder + L"~tarvelle-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(GetTickCount64()) +
         L"-" + std::to_wstring(attempt) + L".tmp";
}

}  // namespace renaming
