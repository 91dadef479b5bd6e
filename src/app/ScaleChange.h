#pragma once
// The main window moved to a monitor of another scale (WM_DPICHANGED): the program takes the new scale, and the
// whole layout, its fonts and its pictures are made again for it in place (ui/ScaleChanges.h).

#include <windows.h>

namespace app {

// Remembers the dots per inch of the monitor the main window opens on.
void SetMainWindowDotsPerInch(int dotsPerInch);

// Handles the message; the window goes to the suggested place with the client area of the new scale.
void ApplyDpiChange(HWND window, int newDotsPerInch, const RECT& suggested);

}  // namespace app
