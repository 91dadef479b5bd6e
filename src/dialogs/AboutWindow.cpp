#include "dialogs/AboutWindow.h"

#include <windows.h>

#include <string>

#include "app/Numbers.h"
#include "app/HelpTexts.h"
#include "app/ProgramInfo.h"
#include "controls/Hyperlink.h"
#include "ui/Controls.h"
#include "ui/Objects.h"
#include "ui/StatusBar.h"
#include "ui/Tooltips.h"
#include "ui/WindowHost.h"

namespace dialogs {

namespace {

constexpr int kClientWidth = 500;
constexpr int kClientHeight = 225;
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kLinkColor = RGB(238, 25, 30);
constexpr COLORREF kNoticeColor = RGB(40, 56, 86);

constexpr int kPictureImage = 12;
constexpr int kWebsiteIconImage = 5;
constexpr int kSupportIconImage = 13;
constexpr int kStatusIconImage = 5;

// Lines of the notice are separated by carriage returns, which the static text breaks on.
std::wstring NoticeText() {
  return std::wstring(app::kProgramTitle) + L"\r\r" +
         L"Pour toute question vous pouvez contacter l'auteur en utilisant l'adresse e-mail ci-dessus.\r" +
         L"© 2026 " + app::kMakerName;
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
  if (!ui::CreateStatusBar(kAboutStatusBar, window)) return;
  const int widths[] = {20};
  ui::SetStatusFields(kAboutStatusBar, widths, 1);
  ui::SetStatusFieldImage(kAboutStatusBar, 0, kStatusIconImage, ui::FieldLook::Raised);
  ui::SetStatusFieldText(kAboutStatusBar, 1, app::kMakerNotice, ui::FieldLook::Raised);
}

}  // namespace

void ShowAboutWindow() {
  if (ui::WindowHandle(app::kAboutWindow)) return;
  HWND main = ui::WindowHandle(app::kMainWindow);
  HWND window = ui::OpenTopLevelWindow(app::kAboutWindow, 0, 0, kClientWidth, kClientHeight,
                                       L"A propos de Tarvelle Rename V 1.40",
                                       ui::kWindowCaption | ui::kWindowScreenCentered | ui::kWindowInvisible, main);
  if (!window) return;
  if (main) EnableWindow(main, FALSE);

  ui::CreateContainer(kAboutPanel, 0, 0, kClientWidth, 205, ui::ContainerBorder::Flat);
  ui::SetControlColor(kAboutPanel, ui::kBackColor, kWhite);
  ui::CreateImageControl(kAboutPicture, 0, 0, 247, 197, kPictureImage);
  CreateIconAt(kAboutWebsiteIcon, 300, 20, kWebsiteIconImage);
  CreateLink(kAboutWebsiteLink, 325, 20, 80, app::kWebsiteName,
             std::wstring(L"Se connecter au site web ") + app::WebsiteAddress());
  CreateIconAt(kAboutSupportIcon, 300, 45, kSupportIconImage);
  CreateLink(kAboutSupportLink, 325, 45, 100, L"Contacter le support", L"Envoyer un e-mail au support");
  ui::CreateTextControl(kAboutNotice, 260, 80, 230, 90, NoticeText().c_str(), ui::kTextCentered);
  ui::SetControlColor(kAboutNotice, ui::kBackColor, kWhite);
  ui::SetControlColor(kAboutNotice, ui::kFrontColor, kNoticeColor);
  ui::CreateButtonControl(kAboutCloseButton, 260, 170, 230, 25, L"Fermer cette fenêtre");
  ui::CloseChildList();

  CreateStatusFields(window);
  // Shown once complete, so that it never appears half built.
  ShowWindow(window, SW_SHOWNORMAL);
  SetForegroundWindow(window);
}

void CloseAboutWindow() {
  // The main window is enabled before its owned window goes, so that Windows gives it back the activation.
  if (HWND main = ui::WindowHandle(app::kMainWindow)) EnableWindow(main, TRUE);
  ui::CloseTopLevelWindow(app::kAboutWindow);
}

}  // namespace dialogs
