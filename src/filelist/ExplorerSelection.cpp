#include "filelist/ExplorerSelection.h"

#include "base/Numbers.h"
#include "controls/explorer/ExplorerList.h"
#include "ui/MessageBoxes.h"

namespace filelist {

void ForEachSelectedExplorerEntry(const std::function<void(int row)>& act) {
  bool anyGone = false;
  int entries = controls::ExplorerEntryCount(base::kExplorer);
  for (int row = 0; row < entries; ++row) {
    if (!controls::ExplorerEntryIsSelected(base::kExplorer, row)) continue;
    if (controls::ExplorerEntryOnDisk(base::kExplorer, row)) {
      act(row);
      continue;
    }
    anyGone = true;
    if (controls::ExplorerEntryIsFolder(base::kExplorer, row)) TellFolderNotAccessible();
  }
  if (anyGone) controls::RefreshExplorerList(base::kExplorer);
}

void TellFolderNotAccessible() {
  ui::ShowMessage(L"Répertoire", L"Le dossier choisi n'est pas accessible.", ui::MessageIcon::None);
}

}  // namespace filelist
