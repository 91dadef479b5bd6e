#include "app/Program.h"

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include "app/EventLoop.h"
#include "app/ExitSequence.h"
#include "app/MainControls.h"
#include "app/MainWindow.h"
#include "app/SingleInstanceGuard.h"
#include "app/StartupResources.h"
#include "base/AppFolders.h"
#include "controls/ThemeApi.h"
#include "rename/NamePreview.h"
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

// The shell's requesters and verbs may call extensions that need COM on this thread: it is there for the whole run.
class ComForTheRun {
 public:
  ComForTheRun() : started_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
  ~ComForTheRun() {
    if (started_) CoUninitialize();
  }
  ComForTheRun(const ComForTheRun&) = delete;
  ComForTheRun& operator=(const ComForTheRun&) = delete;

 private:
  bool started_;
};

}  // namespace

int RunProgram() {
  ComForTheRun com;
  ChooseLayoutScale();
  InitCommonControls();
  controls::LoadThemeApi();
  resources::RegisterImageDecoders();
  LoadButtonIcons();
  base::FixProgramFolder();
  base::FixTempFolder();
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
  renaming::StartNamePreview();
  ShowMainWindow();
  RunEventLoop();
  return ExitSequence();
}

}  // namespace app
