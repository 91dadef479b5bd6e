#include "rename/PassOnWindow.h"

#include "base/AppFolders.h"
#include "base/Numbers.h"
#include "controls/explorer/ExplorerList.h"
#include "filelist/FileList.h"
#include "filelist/FileListText.h"
#include "filelist/FolderScan.h"
#include "rename/PassDisplay.h"
#include "rename/Win32FileMoves.h"
#include "rename/Win32LocalTime.h"
#include "rename/Win32LogFile.h"
#include "ui/Controls.h"
#include "ui/WindowDisabled.h"

namespace renaming {

namespace {

// One log for the whole run: lines a pass could not write wait there for the next pass.
RenameLog& RunLog() {
  static Win32LogFileAccess files;
  static RenameLog log(files, RenameLogPath(base::TempFolder()));
  return log;
}

// Whether the pass may change what the explorer control shows: a row in the folder on show, or that folder itself.
bool ExplorerShowsARow() {
  for (int row = 0, rows = filelist::FileRowCount(); row < rows; ++row) {
    if (controls::ExplorerShowsPlaceOf(base::kExplorer, filelist::FileRowPath(row))) return true;
  }
  return false;
}

void EmptyFileList() {
  filelist::FileListUpdate update;
  filelist::RemoveAllFileRows();
  filelist::ResetCountHeader();
}

}  // namespace

void RunPassOnWindow(const std::function<PassOutcome(PassWorld&)>& loop, void (*report)(int errorCount)) {
  std::wstring typeText = ui::ControlText(base::kTypeField);
  const bool explorerShowsARow = ExplorerShowsARow();
  PassOutcome outcome;
  {
    ui::WindowDisabled noInput(base::kMainWindow);
    Win32FileMoves files;
    LocalClock clock;
    PassDisplay display;
    PassWorld world{files, RunLog(), clock, display};
    outcome = loop(world);
    display.Flush();
    EmptyFileList();
    ui::SetControlText(base::kActivityLine, L"");
  }
  report(outcome.errors);
  ui::SetControlText(base::kFolderPathField, outcome.lastFolder);
  if (!outcome.lastFolder.empty()) {
    filelist::ListFolderContent(outcome.lastFolder, filelist::ChosenTypeOf(typeText));
  }
  if (explorerShowsARow) controls::RefreshExplorerList(base::kExplorer);
}

}  // namespace renaming
