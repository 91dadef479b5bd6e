#include "app/ControlReactions.h"

#include <windows.h>
#include <commctrl.h>

#include "app/MainControls.h"
#include "app/ModeSelection.h"
#include "app/Places.h"
#include "base/Numbers.h"
#include "base/UserFolders.h"
#include "controls/explorer/ExplorerList.h"
#include "rename/NamePreview.h"
#include "rename/UndoPass.h"
#include "ui/Controls.h"
#include "ui/Objects.h"
#include "ui/PopupMenus.h"

namespace app {

namespace {

constexpr int kModeBoxes[3] = {base::kReplaceModeBox, base::kRenumberModeBox, base::kAppendModeBox};
constexpr int kModePanels[3] = {base::kReplacePanel, base::kRenumberPanel, base::kAppendPanel};

void ApplyModeChoice(RenameModeBox clicked) {
  std::array<bool, 3> ticked{};
  for (size_t i = 0; i < 3; ++i) ticked[i] = ui::IsControlChecked(kModeBoxes[i]);
  ModeChoice choice = SelectRenameMode(clicked, ticked);
  if (choice.panelChanges) {
    for (size_t i = 0; i < 3; ++i) {
      ui::ShowControl(kModePanels[i], static_cast<int>(i) == static_cast<int>(choice.shown));
    }
  }
  for (size_t i = 0; i < 3; ++i) ui::SetControlChecked(kModeBoxes[i], choice.ticked[i]);
  renaming::CriteriaChanged();
}

}  // namespace

void OnReplaceModeBox() { ApplyModeChoice(RenameModeBox::Replace); }
void OnRenumberModeBox() { ApplyModeChoice(RenameModeBox::Renumber); }
void OnAppendModeBox() { ApplyModeChoice(RenameModeBox::Append); }

void RemoveOnlyRelabel() {
  if (ui::IsControlChecked(base::kRemoveOnlyBox)) {
    ui::SetControlText(base::kReplacementField, L"");
    ui::ShowControl(base::kReplacementField, false);
    ui::SetControlText(base::kReplacementLabel, L"par rien");
  } else {
    ui::ShowControl(base::kReplacementField, true);
    ui::SetControlText(base::kReplacementLabel, L"Par ces caractères :");
  }
  renaming::CriteriaChanged();
}

void ShowPlace() {
  std::wstring text = ui::SelectedComboText(base::kPlacesBox);
  for (const Place& place : kPlaces) {
    if (text == place.text) {
      controls::SetExplorerFolder(base::kExplorer, base::UserFolderPath(place.folder));
      return;
    }
  }
}

void ShowExplorerPopup() {
  if (controls::ExplorerFirstSelected(base::kExplorer) < 0) return;
  ui::ShowPopupMenuAtCursor(base::kExplorerMenu, ui::WindowHandle(base::kMainWindow));
}

namespace {

// The entries that act on rows are offered with a selection only; the undo while there is a pass to take back.
void OfferListMenuEntries(bool rowsSelected) {
  for (int entry : {base::kListProperties, base::kListOpen, base::kListRemove, base::kListRecycle, base::kListDelete}) {
    ui::EnableMenuEntry(base::kListMenu, entry, rowsSelected);
  }
  ui::EnableMenuEntry(base::kListMenu, base::kUndoRenameCommand, renaming::HasRenameToUndo());
}

}  // namespace

void ShowListPopup() {
  HWND list = ui::ControlHandle(base::kFileList);
  if (!list) return;
  const bool rowsSelected = SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED) >= 0;
  // Without a selection the menu comes only to take the last pass back, whose files may not even be listed.
  if (!rowsSelected && !renaming::HasRenameToUndo()) return;
  OfferListMenuEntries(rowsSelected);
  ui::ShowPopupMenuAtCursor(base::kListMenu, ui::WindowHandle(base::kMainWindow));
}

void ShowExplorerPopupFromKeyboard() {
  ui::ShowPopupMenuUnderListRow(base::kExplorerMenu, base::kExplorer, ui::WindowHandle(base::kMainWindow));
}

void ShowListPopupFromKeyboard() {
  OfferListMenuEntries(true);
  ui::ShowPopupMenuUnderListRow(base::kListMenu, base::kFileList, ui::WindowHandle(base::kMainWindow));
}

}  // namespace app
