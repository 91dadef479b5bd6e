#include "app/MainWindow.h"

#include "app/Greeting.h"
#include "app/PathForwarding.h"
#include "app/ScaleChange.h"
#include "app/StartupResources.h"
#include "base/Numbers.h"
#include "base/ProgramInfo.h"
#include "controls/IconButton.h"
#include "ui/ControlFont.h"
#include "ui/ControlImages.h"
#include "ui/ControlKeys.h"
#include "ui/Controls.h"
#include "ui/Monitors.h"
#include "ui/Objects.h"
#include "ui/PopupMenus.h"
#include "ui/ScaleChanges.h"
#include "ui/StatusBar.h"
#include "ui/TopLevelWindows.h"
#include "ui/WindowHooks.h"
#include "ui/WindowScaling.h"

namespace app {

namespace {

// Every message of the main window passes here before default handling: the icon buttons paint through it.
LRESULT MainWindowHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT notHandled) {
  if (message == WM_DPICHANGED && lParam) {
    ApplyDpiChange(window, HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
    return 0;
  }
  if (message == WM_COPYDATA) return ReceiveForwardedPaths(lParam);
  return controls::DrawIconButton(window, message, wParam, lParam, notHandled);
}

constexpr unsigned kMainWindowFlags =
    ui::kWindowSystemMenu | ui::kWindowMinimizeBox | ui::kWindowScreenCentered | ui::kWindowInvisible;

}  // namespace

void ChooseLayoutScale() {
  ui::BecomePerMonitorAware();
  // The control font away from 96 DPI is fitted to French words of the kind the captions hold, and every letter.
  ui::SetControlFontSamples({L"Ajouter des caractères en gardant le nom d'origine : [ ex: nom_1 ]",
                             L"abcdefghijklmnopqrstuvwxyz ABCDEFGHIJKLMNOPQRSTUVWXYZ 0123456789 éèàç"});
  const int dotsPerInch = ui::PrimaryMonitorDotsPerInch();
  SetMainWindowDotsPerInch(dotsPerInch);
  const base::WorkArea area = ui::PrimaryWorkArea();
  ui::SetLayoutScale(base::FittingLayoutScale(dotsPerInch, kMainClientWidth, kMainClientHeight,
                                              ui::TopLevelFrame(kMainWindowFlags, dotsPerInch),
                                              area.right - area.left, area.bottom - area.top));
}

HWND CreateMainWindow() {
  // The place given here is replaced by the centring.
  HWND window = ui::OpenTopLevelWindow(base::kMainWindow, 100, 100, kMainClientWidth, kMainClientHeight,
                                       base::kProgramTitle, kMainWindowFlags);
  // The button icons, font 0 and the pictures, loaded before the window, are made again at every change of scale.
  ui::OnScaleChange(window, ui::ScaleStep::Resources, [] {
    LoadButtonIcons();
    LoadGreetingFont();
    LoadPictures();
  });
  return window;
}

void InstallMainWindowHook() {
  ui::SetWindowHook(base::kMainWindow, MainWindowHook);
  ui::BindControlKey(base::kMainWindow, 'Z', base::kUndoRenameCommand);
}

void CreateBannerAndSideImage() {
  HWND banner = ui::CreateImageControl(base::kBannerImage, 0, 0, 834, 60, base::kBannerPicture);
  DrawGreetingOnBanner();
  ui::OnScaleChange(banner, ui::ScaleStep::Resources, DrawGreetingOnBanner);  // onto the picture made again
  ui::SetControlImage(base::kBannerImage, base::kBannerPicture);
  if (banner) InvalidateRect(banner, nullptr, FALSE);
  ui::CreateImageControl(base::kSideImage, 834, 0, 180, 60, base::kSidePicture);
}

namespace {

void MakePopupMenus() {
  if (ui::CreateNumberedPopupMenu(base::kExplorerMenu)) {
    ui::AddMenuEntry(base::kExplorerMenu, base::kExplorerAdd, L"Ajouter", base::kAddFilesPicture);
    ui::AddMenuSeparator(base::kExplorerMenu);
    ui::AddMenuEntry(base::kExplorerMenu, base::kExplorerOpen, L"Ouvrir", base::kFolderPicture);
  }
  if (ui::CreateNumberedPopupMenu(base::kListMenu)) {
    ui::AddMenuEntry(base::kListMenu, base::kListProperties, L"Propriétés", base::kPropertiesPicture);
    ui::AddMenuSeparator(base::kListMenu);
    ui::AddMenuEntry(base::kListMenu, base::kListOpen, L"Ouvrir/voir", base::kOpenPicture);
    ui::AddMenuSeparator(base::kListMenu);
    ui::AddMenuEntry(base::kListMenu, base::kListRemove, L"Retirer de la liste", base::kRemoveFromListPicture);
    ui::AddMenuEntry(base::kListMenu, base::kListRecycle, L"Envoyer à la corbeille", base::kRecyclePicture);
    ui::AddMenuEntry(base::kListMenu, base::kListDelete, L"Supprimer", base::kDeletePicture);
    // The list's order, as a click on a column header; no picture (-1) suits these entries.
    ui::AddMenuSeparator(base::kListMenu);
    ui::AddMenuEntry(base::kListMenu, base::kListSortByName, L"Trier par nom", -1);
    ui::AddMenuEntry(base::kListMenu, base::kListSortByPath, L"Trier par chemin complet", -1);
    ui::AddMenuSeparator(base::kListMenu);
    ui::AddMenuEntry(base::kListMenu, base::kUndoRenameCommand, L"Annuler le dernier renommage\tCtrl+Z",
                     base::kUndoPicture);
  }
}

}  // namespace

void CreatePopupMenus() {
  MakePopupMenus();
  ui::OnScaleChange(ui::WindowHandle(base::kMainWindow), ui::ScaleStep::Look, MakePopupMenus);  // pictures resized
}

void CreateMainStatusBar() {
  if (!ui::CreateStatusBar(base::kStatusBar, ui::WindowHandle(base::kMainWindow))) return;
  const int widths[] = {20};
  ui::SetStatusFields(base::kStatusBar, widths, 1);
  ui::SetStatusFieldImage(base::kStatusBar, 0, base::kStatusPicture, ui::FieldLook::Normal);
  ui::SetStatusFieldText(base::kStatusBar, 1, base::kMakerNotice, ui::FieldLook::Raised);
}

void ShowMainWindow() {
  HWND window = ui::WindowHandle(base::kMainWindow);
  ShowWindow(window, SW_SHOWNORMAL);
  SetForegroundWindow(window);
}

}  // namespace app
