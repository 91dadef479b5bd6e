#include "rename/OutcomeDisplay.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include "base/AppFolders.h"
#include "base/FileEntries.h"
#include "base/Numbers.h"
#include "rename/OutcomeReport.h"
#include "rename/RenameLog.h"
#include "rename/UndoTexts.h"
#include "ui/MessageBoxes.h"
#include "ui/Objects.h"

namespace renaming {

namespace {

void ResetProgressBar() {
  if (HWND bar = ui::ControlHandle(base::kProgressBar)) SendMessageW(bar, PBM_SETPOS, 0, 0);
}

// With no failure the box asks before the log is opened; after a failure it has only OK and the log opens at once.
void ShowReport(const wchar_t* title, const std::wstring& text, int errorCount) {
  if (!OutcomeReportAsksToOpenLog(errorCount)) {
    ui::ShowMessage(title, text, ui::MessageIcon::Information, MB_OK);
    ResetProgressBar();
    OpenRenameLog();
    return;
  }
  int answer = ui::ShowMessage(title, text, ui::MessageIcon::Information, MB_YESNO);
  ResetProgressBar();
  if (answer == IDYES) OpenRenameLog();
}

}  // namespace

void ShowOutcomeReport(int errorCount) { ShowReport(kOutcomeReportTitle, OutcomeReportText(errorCount), errorCount); }

void ShowUndoReport(int errorCount) { ShowReport(kUndoTitle, UndoReportText(errorCount), errorCount); }

void OpenRenameLog() {
  std::wstring log = RenameLogPath(base::TempFolder());
  if (!base::EntryExists(log)) return;
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
