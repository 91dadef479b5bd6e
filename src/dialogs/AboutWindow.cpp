#include "dialogs/AboutWindow.h"

#include <windows.h>

#include <string>

#include "base/Numbers.h"
#include "base/ProgramInfo.h"
#include "controls/Hyperlink.h"
#include "ui/ChildList.h"
#include "ui/Containers.h"
#include "ui/ControlColors.h"
#include "ui/ControlImages.h"
#include "ui/Controls.h"
#include "ui/Objects.h"
#include "ui/StatusBar.h"
#include "ui/Tooltips.h"
#include "ui/TopLevelWindows.h"

namespace dialogs {

namespace {

constexpr int kClientWidth = 500;
constexpr int kClientHeight = 225;
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kLinkColor = RGB(238, 25, 30);
constexpr COLORREF kNoticeColor = RGB(40, 56, 86);

// Lines of the notice are separated by carriage returns, which the static text breaks on.
std::wstring NoticeText() {
  return std::wstring(base::kProgramTitle) + L"\r\r" +
         L"Pour toute question vous pouvez contacter l'auteur en utilisant l'adresse e-mail ci-dessus.\r" +
         base::kCopyright;
}

// An icon that keeps its place, centred in it, instead of the static control shrinking to the icon's size.
void CreateIconAt(int number, int x, int y, int imageNumber) {
  if (ui::CreateControlWindow(number, L"Static", L"", SS_ICON | SS_CENTERIMAGE, 0, x, y, 20, 20)) {
    ui::SetControlImage(number, imageNumber);
  }
}

void CreateLink(int number, int x, int y, int width, const wchar_t* text, const std::wstring& tip) {
  controls::CreateHyperlink(number, x, y, width, 20, text, kLinkColor);
  ui::AttachStandardTip(number, tip.c_str());
  ui::SetControlColor(number, ui::kBackColor, kWhite);
}

void CreateStatusFields(HWND window) {
  if (!ui::CreateStatusBar(base::kAboutStatusBar, window)) return;
  const int widths[] = {20};
  ui::SetStatusFields(base::kAboutStatusBar, widths, 1);
  ui::SetStatusFieldImage(base::kAboutStatusBar, 0, base::kStatusPicture, ui::FieldLook::Raised);
  ui::SetStatusFieldText(base::kAboutStatusBar, 1, base::kMakerNotice, ui::FieldLook::Raised);
}

}  // namespace

void ShowAboutWindow() {
  if (ui::WindowHandle(base::kAboutWindow)) return;
  HWND main = ui::WindowHandle(base::kMainWindow);
  HWND window = ui::OpenTopLevelWindow(
      base::kAboutWindow, 0, 0, kClientWidth, kClientHeight, base::kAboutTitle,
      ui::kWindowCaption | ui::kWindowScreenCentered | ui::kWindowInvisible | ui::kWindowDialogKeys, main);
  if (!window) return;
  if (main) EnableWindow(main, FALSE);

  {
    ui::ChildList panel(ui::CreateContainer(base::kAboutPanel, 0, 0, kClientWidth, 205, ui::ContainerBorder::Flat));
    ui::SetControlColor(base::kAboutPanel, ui::kBackColor, kWhite);
    ui::CreateImageControl(base::kAboutPicture, 0, 0, 247, 197, base::kAboutWindowPicture);
    CreateIconAt(base::kAboutWebsiteIcon, 300, 20, base::kStatusPicture);
    CreateLink(base::kAboutWebsiteLink, 325, 20, 80, base::kWebsiteName,
               std::wstring(L"Se connecter au site web ") + base::WebsiteAddress());
    CreateIconAt(base::kAboutSupportIcon, 300, 45, base::kSupportPicture);
    CreateLink(base::kAboutSupportLink, 325, 45, 100, L"Contacter le support", L"Envoyer un e-mail au support");
    ui::CreateTextControl(base::kAboutNotice, 260, 80, 230, 90, NoticeText().c_str(), ui::kTextCentered);
    ui::SetControlColor(base::kAboutNotice, ui::kBackColor, kWhite);
    ui::SetControlColor(base::kAboutNotice, ui::kFrontColor, kNoticeColor);
    ui::CreateButtonControl(base::kAboutCloseButton, 260, 170, 230, 25, L"Fermer cette fenêtre");
  }

  CreateStatusFields(window);
  // Shown once complete, so that it never appears half built.
  ShowWindow(window, SW_SHOWNORMAL);
  SetForegroundWindow(window);
  ui::FocusControl(base::kAboutCloseButton);
}

void CloseAboutWindow() {
  // The main window is enabled before its owned window goes, so that Windows gives it back the activation.
  if (HWND main = ui::WindowHandle(base::kMainWindow)) EnableWindow(main, TRUE);
  ui::CloseTopLevelWindow(base::kAboutWindow);
}

}  // namespace dialogs
