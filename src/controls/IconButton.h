#pragma once
// The program's push button with an icon beside, above or below its caption: a standard owner-drawn button that
// the program paints itself in four states (pressed, focused, disabled, normal), with the push-button visual
// style when themes are active and classic three-dimensional edges otherwise. While the mouse is over it, the
// themed look lights up.
//
// The parent's draw requests (WM_DRAWITEM) must reach DrawIconButton: the main window's hook calls it for every
// message, and containers forward draw requests to their top-level window's hook.

#include <windows.h>

#include "controls/IconLayout.h"
#include "ui/Objects.h"

namespace controls {

inline constexpr const wchar_t* kIconButtonProperty = L"BIGEPROPERTIES";

// The record kept on each button window under "BIGEPROPERTIES".
struct IconButtonState {
  int control = 0;                     // the button's control number
  const ui::Image* image = nullptr;    // icon with its size; null shows none
  int layout = IconLeft;               // IconLayout
  WNDPROC prevProc = nullptr;          // the button's procedure before subclassing
  int hot = 0;                         // 1 while the mouse is over the button
};

// Theme numbers of the push button: class "Button", part 1.
enum PushButtonThemeState : int {
  kPushNormal = 1,
  kPushHot = 2,
  kPushPressed = 3,
  kPushDisabled = 4,
  kPushDefaulted = 5,
};

// Creates the button under the current parent (ui/ChildList.h) with the system's default control font.
// Returns the button window, or null when the button or its record could not be made.
HWND CreateIconButton(int number, int x, int y, int width, int height, const wchar_t* caption,
                      const ui::Image* image, IconLayout layout);

// The subclass procedure: hot tracking with the leave notification, theme and colour changes reloading the theme
// functions, and the record freed with the window.
LRESULT CALLBACK IconButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Paints an icon button for a WM_DRAWITEM whose request names a window carrying the record and returns 1;
// returns defaultResult unchanged for any other message or window.
LRESULT DrawIconButton(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT defaultResult);

// The record of a button window, null when it is not an icon button.
IconButtonState* IconButtonStateOf(HWND button);

}  // namespace controls
