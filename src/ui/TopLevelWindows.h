#pragma once
// The program's top-level windows: made with a client area of a 96-DPI size shown at the layout scale, placed
// within the work area of their monitor, and made again at another scale.

#include <windows.h>

#include "base/LayoutGeometry.h"

namespace ui {

enum WindowFlags : unsigned {
  kWindowSystemMenu = 1u << 0,      // caption with the system menu (and its close box)
  kWindowMinimizeBox = 1u << 1,
  kWindowCaption = 1u << 2,         // caption without system menu: no close box
  kWindowToolCaption = 1u << 3,     // small tool-window caption
  kWindowScreenCentered = 1u << 4,  // centred on the primary screen, never at a negative place
  kWindowOwnerCentered = 1u << 5,   // centred over the owner window, never at a negative place
  kWindowInvisible = 1u << 6,       // created hidden
  kWindowTopmost = 1u << 7,
  kWindowDialogKeys = 1u << 8,      // Tab, Enter and Escape as in a dialog box (ui/DialogKeys.h)
};

// Opens a top-level window whose client area is width x height (96-DPI values, shown at the layout scale). Until it
// closes, new controls go into it unless a ui::ChildList names another parent (ui/ChildList.h). A centred window
// lies within the work area of its monitor. When it closes again, the control that had the keyboard focus as it
// opened gets it back. Returns null on failure.
HWND OpenTopLevelWindow(int number, int x, int y, int width, int height, const wchar_t* title, unsigned flags,
                        HWND owner = nullptr);
void CloseTopLevelWindow(int number);
// Whether the top-level window was opened with the flag.
bool HasWindowFlag(HWND window, unsigned flag);
// The top-level window of the program opened last that is still open, null when none is.
HWND NewestTopLevelWindow();

// The outer size of a window of these styles whose client area is clientWidth x clientHeight, its caption and frame
// drawn at dotsPerInch.
base::FrameSize OuterSizeForClient(DWORD style, DWORD exStyle, int clientWidth, int clientHeight, int dotsPerInch);
// What caption and frame add to the client area of a window of these flags.
base::FrameSize TopLevelFrame(unsigned flags, int dotsPerInch);

// After a change of layout scale: every open top-level window gets its client area at the new scale, `moved` at
// the suggested place with its frame at dotsPerInch, the others where they are, each without repainting yet.
void SizeTopLevelWindowsAtScale(HWND moved, int dotsPerInch, const RECT& suggested);
// Repaints every open top-level window at once, frame and children.
void RedrawTopLevelWindows();

}  // namespace ui
