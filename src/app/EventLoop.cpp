#include "app/AppState.h"
#include "app/ControlReactions.h"
#include "app/EventLoop.h"
#include "app/HelpCommands.h"
#include "app/Numbers.h"
#include "app/Routing.h"
#include "dialogs/AboutWindow.h"
#include "dialogs/ForbiddenCharacters.h"
#include "filelist/AddingCommands.h"
#include "filelist/EmptyingCommands.h"
#include "filelist/FileActions.h"
#include "filelist/ShellShortcuts.h"
#include "rename/StartRename.h"

namespace app {

namespace {

// Control events, by control number.
const ControlRoute kControlRoutes[] = {
    {68, kAboutWindow, kAnyEventType, OpenWebsite},   // website link
    {70, kAboutWindow, kAnyEventType, WriteToSupport},  // support link
    {76, kAboutWindow, kAnyEventType, dialogs::CloseAboutWindow},  // "Fermer cette fenêtre"
    {7, kMainWindow, ui::kChange, ShowPlace},
    {8, kMainWindow, ui::kRightClick, ShowExplorerPopup},
    {13, kMainWindow, kAnyEventType, filelist::OpenListedFolder},
    {14, kMainWindow, kAnyEventType, OnReplaceModeBox},   // mode boxes: SelectRenameMode
    {15, kMainWindow, kAnyEventType, OnRenumberModeBox},
    {16, kMainWindow, kAnyEventType, OnAppendModeBox},
    {23, kMainWindow, kAnyEventType, RemoveOnlyRelabel},
    {10, kMainWindow, ui::kRightClick, ShowListPopup},
    {44, kMainWindow, kAnyEventType, dialogs::ShowForbiddenCharacters},  // "Caractères ?"
    {45, kMainWindow, kAnyEventType, renaming::StartRename},
    {46, kMainWindow, kAnyEventType, filelist::RemoveSelectedRows},
    {47, kMainWindow, kAnyEventType, filelist::ClearFileList},
    {48, kMainWindow, kAnyEventType, OpenHelp},     // "Aide ?"
    {49, kMainWindow, kAnyEventType, dialogs::ShowAboutWindow},  // About button
    {50, kMainWindow, kAnyEventType, RequestQuit},   // "Quitter"
};

// Menu events, by command number: popup entries and the task pane's links.
const MenuRoute kMenuRoutes[] = {
    {kAddFilesCommand, filelist::AddFilesCommand},
    {kAddFolderCommand, filelist::AddFolderCommand},
    {kExplorerAdd, filelist::AddFromExplorerCommand},
    {kExplorerOpen, filelist::OpenExplorerEntries},
    {kListProperties, filelist::ShowRowProperties},
    {kListOpen, filelist::OpenRows},
    {kListRemove, filelist::RemoveRowsFromList},
    {kListRecycle, filelist::RecycleRows},
    {kListDelete, filelist::DeleteRows},
};

// Close events, by window number.
const CloseRoute kCloseRoutes[] = {
    {kAboutWindow, dialogs::CloseAboutWindow},
    {kMainWindow, RequestQuit},
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
