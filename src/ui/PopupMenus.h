#pragma once
// Popup menus by number, whose entries show a small picture beside their text.

#include <windows.h>

namespace ui {

// Returns the menu, or null when it cannot be created. A menu already under the number is replaced.
HMENU CreateNumberedPopupMenu(int number);
// imageNumber -1: no picture.
void AddMenuEntry(int menuNumber, int command, const wchar_t* text, int imageNumber);
void AddMenuSeparator(int menuNumber);
// Greys an entry out (false) or offers it again (true).
void EnableMenuEntry(int menuNumber, int command, bool enabled);
// Opens the menu at the mouse pointer, owned by the window; the chosen entry arrives later as a menu event.
void ShowPopupMenuAtCursor(int menuNumber, HWND owner);
// Opens the menu as the keyboard asks for it in a report list: under the name of the focused row when it is
// selected, else of the first selected row, scrolled into view. With no row selected nothing opens (false).
bool ShowPopupMenuUnderListRow(int menuNumber, int listNumber, HWND owner);

}  // namespace ui
