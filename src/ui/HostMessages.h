#pragma once
// What a window that holds controls does with their messages: notifications become events (ui/Events.h), the
// Menu key and Shift+F10 on a control included (kMenuKey), and controls get their colours.

#include <windows.h>

namespace ui {

// The translation every window procedure of the program that holds controls uses: returns true when the message
// was turned into an event or answered (result then holds the message's result). Exposed for the program's own
// controls that host others.
bool HandleHostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

// A control whose parent must answer some of its notifications (a virtual list asking for the texts of its rows)
// names a handler; it sees the control's WM_NOTIFY messages first and returns true when it answered (*result is
// then the message's result). Null removes it.
using NotifyHandler = bool (*)(LPARAM notification, LRESULT* result);
void SetNotifyHandler(int number, NotifyHandler handler);

}  // namespace ui
