#include "filelist/Requesters.h"

#include <windows.h>
#include <commdlg.h>
#include <shlobj.h>

#include "base/Numbers.h"
#include "base/UserFolders.h"
#include "filelist/FileListText.h"
#include "ui/Objects.h"

namespace filelist {

namespace {

// Room for the selected names, folder and names together.
constexpr size_t kSelectionRoom = 512000;

// The filter as the requester takes it: the name, then the patterns, each ending with a zero character.
std::wstring FilterText(const std::wstring& chosenType) {
  std::wstring filter = L"Fichiers";
  filter += L'\0';
  filter += L"*." + chosenType + L";*." + LowerCaseType(chosenType);
  filter += L'\0';
  filter += L'\0';
  return filter;
}

int CALLBACK SelectStartFolder(HWND dialog, UINT message, LPARAM, LPARAM data) {
  if (message == BFFM_INITIALIZED && data) SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, data);
  return 0;
}

}  // namespace

std::vector<std::wstring> AskForFiles(const std::wstring& startFolder, const std::wstring& chosenType) {
  std::wstring filter = FilterText(chosenType);
  std::vector<wchar_t> selection(kSelectionRoom, L'\0');
  OPENFILENAMEW request{};
  request.lStructSize = sizeof(request);
  request.hwndOwner = ui::WindowHandle(base::kMainWindow);
  request.lpstrFilter = filter.c_str();
  request.nFilterIndex = 1;
  request.lpstrFile = selection.data();
  request.nMaxFile = static_cast<DWORD>(selection.size());
  request.lpstrInitialDir = startFolder.empty() ? nullptr : startFolder.c_str();
  request.lpstrTitle = L"Sélectionnez un fichier il sera ajouté à la liste";
  request.Flags = OFN_EXPLORER | OFN_ALLOWMULTISELECT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
  if (!GetOpenFileNameW(&request)) return {};
  return RequesterSelection(selection.data(), selection.size());
}

std::wstring AskForFolder(const std::wstring& startFolder) {
  std::wstring selected = FolderToSelect(startFolder);
  BROWSEINFOW request{};
  request.hwndOwner = ui::WindowHandle(base::kMainWindow);
  request.lpszTitle = L"Sélectionnez un répertoire, Son contenu sera listé pour le renommage";
  request.ulFlags = BIF_NEWDIALOGSTYLE | BIF_EDITBOX;
  request.lpfn = SelectStartFolder;
  request.lParam = selected.empty() ? 0 : reinterpret_cast<LPARAM>(selected.c_str());
  PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&request);
  if (!chosen) return {};
  std::wstring path = base::FolderPathOfItem(chosen);
  CoTaskMemFree(chosen);
  return path;
}

}  // namespace filelist
