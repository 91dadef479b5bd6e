#include "app/CommandBar.h"

#include "app/AppState.h"
#include "app/MainControls.h"
#include "base/Numbers.h"
#include "controls/IconButton.h"
#include "ui/ChildList.h"
#include "ui/Containers.h"
#include "ui/Controls.h"
#include "ui/Objects.h"
#include "ui/Tooltips.h"

namespace app {

namespace {

const CommandButton kButtons[] = {
    {base::kRenameButton, 5, 110, L"Renommer", &ButtonIcons::rename, L"Renommer tout",
     L"Renommer tous les fichiers listés avec les critères sélectionnés.", base::kInfoBalloonIcon},
    {base::kRemoveSelectionButton, 115, 130, L"Retirer sélection", &ButtonIcons::remove, L"Retirer sélection",
     L"Retirer tous les éléments sélectionnés de la liste à renommer.", base::kInfoBalloonIcon},
    {base::kClearAllButton, 245, 110, L"Retirer tout", &ButtonIcons::clear, L"Annuler",
     L"Annuler tout et vider la liste complète des fichiers à renommer.", base::kInfoBalloonIcon},
    {base::kCharactersButton, 355, 110, L"Caractères ?", &ButtonIcons::characters, L"Caractères interdits",
     L"Voir quels sont les caractères qui ne doivent pas être utilisés dans les noms de fichiers.", -1},
    {base::kHelpButton, 465, 90, L"Aide ?", &ButtonIcons::help, L"Aide",
     L"Ouvrir le fichier d'aide de Tarvelle Rename.", base::kInfoBalloonIcon},
    {base::kQuitButton, 555, 100, L"Quitter", &ButtonIcons::quit, L"Quitter",
     L"Fermer la fenêtre et quitter le programme.", base::kQuitBalloonIcon},
};

}  // namespace

std::span<const CommandButton> CommandButtons() { return kButtons; }

void CreateCommandBar() {
  ui::ChildList bar(ui::CreateContainer(base::kCommandBar, 305, 650, 704, 40, ui::ContainerBorder::StaticEdge));
  for (const CommandButton& button : kButtons) {
    int iconNumber = LoadedButtonIcons.*button.icon;
    controls::CreateIconButton(button.number, button.x, 2, button.width, 35, button.caption,
                               ui::FindImage(iconNumber), controls::IconLeft);
    HICON tipIcon = ui::ImageIcon(button.tipIcon < 0 ? iconNumber : button.tipIcon);
    ui::AttachBalloonTip(button.number, button.tipTitle, button.tipText, tipIcon);
  }
  ui::CreateImageButton(base::kAboutButton, 660, 2, 40, 35, base::kAboutButtonPicture);
  ui::AttachStandardTip(base::kAboutButton, L"A propos...");
}

}  // namespace app
