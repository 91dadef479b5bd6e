#include "rename/FileMove.h"

#include <windows.h>

#include "rename/PathParts.h"

namespace renaming {

namespace {

bool DiffersOnlyInLetterCase(const std::wstring& a, const std::wstring& b) {
  return a != b && CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()),
                                        TRUE) == CSTR_EQUAL;
}

bool MoveThroughTemporaryName(const std::wstring& from, const std::wstring& to) {
  std::wstring folder = FolderPart(from);
  for (unsigned attempt = 0; attempt < 100; ++attempt) {
    std::wstring temporary = folder + L"~tarvelle-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                             std::to_wstring(GetTickCount64()) + L"-" + std::to_wstring(attempt) + L".tmp";
    if (!MoveFileW(from.c_str(), temporary.c_str())) {
      // A temporary name that happens to exist: try another; any other refusal ends the attempt.
      if (GetLastError() == ERROR_ALREADY_EXISTS || GetLastError() == ERROR_FILE_EXISTS) continue;
      return false;
    }
    if (MoveFileW(temporary.c_str(), to.c_str())) return true;
    MoveFileW(temporary.c_str(), from.c_str());
    return false;
  }
  return false;
}

}  // namespace

bool MoveWithoutReplacing(const std::wstring& from, const std::wstring& to) {
  if (DiffersOnlyInLetterCase(from, to)) return MoveThroughTemporaryName(from, to);
  return MoveFileW(from.c_str(), to.c_str()) != 0;
}

}  // namespace renaming
