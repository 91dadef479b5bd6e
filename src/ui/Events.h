#pragma once
// The program's three kinds of events, and the one call that waits for the next of them.
// Window procedures of the program's windows and containers turn window messages into these events
// (see ui/WindowHost.h); the event loops take them one at a time.

#include <windows.h>

#include "ui/EventCodes.h"

namespace ui {

struct Event {
  int kind = kNoEvent;
  int window = -1;   // number of the top-level window the event belongs to
  int control = -1;  // control events: the control's number
  int type = 0;      // control events: kClick, kChange, kRightClick...
  int command = 0;   // menu events: the command number
};

void PostEvent(const Event& event);

// Waits, without a time limit, for the next event, dispatching window messages meanwhile
// (keyboard navigation between controls included). Returns kNoEvent only when the thread was told to quit.
Event WaitEvent();

// Dispatches the window messages already queued and returns the next event if there is one.
Event PollEvent();

// Forgets the events waiting in the queue.
void DiscardEvents();

}  // namespace ui
