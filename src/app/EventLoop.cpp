#include "app/AppState.h"
#include "app/ControlReactions.h"
#include "app/EventLoop.h"
#include "app/HelpCommands.h"
#include "app/PathForwarding.h"
#include "app/Routing.h"
#include "base/Numbers.h"
#include "dialogs/AboutWindow.h"
#include "dialogs/ForbiddenCharacters.h"
#include "filelist/AddingCommands.h"
#include "filelist/EmptyingCommands.h"
#include "filelist/ExplorerSelection.h"
#include "filelist/FileActions.h"
#include "filelist/FileList.h"
#include "filelist/ShellShortcuts.h"
#include "rename/NamePreview.h"
#include "rename/StartRename.h"
#include "rename/UndoPass.h"

namespace app {

namespace {

// Control events, by control number.
const ControlRoute kControlRoutes[] = {
    {base::kAboutWebsiteLink, base::kAboutWindow, kAnyEventType, OpenWebsite},
    {base::kAboutSupportLink, base::kAboutWindow, kAnyEventType, WriteToSupport},
    {base::kAboutCloseButton, base::kAboutWindow, kAnyEventType, dialogs::CloseAboutWindow},
    {base::kPlacesBox, base::kMainWindow, ui::kChange, ShowPlace},
    {base::kExplorer, base::kMainWindow, ui::kRightClick, ShowExplorerPopup},
    {base::kExplorer, base::kMainWindow, ui::kMenuKey, ShowExplorerPopupFromKeyboard},
    {base::kOpenFolderButton, base::kMainWindow, kAnyEventType, filelist::OpenListedFolder},
    {base::kReplaceModeBox, base::kMainWindow, kAnyEventType, OnReplaceModeBox},  // mode boxes: SelectRenameMode
    {base::kRenumberModeBox, base::kMainWindow, kAnyEventType, OnRenumberModeBox},
    {base::kAppendModeBox, base::kMainWindow, kAnyEventType, OnAppendModeBox},
    {base::kRemoveOnlyBox, base::kMainWindow, kAnyEventType, RemoveOnlyRelabel},
    // Every other field, box and option of the mode panels: the column "Nouveau nom" follows.
    {base::kPartField, base::kMainWindow, ui::kChange, renaming::CriteriaChanged},
    {base::kReplacementField, base::kMainWindow, ui::kChange, renaming::CriteriaChanged},
    {base::kNewNameField, base::kMainWindow, ui::kChange, renaming::CriteriaChanged},
    {base::kRenumberIncrementField, base::kMainWindow, ui::kChange, renaming::CriteriaChanged},
    {base::kRenumberStartField, base::kMainWindow, ui::kChange, renaming::CriteriaChanged},
    {base::kRenumberSeparatorBox, base::kMainWindow, kAnyEventType, renaming::CriteriaChanged},
    {base::kAddedTextField, base::kMainWindow, ui::kChange, renaming::CriteriaChanged},
    {base::kAtStartOption, base::kMainWindow, kAnyEventType, renaming::CriteriaChanged},
    {base::kAtEndOption, base::kMainWindow, kAnyEventType, renaming::CriteriaChanged},
    {base::kNumberingBox, base::kMainWindow, kAnyEventType, renaming::CriteriaChanged},
    {base::kAppendIncrementField, base::kMainWindow, ui::kChange, renaming::CriteriaChanged},
    {base::kAppendStartField, base::kMainWindow, ui::kChange, renaming::CriteriaChanged},
    {base::kAppendSeparatorBox, base::kMainWindow, kAnyEventType, renaming::CriteriaChanged},
    {base::kFileList, base::kMainWindow, ui::kRightClick, ShowListPopup},
    {base::kFileList, base::kMainWindow, ui::kMenuKey, ShowListPopupFromKeyboard},
    {base::kCharactersButton, base::kMainWindow, kAnyEventType, dialogs::ShowForbiddenCharacters},
    {base::kRenameButton, base::kMainWindow, kAnyEventType, renaming::StartRename},
    {base::kRemoveSelectionButton, base::kMainWindow, kAnyEventType, filelist::RemoveSelectedRows},
    {base::kClearAllButton, base::kMainWindow, kAnyEventType, filelist::ClearFileList},
    {base::kHelpButton, base::kMainWindow, kAnyEventType, OpenHelp},
    {base::kAboutButton, base::kMainWindow, kAnyEventType, dialogs::ShowAboutWindow},
    {base::kQuitButton, base::kMainWindow, kAnyEventType, RequestQuit},
};

// Menu events, by command number: popup entries and the task pane's links.
const MenuRoute kMenuRoutes[] = {
    {base::kAddFilesCommand, filelist::AddFilesCommand},
    {base::kAddFolderCommand, filelist::AddFolderCommand},
    {base::kExplorerAdd, filelist::AddFromExplorerCommand},
    {base::kExplorerOpen, filelist::OpenExplorerEntries},
    {base::kListProperties, filelist::ShowRowProperties},
    {base::kListOpen, filelist::OpenRows},
    {base::kListRemove, filelist::RemoveRowsFromList},
    {base::kListRecycle, filelist::RecycleRows},
    {base::kListDelete, filelist::DeleteRows},
    {base::kListSortByName, filelist::SortRowsByName},
    {base::kListSortByPath, filelist::SortRowsByPath},
    {base::kUndoRenameCommand, renaming::UndoLastRename},
    {base::kArrivedPathsCommand, AddArrivedPaths},
    {base::kUnansweredDriveCommand, filelist::TellFolderNotAccessible},
};

// Close events, by window number.
const CloseRoute kCloseRoutes[] = {
    {base::kAboutWindow, dialogs::CloseAboutWindow},
    {base::kMainWindow, RequestQuit},
};

}  // namespace

void RequestQuit() { QuitRequested = 1; }

void RouteEvent(const ui::Event& event) {
  Action action = nullptr;
  switch (event.kind) {
    case ui::kControlEvent: action = FindControlAction(kControlRoutes, event.control, event.type); break;
    case ui::kMenuEvent: action = FindMenuAction(kMenuRoutes, event.command); break;
    case ui::kCloseEvent: action = FindCloseAction(kCloseRoutes, event.window); break;
    default: break;
  }
  if (action) action();
}

void RunEventLoop() {
  while (QuitRequested == 0) {
    ui::Event event = ui::WaitEvent();
    // The thread was told to quit from outside: end as if the main window had been closed.
    if (event.kind == ui::kNoEvent) {
      QuitRequested = 1;
      break;
    }
    RouteEvent(event);
  }
}

}  // namespace app
