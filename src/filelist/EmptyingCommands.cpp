#include "filelist/EmptyingCommands.h"

#include "base/Numbers.h"
#include "filelist/FileList.h"
#include "ui/Controls.h"
#include "ui/MessageBoxes.h"

namespace filelist {

namespace {

bool RefuseEmptyList() {
  if (FileRowCount() > 0) return false;
  ui::ShowMessage(L"ERREUR", L"Aucun fichiers dans la liste!", ui::MessageIcon::Exclamation);
  return true;
}

}  // namespace

void RemoveSelectedRows() {
  if (RefuseEmptyList()) return;
  std::vector<int> selected = SelectedFileRows();
  if (selected.empty()) return;
  {
    FileListUpdate update;
    RemoveFileRows(std::move(selected));
    if (FileRowCount() == 0) ResetCountHeader();
  }
}

void ClearFileList() {
  if (RefuseEmptyList()) return;
  RemoveAllFileRows();
  ResetCountHeader();
  ui::SetControlText(base::kFolderPathField, L"");
}

}  // namespace filelist
