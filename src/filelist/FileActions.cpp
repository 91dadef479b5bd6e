#include "filelist/FileActions.h"

#include <optional>
#include <string>
#include <vector>

#include "base/Numbers.h"
#include "base/PathParts.h"
#include "controls/explorer/ExplorerList.h"
#include "filelist/FileList.h"
#include "filelist/SelectionWalk.h"
#include "filelist/ShellFileServices.h"
#include "ui/MessageBoxes.h"

namespace filelist {

namespace {

using FileService = bool (*)(const std::wstring& path);

// Hands each selected row's path to the service; a row whose file the service took is removed, any other gets the
// message "Le fichier NAME" + failureEnd.
void ActOnSelectedFiles(FileService service, const wchar_t* failureTitle, const wchar_t* failureEnd) {
  std::vector<int> selected = SelectedFileRows();
  if (selected.empty()) return;
  std::optional<FileListUpdate> update(std::in_place);
  bool explorerShowsChange = false;
  WalkSelection(selected, [&](int row) {
    std::wstring path = FileRowPath(row);
    if (service(path)) {
      explorerShowsChange = explorerShowsChange || controls::ExplorerShowsPlaceOf(base::kExplorer, path);
      RemoveFileRow(row);
      return RowFate::Removed;
    }
    // The list is shown as it stands while the message waits.
    update.reset();
    ui::ShowMessage(failureTitle, L"Le fichier " + base::NamePart(path) + failureEnd, ui::MessageIcon::Stop);
    update.emplace();
    return RowFate::Kept;
  });
  if (explorerShowsChange) controls::RefreshExplorerList(base::kExplorer);
}

void HandEachSelectedPath(void (*service)(const std::wstring& path)) {
  for (int row : SelectedFileRows()) service(FileRowPath(row));
}

}  // namespace

void ShowRowProperties() { HandEachSelectedPath(ShowPropertiesWindow); }

void OpenRows() { HandEachSelectedPath(OpenWithShell); }

void RemoveRowsFromList() {
  std::vector<int> selected = SelectedFileRows();
  if (selected.empty()) return;
  RemoveFileRows(std::move(selected));  // refreshes the count header, which keeps its counted form
}

void RecycleRows() {
  ActOnSelectedFiles(SendToRecycleBin, L"Envoi à la corbeille", L" n'a pu être placé dans la corbeille !");
}

void DeleteRows() { ActOnSelectedFiles(DeleteForGood, L"Suppression", L" n'a pu être supprimé !"); }

}  // namespace filelist
