#include "rename/OutcomeDisplay.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include "base/AppFolders.h"
#include "base/Numbers.h"
#include "rename/OutcomeReport.h"
#include "rename/RenameLog.h"
#include "ui/MessageBoxes.h"
#include "ui/Objects.h"

namespace renaming {

namespace {

void ResetProgressBar() {
  if (HWND bar = ui::ControlHandle(base::kProgressBar)) SendMessageW(bar, PBM_SETPOS, 0, 0);
}

}  // namespace

void ShowOutcomeReport(int errorCount) {
  if (!OutcomeReportAsksToOpenLog(errorCount)) {
    ui::ShowMessage(kOutcomeReportTitle, OutcomeReportText(errorCount), ui::MessageIcon::Information, MB_OK);
    ResetProgressBar();
    OpenRenameLog();
    return;
  }
  int answer =
      ui::ShowMessage(kOutcomeReportTitle, OutcomeReportText(errorCount), ui::MessageIcon::Information, MB_YESNO);
  ResetProgressBar();
  if (answer == IDYES) OpenRenameLog();
}

void OpenRenameLog() {
  std::wstring log = RenameLogPath(base::TempFolder());
  if (GetFileAttributesW(log.c_str()) == INVALID_FILE_ATTRIBUTES) return;
  SHELLEXECUTEINFOW request{};
  request.cbSize = sizeof(request);
  request.fMask = SEE_MASK_FLAG_NO_UI;
  request.hwnd = ui::WindowHandle(base::kMainWindow);
  request.lpFile = log.c_str();
  request.lpDirectory = base::TempFolder().c_str();
  request.nShow = SW_SHOWNORMAL;
  ShellExecuteExW(&request);
}

}  // namespace renaming
