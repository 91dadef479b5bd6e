#pragma once
// Paths handed to the program from outside (dropped on a window, given on the command line, forwarded by a second
// start) wait here, in the order they came, until the event loop takes them. A handover that comes while a modal
// box or a pass holds the thread is thus added after it, never in the middle of it.

#include <string>
#include <vector>

namespace ui {

// Appends the paths and posts the menu event `command` to window `windowNumber`; nothing for an empty list.
void HandOverPaths(std::vector<std::wstring> paths, int windowNumber, int command);
// Every path waiting, oldest first; the queue is empty afterwards.
std::vector<std::wstring> TakeArrivedPaths();

}  // namespace ui
