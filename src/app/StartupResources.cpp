#include "app/StartupResources.h"

#include <windows.h>

#include "app/AppState.h"
#include "base/Numbers.h"
#include "resources/Pictures.h"
#include "ui/Objects.h"
#include "ui/WindowScaling.h"

namespace app {

namespace {

ui::Image ToImage(const resources::Picture& picture) {
  return {picture.icon, picture.bitmap, picture.width, picture.height};
}

// A fresh number at start-up; after a change of scale the icon for the new scale goes under the same number.
int RegisterButtonIcon(resources::ButtonIcon which, int number) {
  ui::Image image = ToImage(resources::LoadButtonIcon(which, ui::LayoutScale()));
  if (number == -1) return ui::RegisterImage(ui::kNewNumber, image);
  ui::ReplaceImage(number, image);
  return number;
}

}  // namespace

void LoadButtonIcons() {
  using resources::ButtonIcon;
  ButtonIcons& icons = LoadedButtonIcons;
  icons.rename = RegisterButtonIcon(ButtonIcon::Rename, icons.rename);
  icons.clear = RegisterButtonIcon(ButtonIcon::Clear, icons.clear);
  icons.remove = RegisterButtonIcon(ButtonIcon::Remove, icons.remove);
  icons.help = RegisterButtonIcon(ButtonIcon::Help, icons.help);
  icons.quit = RegisterButtonIcon(ButtonIcon::Quit, icons.quit);
  icons.characters = RegisterButtonIcon(ButtonIcon::Characters, icons.characters);
}

void LoadGreetingFont() {
  // Made for the layout's scale, not the screen's: the greeting must keep its place on the banner.
  const int dotsPerInch = ui::LayoutDotsPerInch();
  LOGFONTW description{};
  description.lfHeight = -MulDiv(9, dotsPerInch, 72);
  description.lfWeight = FW_BOLD;
  description.lfItalic = TRUE;
  description.lfCharSet = DEFAULT_CHARSET;
  lstrcpynW(description.lfFaceName, L"Arial", LF_FACESIZE);
  // Without a new one, the greeting keeps the font it has.
  if (HFONT font = CreateFontIndirectW(&description)) ui::ReplaceFont(base::kGreetingFont, font);
}

void LoadPictures() {
  for (int number = base::kFirstPicture; number <= base::kLastPicture; ++number) {
    ui::ReplaceImage(number, ToImage(resources::LoadImagePicture(number, ui::LayoutScale())));
  }
}

}  // namespace app
