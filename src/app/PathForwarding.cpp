#include "app/PathForwarding.h"

#include "app/PathPacking.h"
#include "base/Numbers.h"
#include "filelist/AddingCommands.h"
#include "ui/ArrivingPaths.h"

namespace app {

namespace {

// Marks a block as paths from a second start ("TRVL"); a block from anyone else is not taken.
constexpr ULONG_PTR kForwardedPathsTag = 0x5452564C;
// The running program copies the block and returns at once; more than this means it hangs.
constexpr UINT kForwardLimitMilliseconds = 5000;

}  // namespace

bool ForwardPaths(HWND running, const std::vector<std::wstring>& paths) {
  if (IsIconic(running)) ShowWindow(running, SW_RESTORE);
  SetForegroundWindow(running);
  const std::wstring block = PackPaths(paths);
  COPYDATASTRUCT copy{};
  copy.dwData = kForwardedPathsTag;
  copy.cbData = static_cast<DWORD>(block.size() * sizeof(wchar_t));
  copy.lpData = const_cast<wchar_t*>(block.data());
  DWORD_PTR answer = FALSE;
  if (!SendMessageTimeoutW(running, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy), SMTO_ABORTIFHUNG,
                           kForwardLimitMilliseconds, &answer)) {
    return false;
  }
  return answer == TRUE;
}

LRESULT ReceiveForwardedPaths(LPARAM copyData) {
  const auto* copy = reinterpret_cast<const COPYDATASTRUCT*>(copyData);
  if (!copy || copy->dwData != kForwardedPathsTag) return FALSE;
  ui::HandOverPaths(UnpackPaths(copy->lpData, copy->cbData), base::kMainWindow, base::kArrivedPathsCommand);
  return TRUE;
}

void AddArrivedPaths() { filelist::AddGivenPaths(ui::TakeArrivedPaths()); }

}  // namespace app
