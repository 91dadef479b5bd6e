#pragma once
// The window procedures the task pane puts on its two windows. Both pass every message they do not handle to
// the procedure they replaced.
//
// Frame: size runs the layout; erase fills below the canvas with the background; enable carries the state to the
// canvas and the host containers; destroy releases the items, final destroy the state record.
// Canvas: erase does nothing (painting fills what it draws); paint and print-client share one path; the left
// button presses and releases (TaskPaneInput.h).

#include <windows.h>

namespace controls {

LRESULT CALLBACK PaneFrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK PaneCanvasProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace controls
