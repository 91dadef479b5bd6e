#include "app/SingleInstanceGuard.h"

#include <windows.h>

#include "base/ProgramInfo.h"

namespace app {

bool SingleInstanceGuard() {
  // Stage 1: a window with exactly the title, whoever owns it, is restored, not brought forward.
  if (HWND existing = FindWindowW(nullptr, base::kProgramTitle)) {
    ShowWindow(existing, SW_RESTORE);
    return false;
  }
  // Stage 2: the named mutex catches an instance whose window does not exist yet.
  SetLastError(0);
  HANDLE mutex = CreateMutexW(nullptr, FALSE, base::kProgramTitle);
  DWORD error = GetLastError();
  if (error == ERROR_ALREADY_EXISTS || error == ERROR_ACCESS_DENIED) {
    if (mutex) CloseHandle(mutex);
    if (HWND existing = FindWindowW(nullptr, base::kProgramTitle)) {
      ShowWindow(existing, SW_SHOWNORMAL);
      SetForegroundWindow(existing);
    }
    return false;
  }
  // The handle stays open until the process ends: its existence is the guard.
  return true;
}

}  // namespace app
