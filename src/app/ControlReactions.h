#pragma once
// Reactions of the main window's own controls that involve neither the file list nor the rename engine.

namespace app {

// A click on mode box 1, 2 or 3 (controls 14, 15, 16).
void OnReplaceModeBox();
void OnRenumberModeBox();
void OnAppendModeBox();

// A click on the remove-only box (23).
void RemoveOnlyRelabel();

// A change of the places box's selection (7).
void ShowPlace();

// Right clicks in the explorer control (8) and in the file list (10): their popup menus at the pointer, with a
// selection only; the list's also without one while there is a rename to take back, its row entries greyed.
void ShowExplorerPopup();
void ShowListPopup();
// The Menu key or Shift+F10 in either: the same menus, under the focused selected row (or the first selected one),
// with a selection only.
void ShowExplorerPopupFromKeyboard();
void ShowListPopupFromKeyboard();

}  // namespace app
