#include "rename/RenamePass.h"

#include <windows.h>

#include "app/AppFolders.h"
#include "app/MainControls.h"
#include "filelist/FileList.h"
#include "filelist/FileListText.h"
#include "filelist/FolderScan.h"
#include "rename/FileMove.h"
#include "rename/LogLine.h"
#include "rename/PassDisplay.h"
#include "rename/PathParts.h"
#include "rename/RenameLog.h"
#include "rename/RenameProgress.h"
#include "rename/Win32LocalTime.h"
#include "rename/Win32LogFile.h"
#include "rename/OutcomeDisplay.h"
#include "ui/Controls.h"
#include "ui/Objects.h"

namespace renaming {

namespace {

// A read-only file is made writable before its rename; its attributes are not restored.
void ClearReadOnly(const std::wstring& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  }
}

void EmptyFileList() {
  filelist::FileListUpdate update;
  filelist::RemoveAllFileRows();
  filelist::ResetCountHeader();
}

}  // namespace

void RenamePass(RenameCriteria criteria) {
  HWND mainWindow = ui::WindowHandle(0);
  EnableWindow(mainWindow, FALSE);
  std::wstring typeText = ui::ControlText(app::kTypeField);
  const int rowCount = filelist::FileRowCount();
  const std::wstring logPath = app::RenameLogPath();
  Win32LogFileAccess logFiles;
  PassDisplay display;
  int errors = 0;
  std::wstring lastFolder;

  for (int row = 0; row < rowCount; ++row) {
    RenameRow listed{filelist::FileRowPath(row), filelist::FileRowName(row)};
    lastFolder = FolderPart(listed.fullPath);
    display.ShowRow(listed.fullPath);
    ClearReadOnly(listed.fullPath);
    RenamePlan plan = PlanRename(criteria, listed);
    // A name reduced to nothing names the folder itself: that rename fails without asking the platform.
    if (!plan.newName.empty() && MoveWithoutReplacing(listed.fullPath, plan.newPath)) {
      AdvanceAfterSuccess(criteria);
      WriteLogLine(logFiles, logPath, SuccessLine(CurrentLocalTime(), plan.oldNameForLog, plan.newName));
    } else {
      ++errors;
      WriteLogLine(logFiles, logPath, FailureLine(CurrentLocalTime(), plan.oldNameForLog));
    }
    display.ShowProgress(ProgressPercent(row + 1, rowCount));
  }
  display.Flush();

  EmptyFileList();
  ui::SetControlText(app::kActivityLine, L"");
  EnableWindow(mainWindow, TRUE);
  ShowOutcomeReport(errors);
  ui::SetControlText(app::kFolderPathField, lastFolder);
  if (!lastFolder.empty()) filelist::ListFolderContent(lastFolder, filelist::ChosenTypeOf(typeText));
}

void RenumberFiles() {
  RenamePass(RenumberCriteriaFromFields(ui::ControlText(app::kNewNameField), ui::ControlText(app::kRenumberIncrementField),
                                        ui::ControlText(app::kRenumberStartField),
                                        ui::IsControlChecked(app::kRenumberSeparatorBox)));
}

void ReplaceInNames() {
  RenamePass(ReplaceCriteriaFromFields(ui::ControlText(app::kPartField), ui::ControlText(app::kReplacementField),
                                       ui::IsControlChecked(app::kRemoveOnlyBox)));
}

void AddToNames() {
  AddPosition position = AddPositionFromOptions(ui::IsControlChecked(app::kAtStartOption),
                                                ui::IsControlChecked(app::kAtEndOption));
  RenamePass(AddCriteriaFromFields(ui::ControlText(app::kAddedTextField), position,
                                   ui::IsControlChecked(app::kNumberingBox), ui::ControlText(app::kAppendIncrementField),
                                   ui::ControlText(app::kAppendStartField),
                                   ui::IsControlChecked(app::kAppendSeparatorBox)));
}

}  // namespace renaming
