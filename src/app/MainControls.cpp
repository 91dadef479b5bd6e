#include "app/MainControls.h"

#include <windows.h>
#include <commctrl.h>

#include "base/Numbers.h"
#include "base/ProgramInfo.h"
#include "controls/explorer/ExplorerList.h"
#include "filelist/FileList.h"
#include "filelist/RowIcons.h"
#include "ui/ChildList.h"
#include "ui/Containers.h"
#include "ui/ControlColors.h"
#include "ui/Controls.h"
#include "ui/HostMessages.h"
#include "ui/Objects.h"
#include "ui/ReportLists.h"
#include "ui/ScaleChanges.h"
#include "ui/Tooltips.h"
#include "ui/WindowScaling.h"

namespace app {

namespace {

void Balloon(int control, const wchar_t* title, const wchar_t* text) {
  ui::AttachBalloonTip(control, title, text, ui::ImageIcon(base::kInfoBalloonIcon));
}

void CreateReplacePanel() {
  ui::ChildList panel(ui::CreateContainer(base::kReplacePanel, 305, 520, 704, 80, ui::ContainerBorder::Flat));
  // 120 rather than 115 pixels: the whole label shows in the default control font.
  ui::CreateTextControl(base::kPartLabel, 5, 17, 120, 15, L"Remplacer cette partie :");
  ui::CreateEditField(base::kPartField, 125, 15, 200, 20, L"");
  Balloon(base::kPartField, L"Partie à remplacer",
          L"Saisissez la partie du nom de fichier à remplacer (sensible à la casse)");
  ui::CreateTextControl(base::kReplacementLabel, 340, 17, 100, 15, L"Par ces caractères :");
  ui::CreateEditField(base::kReplacementField, 440, 15, 200, 20, L"");
  Balloon(base::kReplacementField, L"Substituer par",
          L"Saisissez les nouveaux caractères du nom de fichier qui seront substitués");
  // Wider than its 460-pixel slot, which cuts the caption; the panel has the room.
  ui::CreateCheckBox(base::kRemoveOnlyBox, 125, 47, 570, 20,
                     L"Si vous souhaitez simplement retirer du nom d'origine les caractères saisis, cochez cette case");
}

void CreateRenumberPanel() {
  ui::ChildList panel(ui::CreateContainer(base::kRenumberPanel, 305, 520, 704, 80, ui::ContainerBorder::Flat));
  ui::CreateTextControl(base::kNewNameLabel, 5, 17, 140, 15, L"Renommer les fichiers ainsi :");
  ui::CreateEditField(base::kNewNameField, 145, 15, 425, 20, L"");
  Balloon(base::kNewNameField, L"Nouveau nom", L"Saisie du nouveau nom de fichier qui sera donné aux éléments Listés");
  ui::CreateTextControl(base::kRenumberIncrementLabel, 5, 47, 140, 15, L"Incrémenter les fichiers de :");
  ui::CreateEditField(base::kRenumberIncrementField, 145, 45, 50, 20, L"1", ui::kEditDigitsOnly);
  Balloon(base::kRenumberIncrementField, L"Incrément",
          L"Incrémente la numérotation des fichiers qui sera ajoutée au nom ( 1 par défaut )");
  // 55 rather than 50 pixels, up to the field: the whole label shows.
  ui::CreateTextControl(base::kRenumberStartLabel, 200, 47, 55, 15, L"A partir de :");
  ui::CreateEditField(base::kRenumberStartField, 255, 45, 50, 20, L"1", ui::kEditDigitsOnly);
  Balloon(base::kRenumberStartField, L"Départ numérotation",
          L"Indiquez à partir de quel nombre la numérotation doit commencer ( 1 par défaut )");
  ui::CreateCheckBox(base::kRenumberSeparatorBox, 400, 47, 190, 20, L"Ajouter un séparateur [ ex: nom_1 ]");
  Balloon(base::kRenumberSeparatorBox, L"Séparateur de n°",
          L"Place un tiret 'underscore' entre le nom du fichier et son numéro");
  ui::ShowControl(base::kRenumberPanel, false);
}

void CreateAppendPanel() {
  ui::ChildList panel(ui::CreateContainer(base::kAppendPanel, 305, 520, 704, 80, ui::ContainerBorder::Flat));
  ui::CreateTextControl(base::kAddedTextLabel, 5, 17, 140, 15, L"Ajouter au nom d'origine :");
  ui::CreateEditField(base::kAddedTextField, 165, 15, 200, 20, L"");
  Balloon(base::kAddedTextField, L"Nouveau nom",
          L"Saisie des caractères qui seront ajoutés aux noms des éléments Listés");
  ui::CreateOptionButton(base::kAtStartOption, 400, 17, 100, 15, L"Ajouter au début", true);
  ui::CreateOptionButton(base::kAtEndOption, 510, 17, 100, 15, L"Ajouter à la fin", false);
  ui::CreateCheckBox(base::kNumberingBox, 5, 47, 160, 15, L"Incrémenter les fichiers de :");
  // The option buttons' group ends here, for the arrow keys and the automatic unticking alike.
  if (HWND numbering = ui::ControlHandle(base::kNumberingBox)) {
    SetWindowLongPtrW(numbering, GWL_STYLE, GetWindowLongPtrW(numbering, GWL_STYLE) | WS_GROUP);
  }
  ui::CreateEditField(base::kAppendIncrementField, 165, 45, 50, 20, L"1", ui::kEditDigitsOnly);
  Balloon(base::kAppendIncrementField, L"Incrément",
          L"Incrémente la numérotation des fichiers qui sera ajoutée au nom ( 1 par défaut )");
  // 55 rather than 50 pixels, up to the field: the whole label shows.
  ui::CreateTextControl(base::kAppendStartLabel, 220, 47, 55, 15, L"A partir de :");
  ui::CreateEditField(base::kAppendStartField, 275, 45, 50, 20, L"1", ui::kEditDigitsOnly);
  Balloon(base::kAppendStartField, L"Départ numérotation",
          L"Indiquez à partir de quel nombre la numérotation doit commencer ( 1 par défaut )");
  ui::CreateCheckBox(base::kAppendSeparatorBox, 400, 47, 190, 20, L"Ajouter un séparateur [ ex: nom_1 ]");
  Balloon(base::kAppendSeparatorBox, L"Séparateur",
          L"Place un tiret 'underscore' entre le nom du fichier et les caractères ajoutés");
  ui::ShowControl(base::kAppendPanel, false);
}

}  // namespace

void CreateListArea() {
  ui::CreateTextControl(base::kListCaption, 305, 65, 300, 15, L"Fichiers à renommer");
  ui::CreateReportList(base::kFileList, 305, 80, 704, 372, L"Nom", 300,
                       ui::kListMultiSelect | ui::kListFullRowSelect | ui::kListGridLines | ui::kListDoubleBuffer |
                           ui::kListClientEdge | ui::kListNoBorder | ui::kListVirtual);
  ui::AddListColumn(base::kFileList, 1, L"Chemin complet", 490);
  ui::SetNotifyHandler(base::kFileList, filelist::AnswerFileListRequest);
  if (HWND list = ui::ControlHandle(base::kFileList)) {
    // Rows show the files' small shell icons; the list keeps its own copies.
    HIMAGELIST icons = ImageList_Create(ui::SmallIconSize(), ui::SmallIconSize(), ILC_COLOR32 | ILC_MASK, 16, 64);
    SendMessageW(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(icons));
    ui::OnScaleChange(list, ui::ScaleStep::Look, [list] { filelist::RebuildRowImages(list); });
  }
  ui::CreateEditField(base::kFolderPathField, 305, 455, 680, 20, L"", ui::kEditReadOnly);
  ui::CreateImageButton(base::kOpenFolderButton, 985, 453, 25, 25, base::kFolderPicture);
  ui::AttachStandardTip(base::kOpenFolderButton, L"Explorer ce dossier");
  // The three boxes are a few pixels wider than their layout slots so that no caption is cut.
  ui::CreateCheckBox(base::kReplaceModeBox, 305, 480, 200, 15, L"Modifier seulement une partie du nom");
  ui::SetControlChecked(base::kReplaceModeBox, true);
  ui::CreateCheckBox(base::kRenumberModeBox, 510, 480, 200, 15, L"Renommer et renuméroter totalement");
  ui::CreateCheckBox(base::kAppendModeBox, 710, 480, 265, 15, L"Ajouter des caractères en gardant le nom d'origine");
}

void CreateModePanels() {
  CreateReplacePanel();
  CreateRenumberPanel();
  CreateAppendPanel();
}

void CreateProgressArea() {
  ui::CreateTextControl(base::kActivityLine, 305, 605, 704, 20, L"", ui::kTextSunkenBorder);
  ui::CreateProgressBar(base::kProgressBar, 305, 630, 704, 15, 0, base::kProgressMaximum);
}

void CreateMainControls() {
  CreateTaskPaneContent();
  // Enter on a file of the explorer control does what its popup entry "Ouvrir" does.
  controls::SetExplorerFileCommand(base::kExplorer, base::kExplorerOpen);
  // A drive that does not answer when opened gets the message of a folder that cannot be used.
  controls::SetExplorerUnansweredDriveCommand(base::kExplorer, base::kUnansweredDriveCommand);
  CreateListArea();
  CreateModePanels();
  CreateProgressArea();
  CreateCommandBar();
}

}  // namespace app
