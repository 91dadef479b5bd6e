#include "app/ExitSequence.h"

#include <windows.h>

#include "base/AppFolders.h"
#include "base/FileEntries.h"
#include "base/Numbers.h"
#include "base/PathForms.h"
#include "controls/ThemeApi.h"
#include "rename/RenameLog.h"
#include "ui/FileDrops.h"
#include "ui/Objects.h"
#include "ui/TopLevelWindows.h"

namespace app {

void ReleaseProgramResources() {
  ui::StopFileDrops(base::kMainWindow);
  ui::CloseTopLevelWindow(base::kAboutWindow);
  ui::CloseTopLevelWindow(base::kMainWindow);
  ui::ReleaseAllObjects();
  controls::ReleaseThemeApi();
}

int ExitSequence() {
  std::wstring log = renaming::RenameLogPath(base::TempFolder());
  if (base::EntryExists(log)) DeleteFileW(base::FileCallForm(log).c_str());
  ReleaseProgramResources();
  return 0;
}

}  // namespace app
