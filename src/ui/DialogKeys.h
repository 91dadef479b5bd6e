#pragma once
// The keys of the program's small windows, opened with kWindowDialogKeys (ui/TopLevelWindows.h), which behave as dialog
// boxes do: Tab and Shift+Tab move between the controls, also out of a text box that would keep them; Enter presses
// the focused button, as a click; Escape closes the window, as its close box does. The main window does not take
// these rules: there the dialog manager would turn Enter and Escape into the commands 1 and 2, which are numbers of
// its own controls.
//
// Beside them, what the program's own keyboard places share with the dialog navigation: the focus cues (shown once
// the keyboard is in use) and putting the focus on a control as Tab does.

#include <windows.h>

namespace ui {

// Handles a key message of a window of the program before the dialog manager sees it; true when it was handled
// and must go no further.
bool HandleDialogKey(HWND root, const MSG& message);

// Whether the window draws focus rectangles now: its UISF_HIDEFOCUS state is clear.
bool FocusCuesShown(HWND window);
// From now on the keyboard is in use: the window's top-level window and everything in it show focus rectangles.
void ShowFocusCues(HWND window);
// Gives the control the focus as a Tab press does: a text field has its text selected.
void FocusAsTabDoes(HWND control);

}  // namespace ui
