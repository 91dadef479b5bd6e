#pragma once
// A second start with paths hands them to the program already running, which adds them and comes to the front;
// the second process then ends. The paths travel in one WM_COPYDATA message, copied by the receiver at once.

#include <windows.h>

#include <string>
#include <vector>

namespace app {

// Brings the running program's window forward (a minimised one comes back) and hands it the paths. False when
// the window did not take them within a few seconds: it is busy elsewhere, or it is not this program's.
bool ForwardPaths(HWND running, const std::vector<std::wstring>& paths);

// The main window's answer to WM_COPYDATA: TRUE when the block carried paths from a second start, which are then
// waiting to be added (ui/ArrivingPaths.h); FALSE for any other block.
LRESULT ReceiveForwardedPaths(LPARAM copyData);

// The event of handed-over paths: every path waiting is added to the list.
void AddArrivedPaths();

}  // namespace app
