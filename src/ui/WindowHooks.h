#pragma once
// A top-level window's hook: the program's own handling of its messages, before the layer's and Windows'.

#include <windows.h>

namespace ui {

// A hook sees a top-level window's messages before default handling. It returns notHandled to let the message
// go on, anything else to make that the message's result. Draw requests of controls inside containers reach the
// hook of their top-level window too.
using WindowHook = LRESULT (*)(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT notHandled);
inline constexpr LRESULT kNotHandled = -1;

void SetWindowHook(int number, WindowHook hook);
// Calls the hook of the window itself, kNotHandled when it has none.
LRESULT CallWindowHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Calls the hook of the window's top-level ancestor, kNotHandled when there is none.
LRESULT CallRootHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace ui
