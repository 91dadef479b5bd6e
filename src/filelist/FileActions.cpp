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
void ActOnRows(const std::vector<int>& selected, FileService service, const wchar_t* failureTitle,
              const wchar_t* failureEnd) {
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

// Windows asks before a file is destroyed for good; so does the program, once for the whole selection.
bool DeletionConfirmed(const std::vector<int>& selected) {
  const bool one = selected.size() == 1;
  std::wstring question = L"Voulez-vous vraiment supprimer définitivement ";
  question += one ? L"le fichier " + base::NamePart(FileRowPath(selected.front()))
                  : L"ces " + std::to_wstring(selected.size()) + L" fichiers";
  question += one ? L" ?\r\rIl ne pourra pas être récupéré dans la corbeille."
                  : L" ?\r\rIls ne pourront pas être récupérés dans la corbeille.";
  return ui::ShowMessage(L"Suppression", question, ui::MessageIcon::Exclamation, MB_YESNO | MB_DEFBUTTON2) == IDYES;
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
  std::vector<int> selected = SelectedFileRows();
  if (selected.empty()) return;
  ActOnRows(selected, SendToRecycleBin, L"Envoi à la corbeille", L" n'a pu être placé dans la corbeille !");
}

void DeleteRows() {
  std::vector<int> selected = SelectedFileRows();
  if (selected.empty() || !DeletionConfirmed(selected)) return;
  ActOnRows(selected, DeleteForGood, L"Suppression", L" n'a pu être supprimé !");
}

}  // namespace filelist
