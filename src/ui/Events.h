#pragma once
// The program's three kinds of events, and the one call that waits for the next of them.
// Window procedures of the program's windows and containers turn window messages into these events
// (see ui/HostMessages.h); the event loops take them one at a time.

#include <windows.h>

#include "ui/EventCodes.h"

namespace ui {

struct Event {
  int kind = kNoEvent;
  int window = -1;   // number of the top-level window the event belongs to
  int control = -1;  // control events: the control's number
  int type = 0;      // control events: kClick, kChange, kRightClick, kMenuKey...
  int command = 0;   // menu events: the command number
};

void PostEvent(const Event& event);
// The event of a command for the window numbered `windowNumber`, as its menus and links send it.
void PostMenuEvent(int windowNumber, int command);

// Waits, without a time limit, for the next event, dispatching window messages meanwhile
// (keyboard navigation between controls included). Returns kNoEvent only when the thread was told to quit.
Event WaitEvent();

// Dispatches the window messages already queued and returns the next event if there is one.
Event PollEvent();

// Forgets the events waiting in the queue.
void DiscardEvents();

// A window that keeps a keyboard order of its own (places it draws itself, between the controls it holds) takes
// Tab and Shift+Tab before the dialog navigation whenever the focus is on it or inside it: it is sent
// OwnTabMessage() with wParam 1 for Shift+Tab, 0 for Tab, and lParam the focused window, and answers non-zero
// when it moved the focus; zero leaves the key to the dialog navigation.
void KeepOwnTabOrder(HWND window);
void ForgetOwnTabOrder(HWND window);  // before the window goes
UINT OwnTabMessage();

}  // namespace ui
