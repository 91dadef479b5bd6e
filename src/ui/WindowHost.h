#pragma once
// The program's top-level windows and containers. Their window procedures turn the notifications of the
// controls they hold into events (ui/Events.h), the Menu key and Shift+F10 on a control included (kMenuKey), give
// controls their own colours, and hand every message of a top-level window first to that window's hook.

#include <windows.h>

#include "base/LayoutScale.h"

namespace ui {

// A hook sees a top-level window's messages before default handling. It returns notHandled to let the message
// go on, anything else to make that the message's result. Draw requests of controls inside containers reach the
// hook of their top-level window too.
using WindowHook = LRESULT (*)(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT notHandled);
inline constexpr LRESULT kNotHandled = -1;

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

// Opens a top-level window whose client area is width x height (96-DPI values, shown at the layout scale) and makes
// it the current parent of new controls. A centred window lies within the work area of its monitor.
// When it closes again, the control that had the keyboard focus as it opened gets it back.
// Returns null on failure.
HWND OpenTopLevelWindow(int number, int x, int y, int width, int height, const wchar_t* title, unsigned flags,
                        HWND owner = nullptr);
void CloseTopLevelWindow(int number);
// What caption and frame add to the client area of a window of these flags.
base::FrameSize TopLevelFrame(unsigned flags, int dotsPerInch);
void SetWindowHook(int number, WindowHook hook);
// Whether the top-level window was opened with the flag.
bool HasWindowFlag(HWND window, unsigned flag);

enum class ContainerBorder { None, Flat, StaticEdge, Raised, Sunken };

// A child window that holds controls; it becomes the current parent until CloseChildList.
HWND CreateContainer(int number, int x, int y, int width, int height, ContainerBorder border);

// Where new controls go: a stack of parents, as in OpenChildList(container) ... CloseChildList().
void OpenChildList(int number);
void CloseChildList();
HWND CurrentParent();

// A control may name another window that holds its children (a scroll container names its canvas).
void SetChildHost(HWND control, HWND childHost);

// Colours of a control (attribute 1 text, 2 background), applied by its parent. -1 clears one.
inline constexpr int kFrontColor = 1;
inline constexpr int kBackColor = 2;
void SetControlColor(int number, int attribute, COLORREF colour);
int GetControlColor(int number, int attribute);  // -1 when unset

// The translation a window procedure of the program uses: returns true when the message was turned into an event
// or answered (result then holds the message's result). Exposed for the program's own controls that host others.
bool HandleHostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

// A control whose parent must answer some of its notifications (a virtual list asking for the texts of its rows)
// names a handler; it sees the control's WM_NOTIFY messages first and returns true when it answered (*result is
// then the message's result). Null removes it.
using NotifyHandler = bool (*)(LPARAM notification, LRESULT* result);
void SetNotifyHandler(int number, NotifyHandler handler);

// Calls the hook of the window's top-level ancestor, kNotHandled when there is none.
LRESULT CallRootHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace ui
