#include "app/SingleInstanceGuard.h"

#include <windows.h>

#include "app/PathForwarding.h"
#include "base/ProgramInfo.h"
#include "ui/MessageBoxes.h"

namespace app {

namespace {

// A first instance that is still starting has its window before it takes forwarded paths: the second start
// tries again for this long.
constexpr DWORD kWaitForRunningMilliseconds = 10000;
constexpr DWORD kRetryMilliseconds = 100;

// The window found first takes them at once; one still being made, within the wait.
bool ForwardWhenReady(const std::vector<std::wstring>& paths) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (HWND running = FindWindowW(nullptr, base::kProgramTitle)) {
      if (ForwardPaths(running, paths)) return true;
    }
    if (GetTickCount() - start >= kWaitForRunningMilliseconds) return false;
    Sleep(kRetryMilliseconds);
  }
}

void HandOver(const std::vector<std::wstring>& paths) {
  if (!ForwardWhenReady(paths)) {
    ui::ShowMessage(base::kProgramTitle,
                    L"Tarvelle Rename est déjà ouvert, mais il n'a pu recevoir les fichiers. Ajoutez-les depuis sa "
                    L"fenêtre.",
                    ui::MessageIcon::Exclamation);
  }
}

}  // namespace

bool SingleInstanceGuard(const std::vector<std::wstring>& paths) {
  // Stage 1: a window with exactly the title, whoever owns it, is restored, not brought forward; with paths it
  // takes them and comes to the front.
  if (HWND existing = FindWindowW(nullptr, base::kProgramTitle)) {
    if (paths.empty()) {
      ShowWindow(existing, SW_RESTORE);
    } else {
      HandOver(paths);
    }
    return false;
  }
  // Stage 2: the named mutex catches an instance whose window does not exist yet.
  SetLastError(0);
  HANDLE mutex = CreateMutexW(nullptr, FALSE, base::kProgramTitle);
  DWORD error = GetLastError();
  if (error == ERROR_ALREADY_EXISTS || error == ERROR_ACCESS_DENIED) {
    if (mutex) CloseHandle(mutex);
    if (!paths.empty()) {
      HandOver(paths);
    } else if (HWND existing = FindWindowW(nullptr, base::kProgramTitle)) {
      ShowWindow(existing, SW_SHOWNORMAL);
      SetForegroundWindow(existing);
    }
    return false;
  }
  // The handle stays open until the process ends: its existence is the guard.
  return true;
}

}  // namespace app
