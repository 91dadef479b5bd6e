#pragma once
// What screen readers see of the task pane: its canvas answers WM_GETOBJECT with the pane (role pane) whose
// children are, in item order, the shown headers (a group header as a push button that is expanded or collapsed,
// a fixed header as static text), links (role link, default action "Cliquer"), labels (static text) and host
// areas (each the object of its window, with the controls inside). Names are the items' texts; places, focus and
// the hot state are those of the moment. The pane tells of the keyboard's moves and of folding groups with the
// usual window events.

#include <windows.h>

#include "controls/TaskPaneRecords.h"

namespace controls {

// The answer to the canvas's WM_GETOBJECT for the client object.
LRESULT PaneAccessibleObject(HWND canvas, WPARAM wParam);

// The child id of an item, 0 when it is not shown (or not one of the children).
long PaneAccessibleChildId(const TaskPaneState& state, int index);

// EVENT_OBJECT_FOCUS for where the keyboard is, when the canvas has the focus.
void NotifyPaneFocus(const TaskPaneState& state);
// After a group header folded or unfolded: its state changed and the children with it.
void NotifyPaneItemState(const TaskPaneState& state, int index);

}  // namespace controls
