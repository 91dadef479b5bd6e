#pragma once
// Numbers to handles: every window, control, popup menu, picture and font of the program has a fixed number.
// A control's number is also its Windows control id, so GetDlgCtrlID of a control is its number.
// Asking for kNewNumber (-1) at creation assigns a fresh number.

#include <windows.h>

namespace ui {

inline constexpr int kNewNumber = -1;

// A picture as the program holds it: an icon or a bitmap, with its size.
struct Image {
  HICON icon = nullptr;
  HBITMAP bitmap = nullptr;
  int width = 0;
  int height = 0;
};

// Top-level windows (main window 0, About window 64, ...).
void RegisterWindow(int number, HWND window);
void ForgetWindow(int number);
HWND WindowHandle(int number);          // null when no such window exists
int WindowNumberOf(HWND window);        // -1 when the window is not one of the program's
// The program's window the user works in: the active window when it is one of the program's and takes input, else
// the main window (0). Message boxes and small windows belong to it.
HWND ActiveProgramWindow();

// Controls, children of a window or of a container.
int ReserveControlNumber(int requested);  // kNewNumber gives a fresh number; otherwise the number itself
void RegisterControl(int number, HWND control);
void ForgetControl(int number);
HWND ControlHandle(int number);         // null when the number names no existing control
bool IsControl(int number);

// Popup menus, and the bitmaps their entries show: a menu does not own them, so they are released after it.
void RegisterMenu(int number, HMENU menu);
HMENU MenuHandle(int number);
void KeepMenuBitmap(HBITMAP bitmap);

// Pictures and fonts; they live until the process ends.
int RegisterImage(int number, const Image& image);  // returns the number (a fresh one for kNewNumber)
const Image* FindImage(int number);                 // null when the number holds no picture
HICON ImageIcon(int number);                        // the picture's icon, null when it is none
// Puts another picture under a number that holds one (after a change of scale). The old picture is kept until
// ReleaseAllObjects: controls and tooltips that were given its handles may still show it until they are told.
void ReplaceImage(int number, const Image& image);
int RegisterFont(int number, HFONT font);
// Likewise for a font.
void ReplaceFont(int number, HFONT font);
HFONT FontHandle(int number);

// Releases every registered picture, font and menu (the exit sequence).
void ReleaseAllObjects();

}  // namespace ui
