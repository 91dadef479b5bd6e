#pragma once
// The keyboard focus given back when a window closes: to the control that had it as the window opened.

#include <windows.h>

namespace ui {

// Remembers, for as long as the window exists, the control that had the focus as it opened.
void RememberFocusToGiveBack(HWND window, HWND focus);
// The control remembered for the window, null when none; to be asked before the window is destroyed.
HWND FocusToGiveBack(HWND window);
// Activating a window gives the keyboard focus to the window itself; the control goes first, unless the focus
// went on to another control meanwhile or the control's window is not the active one.
void GiveFocusBack(HWND control);

}  // namespace ui
