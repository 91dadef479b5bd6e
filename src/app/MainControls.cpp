#include "app/MainControls.h"

#include <windows.h>
#include <commctrl.h>

#include "app/ProgramInfo.h"
#include "filelist/FileList.h"
#include "ui/Controls.h"
#include "ui/Objects.h"
#include "ui/Tooltips.h"
#include "ui/WindowHost.h"

namespace app {

namespace {

constexpr int kInfoBalloonIcon = 9;
constexpr int kFolderPicture = 6;

void Balloon(int control, const wchar_t* title, const wchar_t* text) {
  ui::AttachBalloonTip(control, title, text, ui::ImageIcon(kInfoBalloonIcon));
}

void CreateReplacePanel() {
  ui::CreateContainer(kReplacePanel, 305, 520, 704, 80, ui::ContainerBorder::Flat);
  // 120 rather than 115 pixels: the whole label shows in the default control font.
  ui::CreateTextControl(kPartLabel, 5, 17, 120, 15, L"Remplacer cette partie :");
  ui::CreateEditField(kPartField, 125, 15, 200, 20, L"");
  Balloon(kPartField, L"Partie à remplacer",
          L"Saisissez la partie du nom de fichier à remplacer (sensible à la casse)");
  ui::CreateTextControl(kReplacementLabel, 340, 17, 100, 15, L"Par ces caractères :");
  ui::CreateEditField(kReplacementField, 440, 15, 200, 20, L"");
  Balloon(kReplacementField, L"Substituer par",
          L"Saisissez les nouveaux caractères du nom de fichier qui seront substitués");
  // Wider than its 460-pixel slot, which cuts the caption; the panel has the room.
  ui::CreateCheckBox(kRemoveOnlyBox, 125, 47, 570, 20,
                     L"Si vous souhaitez simplement retirer du nom d'origine les caractères saisis, cochez cette case");
  ui::CloseChildList();
}

void CreateRenumberPanel() {
  ui::CreateContainer(kRenumberPanel, 305, 520, 704, 80, ui::ContainerBorder::Flat);
  ui::CreateTextControl(kNewNameLabel, 5, 17, 140, 15, L"Renommer les fichiers ainsi :");
  ui::CreateEditField(kNewNameField, 145, 15, 425, 20, L"");
  Balloon(kNewNameField, L"Nouveau nom", L"Saisie du nouveau nom de fichier qui sera donné aux éléments Listés");
  ui::CreateTextControl(kRenumberIncrementLabel, 5, 47, 140, 15, L"Incrémenter les fichiers de :");
  ui::CreateEditField(kRenumberIncrementField, 145, 45, 50, 20, L"1", ui::kEditDigitsOnly);
  Balloon(kRenumberIncrementField, L"Incrément",
          L"Incrémente la numérotation des fichiers qui sera ajoutée au nom ( 1 par défaut )");
  // 55 rather than 50 pixels, up to the field: the whole label shows.
  ui::CreateTextControl(kRenumberStartLabel, 200, 47, 55, 15, L"A partir de :");
  ui::CreateEditField(kRenumberStartField, 255, 45, 50, 20, L"1", ui::kEditDigitsOnly);
  Balloon(kRenumberStartField, L"Départ numérotation",
          L"Indiquez à partir de quel nombre la numérotation doit commencer ( 1 par défaut )");
  ui::CreateCheckBox(kRenumberSeparatorBox, 400, 47, 190, 20, L"Ajouter un séparateur [ ex: nom_1 ]");
  Balloon(kRenumberSeparatorBox, L"Séparateur de n°",
          L"Place un tiret 'underscore' entre le nom du fichier et son numéro");
  ui::CloseChildList();
  ui::ShowControl(kRenumberPanel, false);
}

void CreateAppendPanel() {
  ui::CreateContainer(kAppendPanel, 305, 520, 704, 80, ui::ContainerBorder::Flat);
  ui::CreateTextControl(kAddedTextLabel, 5, 17, 140, 15, L"Ajouter au nom d'origine :");
  ui::CreateEditField(kAddedTextField, 165, 15, 200, 20, L"");
  Balloon(kAddedTextField, L"Nouveau nom",
          L"Saisie des caractères qui seront ajoutés aux noms des éléments Listés");
  ui::CreateOptionButton(kAtStartOption, 400, 17, 100, 15, L"Ajouter au début", true);
  ui::CreateOptionButton(kAtEndOption, 510, 17, 100, 15, L"Ajouter à la fin", false);
  ui::CreateCheckBox(kNumberingBox, 5, 47, 160, 15, L"Incrémenter les fichiers de :");
  // The option buttons' group ends here, for the arrow keys and the automatic unticking alike.
  if (HWND numbering = ui::ControlHandle(kNumberingBox)) {
    SetWindowLongPtrW(numbering, GWL_STYLE, GetWindowLongPtrW(numbering, GWL_STYLE) | WS_GROUP);
  }
  ui::CreateEditField(kAppendIncrementField, 165, 45, 50, 20, L"1", ui::kEditDigitsOnly);
  Balloon(kAppendIncrementField, L"Incrément",
          L"Incrémente la numérotation des fichiers qui sera ajoutée au nom ( 1 par défaut )");
  // 55 rather than 50 pixels, up to the field: the whole label shows.
  ui::CreateTextControl(kAppendStartLabel, 220, 47, 55, 15, L"A partir de :");
  ui::CreateEditField(kAppendStartField, 275, 45, 50, 20, L"1", ui::kEditDigitsOnly);
  Balloon(kAppendStartField, L"Départ numérotation",
          L"Indiquez à partir de quel nombre la numérotation doit commencer ( 1 par défaut )");
  ui::CreateCheckBox(kAppendSeparatorBox, 400, 47, 190, 20, L"Ajouter un séparateur [ ex: nom_1 ]");
  Balloon(kAppendSeparatorBox, L"Séparateur",
          L"Place un tiret 'underscore' entre le nom du fichier et les caractères ajoutés");
  ui::CloseChildList();
  ui::ShowControl(kAppendPanel, false);
}

}  // namespace

void CreateListArea() {
  ui::CreateTextControl(kListCaption, 305, 65, 300, 15, L"Fichiers à renommer");
  ui::CreateReportList(kFileList, 305, 80, 704, 372, L"Nom", 300,
                       ui::kListMultiSelect | ui::kListFullRowSelect | ui::kListGridLines | ui::kListDoubleBuffer |
                           ui::kListClientEdge | ui::kListNoBorder | ui::kListVirtual);
  ui::AddListColumn(kFileList, 1, L"Chemin complet", 490);
  ui::SetNotifyHandler(kFileList, filelist::AnswerFileListRequest);
  if (HWND list = ui::ControlHandle(kFileList)) {
    // Rows show the files' small shell icons; the list keeps its own copies.
    HIMAGELIST icons = ImageList_Create(GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                        ILC_COLOR32 | ILC_MASK, 16, 64);
    SendMessageW(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(icons));
  }
  ui::CreateEditField(kFolderPathField, 305, 455, 680, 20, L"", ui::kEditReadOnly);
  ui::CreateImageButton(kOpenFolderButton, 985, 453, 25, 25, kFolderPicture);
  ui::AttachStandardTip(kOpenFolderButton, L"Explorer ce dossier");
  // The three boxes are a few pixels wider than their layout slots so that no caption is cut.
  ui::CreateCheckBox(kReplaceModeBox, 305, 480, 200, 15, L"Modifier seulement une partie du nom");
  ui::SetControlChecked(kReplaceModeBox, true);
  ui::CreateCheckBox(kRenumberModeBox, 510, 480, 200, 15, L"Renommer et renuméroter totalement");
  ui::CreateCheckBox(kAppendModeBox, 710, 480, 265, 15, L"Ajouter des caractères en gardant le nom d'origine");
}

void CreateModePanels() {
  CreateReplacePanel();
  CreateRenumberPanel();
  CreateAppendPanel();
}

void CreateProgressArea() {
  ui::CreateTextControl(kActivityLine, 305, 605, 704, 20, L"", ui::kTextSunkenBorder);
  ui::CreateProgressBar(kProgressBar, 305, 630, 704, 15, 0, kProgressMaximum);
}

void CreateMainControls() {
  CreateTaskPaneContent();
  CreateListArea();
  CreateModePanels();
  CreateProgressArea();
  CreateCommandBar();
}

}  // namespace app
