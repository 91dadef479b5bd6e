#include "app/StartupResources.h"

#include <windows.h>

#include "app/AppState.h"
#include "base/Numbers.h"
#include "resources/Pictures.h"
#include "ui/Objects.h"

namespace app {

namespace {

ui::Image ToImage(const resources::Picture& picture) {
  return {picture.icon, picture.bitmap, picture.width, picture.height};
}

int RegisterButtonIcon(resources::ButtonIcon which) {
  return ui::RegisterImage(ui::kNewNumber, ToImage(resources::LoadButtonIcon(which)));
}

}  // namespace

void LoadButtonIcons() {
  using resources::ButtonIcon;
  ButtonIcons& icons = LoadedButtonIcons;
  icons.rename = RegisterButtonIcon(ButtonIcon::Rename);
  icons.clear = RegisterButtonIcon(ButtonIcon::Clear);
  icons.remove = RegisterButtonIcon(ButtonIcon::Remove);
  icons.help = RegisterButtonIcon(ButtonIcon::Help);
  icons.quit = RegisterButtonIcon(ButtonIcon::Quit);
  icons.characters = RegisterButtonIcon(ButtonIcon::Characters);
}

void LoadGreetingFont() {
  HDC screen = GetDC(nullptr);
  int dotsPerInch = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen) ReleaseDC(nullptr, screen);
  LOGFONTW description{};
  description.lfHeight = -MulDiv(9, dotsPerInch, 72);
  description.lfWeight = FW_BOLD;
  description.lfItalic = TRUE;
  description.lfCharSet = DEFAULT_CHARSET;
  lstrcpynW(description.lfFaceName, L"Arial", LF_FACESIZE);
  ui::RegisterFont(base::kGreetingFont, CreateFontIndirectW(&description));
}

void LoadPictures() {
  for (int number = base::kFirstPicture; number <= base::kLastPicture; ++number) {
    ui::RegisterImage(number, ToImage(resources::LoadImagePicture(number)));
  }
}

}  // namespace app
