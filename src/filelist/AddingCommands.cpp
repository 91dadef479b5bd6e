#include "filelist/AddingCommands.h"

#include "base/Numbers.h"
#include "base/PathParts.h"
#include "base/UserFolders.h"
#include "controls/explorer/ExplorerList.h"
#include "filelist/ExplorerSelection.h"
#include "filelist/FileList.h"
#include "filelist/FileListText.h"
#include "filelist/FolderScan.h"
#include "filelist/Requesters.h"
#include "ui/Controls.h"
#include "ui/MessageBoxes.h"

namespace filelist {

namespace {

std::wstring& StartFolderText() {
  static std::wstring folder;
  return folder;
}

void EnsureStartFolder() {
  if (StartFolderText().empty()) StartFolderText() = base::UserFolderPath(base::UserPlace::Documents);
}

void ListExplorerFolder(const std::wstring& folder, const std::wstring& chosenType) {
  ui::SetControlText(base::kFolderPathField, folder);
  if (ListFolderContent(folder, chosenType) == FolderScanResult::NotAccessible) TellFolderNotAccessible();
}

}  // namespace

bool RequireChosenType(std::wstring* chosenType) {
  *chosenType = ChosenTypeOf(ui::ControlText(base::kTypeField));
  if (!chosenType->empty()) return true;
  ui::ShowMessage(L"Extension ??", L"Vous devez choisir le type de fichier.", ui::MessageIcon::None);
  ui::FocusControl(base::kTypeField);
  return false;
}

void AddFilesCommand() {
  std::wstring chosenType;
  if (!RequireChosenType(&chosenType)) return;
  EnsureStartFolder();
  std::vector<std::wstring> files = AskForFiles(StartFolderText(), chosenType);
  FileListUpdate update;
  for (const std::wstring& file : files) {
    StartFolderText() = base::FolderPart(file);
    AddFileToList(file);
  }
}

void AddFolderCommand() {
  std::wstring chosenType;
  if (!RequireChosenType(&chosenType)) return;
  EnsureStartFolder();
  std::wstring folder = AskForFolder(StartFolderText());
  if (folder.empty()) return;
  ui::SetControlText(base::kFolderPathField, folder);
  ListFolderContent(folder, chosenType);
  StartFolderText() = folder;
}

void AddFromExplorerCommand() {
  std::wstring chosenType;
  if (!RequireChosenType(&chosenType)) return;
  ForEachSelectedExplorerEntry([&](int row) {
    // The entry's own path: for a folder it is the current folder, the name and `\`; it also leads drives and ".."
    // where they point.
    std::wstring path = controls::ExplorerEntryPath(base::kExplorer, row);
    if (controls::ExplorerEntryIsFolder(base::kExplorer, row)) {
      if (!path.empty()) ListExplorerFolder(base::WithTrailingBackslash(path), chosenType);
    } else if (MatchesChosenType(path, chosenType)) {
      AddFileToList(path);
    } else {
      ui::ShowMessage(L"Extension ?", L"Le fichier sélectionné ne correspond pas au type pré-défini.",
                      ui::MessageIcon::None);
    }
  });
}

}  // namespace filelist
