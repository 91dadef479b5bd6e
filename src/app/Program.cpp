#include "app/Program.h"

#include <windows.h>
#include <commctrl.h>

#include "app/AppFolders.h"
#include "app/EventLoop.h"
#include "app/ExitSequence.h"
#include "app/MainWindow.h"
#include "app/SingleInstanceGuard.h"
#include "app/StartupResources.h"
#include "app/MainControls.h"
#include "controls/ThemeApi.h"
#include "resources/ImageDecoders.h"

namespace app {

namespace {

// Exit code when the main window cannot be created: the program must not wait for events without a window.
constexpr int kNoMainWindowExitCode = 1;

void InitCommonControls() {
  INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_USEREX_CLASSES |
                                                    ICC_PROGRESS_CLASS | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES |
                                                    ICC_LINK_CLASS};
  InitCommonControlsEx(&classes);
}

}  // namespace

int RunProgram() {
  InitCommonControls();
  controls::LoadThemeApi();
  resources::RegisterImageDecoders();
  LoadButtonIcons();
  FixProgramFolder();
  FixTempFolder();
  LoadGreetingFont();
  LoadPictures();
  if (!SingleInstanceGuard()) {
    ReleaseProgramResources();
    return 0;
  }
  if (!CreateMainWindow()) {
    ReleaseProgramResources();
    return kNoMainWindowExitCode;
  }
  InstallMainWindowHook();
  CreateBannerAndSideImage();
  CreateMainControls();
  CreatePopupMenus();
  CreateMainStatusBar();
  ShowMainWindow();
  RunEventLoop();
  return ExitSequence();
}

}  // namespace app
