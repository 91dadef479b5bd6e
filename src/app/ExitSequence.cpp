#include "app/ExitSequence.h"

#include <windows.h>

#include "app/AppFolders.h"
#include "app/Numbers.h"
#include "controls/ThemeApi.h"
#include "ui/Objects.h"
#include "ui/WindowHost.h"

namespace app {

void ReleaseProgramResources() {
  ui::CloseTopLevelWindow(kAboutWindow);
  ui::CloseTopLevelWindow(kMainWindow);
  ui::ReleaseAllObjects();
  controls::ReleaseThemeApi();
}

int ExitSequence() {
  std::wstring log = RenameLogPath();
  if (GetFileAttributesW(log.c_str()) != INVALID_FILE_ATTRIBUTES) DeleteFileW(log.c_str());
  ReleaseProgramResources();
  return 0;
}

}  // namespace app
