#pragma once
// The task pane's mouse handling. Hover is not tracked from mouse moves: one 1 ms thread timer, shared by all
// panes, polls the cursor, makes the item under it hot (a shown group header or link), repaints the one or two
// hit rectangles whose look changes and shows the hand over a hot item, the arrow elsewhere on a canvas.
// A press and a release on the same hot item fold or unfold a group, or send a link's command number as
// WM_COMMAND (command, 0) to the top-level window; the message is sent, so its handling runs inside the click.

#include <windows.h>

#include "controls/TaskPaneRecords.h"

namespace controls {

inline constexpr UINT kPaneHoverInterval = 1;

void CALLBACK PaneHoverTimerProc(HWND window, UINT message, UINT_PTR timer, DWORD time);

// One step of hover tracking for a cursor position (screen coordinates) over window `under`: the hot item of the
// pane left and of the pane under it change as the timer's rule says, their hit rectangles are repainted. Returns
// the pane whose canvas `under` is, null when it is none.
TaskPaneState* UpdateHotItem(HWND under, POINT cursor);

// Starts the timer for the first live pane, stops it with the last.
void PaneCreated();
void PaneDestroyed(const TaskPaneState& state);

// The canvas procedure's left-button handling; each passes the message to canvasPrevProc at its place.
LRESULT PaneLeftButtonDown(TaskPaneState& state, HWND canvas, WPARAM wParam, LPARAM lParam);
LRESULT PaneLeftButtonUp(TaskPaneState& state, HWND canvas, WPARAM wParam, LPARAM lParam);

}  // namespace controls
