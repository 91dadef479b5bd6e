#pragma once
// The keyboard focus given back when a window closes, to the control that had it as the window opened.

#include <windows.h>

namespace ui {

// Activating a window gives the keyboard focus to the window itself; the control goes first, unless the focus
// went on to another control meanwhile or the control's window is not the active one.
void GiveFocusBack(HWND control);

}  // namespace ui
