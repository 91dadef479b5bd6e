#include "app/MainWindow.h"

#include "app/Greeting.h"
#include "app/Numbers.h"
#include "app/ProgramInfo.h"
#include "controls/IconButton.h"
#include "ui/Controls.h"
#include "ui/Objects.h"
#include "ui/PopupMenus.h"
#include "ui/StatusBar.h"
#include "ui/WindowHost.h"

namespace app {

namespace {

// Every message of the main window passes here before default handling: the icon buttons paint through it.
LRESULT MainWindowHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT notHandled) {
  return controls::DrawIconButton(window, message, wParam, lParam, notHandled);
}

}  // namespace

HWND CreateMainWindow() {
  // The place given here is replaced by the centring.
  return ui::OpenTopLevelWindow(kMainWindow, 100, 100, kMainClientWidth, kMainClientHeight, kProgramTitle,
                                ui::kWindowSystemMenu | ui::kWindowMinimizeBox | ui::kWindowScreenCentered |
                                    ui::kWindowInvisible);
}

void InstallMainWindowHook() { ui::SetWindowHook(kMainWindow, MainWindowHook); }

void CreateBannerAndSideImage() {
  ui::CreateImageControl(kBannerImage, 0, 0, 834, 60, kBannerPicture);
  DrawGreetingOnBanner();
  ui::SetControlImage(kBannerImage, kBannerPicture);
  if (HWND banner = ui::ControlHandle(kBannerImage)) InvalidateRect(banner, nullptr, FALSE);
  ui::CreateImageControl(kSideImage, 834, 0, 180, 60, kSidePicture);
}

void CreatePopupMenus() {
  if (ui::CreateNumberedPopupMenu(kExplorerMenu)) {
    ui::AddMenuEntry(kExplorerMenu, kExplorerAdd, L"Ajouter", 4);
    ui::AddMenuSeparator(kExplorerMenu);
    ui::AddMenuEntry(kExplorerMenu, kExplorerOpen, L"Ouvrir", 6);
  }
  if (ui::CreateNumberedPopupMenu(kListMenu)) {
    ui::AddMenuEntry(kListMenu, kListProperties, L"Propriétés", 16);
    ui::AddMenuSeparator(kListMenu);
    ui::AddMenuEntry(kListMenu, kListOpen, L"Ouvrir/voir", 18);
    ui::AddMenuSeparator(kListMenu);
    ui::AddMenuEntry(kListMenu, kListRemove, L"Retirer de la liste", 17);
    ui::AddMenuEntry(kListMenu, kListRecycle, L"Envoyer à la corbeille", 14);
    ui::AddMenuEntry(kListMenu, kListDelete, L"Supprimer", 15);
  }
}

void CreateMainStatusBar() {
  if (!ui::CreateStatusBar(kStatusBar, ui::WindowHandle(kMainWindow))) return;
  const int widths[] = {20};
  ui::SetStatusFields(kStatusBar, widths, 1);
  ui::SetStatusFieldImage(kStatusBar, 0, 5, ui::FieldLook::Normal);
  ui::SetStatusFieldText(kStatusBar, 1, kMakerNotice, ui::FieldLook::Raised);
}

void ShowMainWindow() {
  HWND window = ui::WindowHandle(kMainWindow);
  ShowWindow(window, SW_SHOWNORMAL);
  SetForegroundWindow(window);
}

}  // namespace app
