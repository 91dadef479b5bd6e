#include "app/ControlReactions.h"

#include <windows.h>
#include <commctrl.h>

#include "app/MainControls.h"
#include "app/ModeSelection.h"
#include "app/Numbers.h"
#include "app/UserFolders.h"
#include "controls/explorer/ExplorerList.h"
#include "ui/Controls.h"
#include "ui/Objects.h"
#include "ui/PopupMenus.h"

namespace app {

namespace {

constexpr int kModeBoxes[3] = {kReplaceModeBox, kRenumberModeBox, kAppendModeBox};
constexpr int kModePanels[3] = {kReplacePanel, kRenumberPanel, kAppendPanel};

void ApplyModeChoice(RenameModeBox clicked) {
  std::array<bool, 3> ticked{};
  for (size_t i = 0; i < 3; ++i) ticked[i] = ui::IsControlChecked(kModeBoxes[i]);
  ModeChoice choice = SelectRenameMode(clicked, ticked);
  if (choice.panelChanges) {
    for (size_t i = 0; i < 3; ++i) ui::ShowControl(kModePanels[i], static_cast<int>(i) == static_cast<int>(choice.shown));
  }
  for (size_t i = 0; i < 3; ++i) ui::SetControlChecked(kModeBoxes[i], choice.ticked[i]);
}

struct PlaceEntry {
  const wchar_t* text;
  UserPlace place;
};

const PlaceEntry kPlaces[] = {
    {L"Mes documents", UserPlace::Documents}, {L"Mes images", UserPlace::Pictures},
    {L"Mes vidéos", UserPlace::Videos},       {L"Ma musique", UserPlace::Music},
    {L"Mon bureau", UserPlace::Desktop},      {L"Mes téléchargements", UserPlace::Downloads},
};

}  // namespace

void OnReplaceModeBox() { ApplyModeChoice(RenameModeBox::Replace); }
void OnRenumberModeBox() { ApplyModeChoice(RenameModeBox::Renumber); }
void OnAppendModeBox() { ApplyModeChoice(RenameModeBox::Append); }

void RemoveOnlyRelabel() {
  if (ui::IsControlChecked(kRemoveOnlyBox)) {
    ui::SetControlText(kReplacementField, L"");
    ui::ShowControl(kReplacementField, false);
    ui::SetControlText(kReplacementLabel, L"par rien");
  } else {
    ui::ShowControl(kReplacementField, true);
    ui::SetControlText(kReplacementLabel, L"Par ces caractères :");
  }
}

void ShowPlace() {
  std::wstring text = ui::SelectedComboText(kPlacesBox);
  for (const PlaceEntry& entry : kPlaces) {
    if (text == entry.text) {
      controls::SetExplorerFolder(kExplorer, UserFolderPath(entry.place));
      return;
    }
  }
}

void ShowExplorerPopup() {
  if (controls::ExplorerFirstSelected(kExplorer) < 0) return;
  ui::ShowPopupMenuAtCursor(kExplorerMenu, ui::WindowHandle(kMainWindow));
}

void ShowListPopup() {
  HWND list = ui::ControlHandle(kFileList);
  if (!list || SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED) < 0) return;
  ui::ShowPopupMenuAtCursor(kListMenu, ui::WindowHandle(kMainWindow));
}

}  // namespace app
