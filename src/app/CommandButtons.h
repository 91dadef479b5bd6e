#pragma once
// The six icon buttons of the command bar, in creation order, which is the keyboard order.

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
