#pragma once
// The command bar under the progress bar: its six icon buttons, in creation order, which is the keyboard order
// (the bar itself is made by CreateCommandBar, app/MainControls.h).

#include <span>

#include "app/AppState.h"

namespace app {

struct CommandButton {
  int number;
  int x;  // place and width in the bar, 96-DPI values
  int width;
  const wchar_t* caption;
  int ButtonIcons::*icon;
  const wchar_t* tipTitle;
  const wchar_t* tipText;
  int tipIcon;  // -1: the button's own icon
};

std::span<const CommandButton> CommandButtons();

}  // namespace app
