// The task pane of the main window: two groups, "Sélection de fichiers" and "Explorateur système", with the
// controls their host areas carry.
#include "app/MainControls.h"

#include <algorithm>

#include "app/Places.h"
#include "base/Numbers.h"
#include "base/UserFolders.h"
#include "controls/TaskPane.h"
#include "controls/explorer/ExplorerList.h"
#include "ui/ChildList.h"
#include "ui/ControlColors.h"
#include "ui/Controls.h"
#include "ui/Objects.h"
#include "ui/ScaleChanges.h"
#include "ui/Tooltips.h"
#include "ui/WindowScaling.h"

namespace app {

namespace {

// The main window takes no interest in the pane's own events.
int IgnorePaneEvent(int, int, int, int) { return 0; }

const wchar_t* const kTypes[] = {L"JPG", L"JPEG", L"BMP", L"PNG", L"GIF",  L"ICO", L"TIFF", L"TGA", L"CR2",
                                 L"RAW", L"TXT",  L"RTF", L"DOC", L"DOCX", L"XLS", L"XLSX", L"PDF", L"WAV",
                                 L"WMA", L"MP3",  L"MP4", L"MOV", L"WMV",  L"AVI", L"MKV"};

void CreateTypeSelection(int host) {
  ui::ChildList inHost(host);
  ui::CreateTextControl(base::kTypeLabel, 10, 7, 140, 15, L"Sélectionnez l'extension  :");
  ui::SetControlColor(base::kTypeLabel, ui::kBackColor, RGB(68, 94, 138));
  ui::SetControlColor(base::kTypeLabel, ui::kFrontColor, RGB(254, 248, 220));
  ui::CreateComboBox(base::kTypeField, 150, 5, 60, 20, ui::kComboEditable | ui::kComboUpperCase);
  ui::AddComboEntry(base::kTypeField, L"");
  for (const wchar_t* type : kTypes) ui::AddComboEntry(base::kTypeField, type);
  ui::SelectComboEntry(base::kTypeField, 0);
  ui::AttachBalloonTip(base::kTypeField, L"Extension",
                       L"Saisissez directement un type de fichier ou choisissez en un dans la liste déroulante.",
                       ui::ImageIcon(base::kInfoBalloonIcon));
}

constexpr int kExplorerHeight = kMainInnerHeight - 295;

// The list is 300 pixels wide but never wider than its host area: with the pane's scroll bar showing, the area is
// narrower, and a wider list would hide its own vertical scroll bar.
int ExplorerWidth() {
  int width = std::min(300, ui::DesignValue(controls::GetPaneAttribute(base::kTaskPane, controls::ContentWidth)));
  return width > 0 ? width : 300;
}

void CreateSystemExplorer(int host) {
  ui::ChildList inHost(host);
  ui::CreateComboBox(base::kPlacesBox, 5, 5, 150, 20, ui::kComboWithImages);
  for (const Place& place : kPlaces) ui::AddComboEntry(base::kPlacesBox, place.text, base::kFolderPicture);
  ui::SelectComboEntry(base::kPlacesBox, 0);
  controls::CreateExplorerList(base::kExplorer, 0, 30, ExplorerWidth(), kExplorerHeight,
                               base::UserFolderPath(base::UserPlace::Documents));
}

// The pane's items that show a picture, by index, in the order they are added below.
struct PaneIcon {
  int index;
  int picture;
};
constexpr PaneIcon kPaneIcons[] = {{0, base::kSelectionGroupPicture},
                                   {2, base::kAddFilesPicture},
                                   {3, base::kAddFolderPicture},
                                   {4, base::kExplorerGroupPicture}};

// After a change of scale, once the pane has laid itself out again: its items show their pictures for the new
// scale and the explorer control fits its host area.
void RefitTaskPaneContent() {
  for (const PaneIcon& icon : kPaneIcons) controls::SetPaneItemIcon(base::kTaskPane, icon.index, ui::ImageIcon(icon.picture));
  ui::PlaceAtDesignBox(ui::ControlHandle(base::kExplorer), 0, 30, ExplorerWidth(), kExplorerHeight);
}

}  // namespace

void CreateTaskPaneContent() {
  controls::CreateTaskPane(base::kTaskPane, 0, 60, 300, kMainInnerHeight - 85, IgnorePaneEvent);
  ui::OnScaleChange(ui::ControlHandle(base::kTaskPane), ui::ScaleStep::Look, RefitTaskPaneContent);

  // One descriptor for every item; only the fields named change between calls, so the second header and its
  // host area keep the command number of the link before them (they do not use it).
  controls::TaskPaneItemSpec descriptor{};
  descriptor.font = nullptr;

  descriptor.kind = controls::GroupHeader;
  descriptor.height = 35;
  descriptor.commandId = 0;
  controls::AddControlItem(base::kTaskPane, -1, L"Sélection de fichiers", ui::ImageIcon(base::kSelectionGroupPicture),
                           &descriptor);

  descriptor.kind = controls::HostItem;
  descriptor.height = 30;
  int typeHost = controls::AddControlItem(base::kTaskPane, -1, L"", nullptr, &descriptor);
  CreateTypeSelection(typeHost);

  descriptor.kind = controls::LinkItem;
  descriptor.height = 25;
  descriptor.commandId = base::kAddFilesCommand;
  controls::AddControlItem(base::kTaskPane, -1, L"Ajouter un ou plusieurs fichiers",
                           ui::ImageIcon(base::kAddFilesPicture), &descriptor);
  descriptor.commandId = base::kAddFolderCommand;
  controls::AddControlItem(base::kTaskPane, -1, L"Ajouter un répertoire complet",
                           ui::ImageIcon(base::kAddFolderPicture), &descriptor);

  descriptor.kind = controls::GroupHeader;
  descriptor.height = 35;
  controls::AddControlItem(base::kTaskPane, -1, L"Explorateur système", ui::ImageIcon(base::kExplorerGroupPicture),
                           &descriptor);

  descriptor.kind = controls::HostItem;
  descriptor.height = kMainInnerHeight - 265;
  int explorerHost = controls::AddControlItem(base::kTaskPane, -1, L"", nullptr, &descriptor);
  CreateSystemExplorer(explorerHost);
}

}  // namespace app
