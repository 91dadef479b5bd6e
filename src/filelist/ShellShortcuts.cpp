#include "filelist/ShellShortcuts.h"

#include <string>

#include "base/Numbers.h"
#include "controls/explorer/ExplorerList.h"
#include "filelist/ExplorerSelection.h"
#include "filelist/ShellFileServices.h"
#include "ui/Controls.h"

namespace filelist {

void OpenExplorerEntries() {
  ForEachSelectedExplorerEntry([](int row) {
    // The entry's own path: the current folder and the name for files and folders, and the real place for a drive
    // (whose row shows its label) and for "..".
    std::wstring path = controls::ExplorerEntryPath(base::kExplorer, row);
    if (!path.empty()) OpenWithShell(path);
  });
}

void OpenListedFolder() {
  std::wstring folder = ui::ControlText(base::kFolderPathField);
  if (!folder.empty()) OpenWithShell(folder);
}

}  // namespace filelist
