#include "app/Program.h"

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <ole2.h>

#include <string>
#include <vector>

#include "app/CommandLinePaths.h"
#include "app/EventLoop.h"
#include "app/ExitSequence.h"
#include "app/MainControls.h"
#include "app/MainWindow.h"
#include "app/SingleInstanceGuard.h"
#include "app/StartupResources.h"
#include "base/AppFolders.h"
#include "base/Numbers.h"
#include "controls/ThemeApi.h"
#include "rename/NamePreview.h"
#include "resources/ImageDecoders.h"
#include "ui/ArrivingPaths.h"
#include "ui/FileDrops.h"

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

// The shell's requesters and verbs may call extensions that need COM on this thread, and files dropped on the
// window come through OLE: both are there for the whole run.
class OleForTheRun {
 public:
  OleForTheRun()
      : comStarted_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))),
        oleStarted_(SUCCEEDED(OleInitialize(nullptr))) {}
  ~OleForTheRun() {
    if (oleStarted_) OleUninitialize();
    if (comStarted_) CoUninitialize();
  }
  OleForTheRun(const OleForTheRun&) = delete;
  OleForTheRun& operator=(const OleForTheRun&) = delete;

 private:
  bool comStarted_;
  bool oleStarted_;
};

}  // namespace

int RunProgram() {
  OleForTheRun ole;
  // Read before the guard: a second start hands them to the window already open.
  const std::vector<std::wstring> startPaths = CommandLinePaths();
  ChooseLayoutScale();
  InitCommonControls();
  controls::LoadThemeApi();
  resources::RegisterImageDecoders();
  LoadButtonIcons();
  base::FixProgramFolder();
  base::FixTempFolder();
  LoadGreetingFont();
  LoadPictures();
  if (!SingleInstanceGuard(startPaths)) {
    ReleaseProgramResources();
    return 0;
  }
  if (!CreateMainWindow()) {
    ReleaseProgramResources();
    return kNoMainWindowExitCode;
  }
  InstallMainWindowHook();
  ui::AcceptFileDrops(base::kMainWindow, base::kArrivedPathsCommand);
  CreateBannerAndSideImage();
  CreateMainControls();
  CreatePopupMenus();
  CreateMainStatusBar();
  renaming::StartNamePreview();
  ShowMainWindow();
  // Added by the event loop's first event, in the window as the user sees it.
  ui::HandOverPaths(startPaths, base::kMainWindow, base::kArrivedPathsCommand);
  RunEventLoop();
  return ExitSequence();
}

}  // namespace app
