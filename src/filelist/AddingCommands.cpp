#include "filelist/AddingCommands.h"

#include <windows.h>

#include "base/FileEntries.h"
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

bool IsFolder(DWORD attributes) { return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }

void TellPathsLeftOut(size_t count, const std::wstring& first) {
  std::wstring text =
      count == 1 ? std::wstring(L"Un élément n'a pu être ajouté à la liste : il est introuvable ou inaccessible.")
                 : std::to_wstring(count) +
                       L" éléments n'ont pu être ajoutés à la liste : ils sont introuvables ou inaccessibles.\r\n"
                       L"Le premier :";
  ui::ShowMessage(L"Ajout à la liste", text + L"\r\n\r\n" + first, ui::MessageIcon::Exclamation);
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

void AddGivenPaths(const std::vector<std::wstring>& paths) {
  if (paths.empty()) return;
  // Every path is looked at once, before any row is added, so that a message never comes in the middle.
  std::vector<DWORD> attributes;
  attributes.reserve(paths.size());
  bool folderGiven = false;
  for (const std::wstring& path : paths) {
    attributes.push_back(base::EntryAttributes(path));
    folderGiven = folderGiven || (attributes.back() != INVALID_FILE_ATTRIBUTES && IsFolder(attributes.back()));
  }
  std::wstring chosenType = ChosenTypeOf(ui::ControlText(base::kTypeField));
  if (folderGiven && chosenType.empty()) RequireChosenType(&chosenType);

  size_t leftOut = 0;
  std::wstring firstLeftOut;
  auto leaveOut = [&](const std::wstring& path) {
    if (leftOut++ == 0) firstLeftOut = path;
  };
  {
    FileListUpdate update;
    for (size_t index = 0; index < paths.size(); ++index) {
      const std::wstring& path = paths[index];
      if (attributes[index] == INVALID_FILE_ATTRIBUTES) {
        leaveOut(path);
      } else if (IsFolder(attributes[index])) {
        if (chosenType.empty()) continue;
        const std::wstring folder = base::WithTrailingBackslash(path);
        ui::SetControlText(base::kFolderPathField, folder);
        if (ListFolderContent(folder, chosenType) == FolderScanResult::NotAccessible) {
          leaveOut(path);
        } else {
          StartFolderText() = folder;
        }
      } else {
        StartFolderText() = base::FolderPart(path);
        AddFileToList(path);
      }
    }
  }
  if (leftOut > 0) TellPathsLeftOut(leftOut, firstLeftOut);
}

}  // namespace filelist
