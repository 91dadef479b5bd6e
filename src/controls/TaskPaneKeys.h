#pragma once
// The task pane and the keyboard. Among the window's controls the pane is one tab stop, at its place in the
// creation order; inside it the keyboard goes, in item order, over each shown group header and link (places the
// pane draws itself) and over the controls of the shown host areas. Tab and Shift+Tab go through all of them and
// on to the controls before and after the pane; the arrow keys, Home and End go between the headers and links.
// Enter or Space on a header or link does what a click does. The header or link the keyboard is on shows the
// system focus rectangle while the keyboard is in use (the window's UISF_HIDEFOCUS state is clear).

#include <windows.h>

#include <vector>

#include "controls/PaneBands.h"
#include "controls/TaskPaneRecords.h"

namespace controls {

// A shown group header or link: what the keyboard stops on inside the canvas.
bool IsPaneKeyStop(const TaskPaneState& state, int index);

// Where every item's band lies on the canvas (in pixels), painted yet or not, in item order.
std::vector<PaneBand> PaneItemBands(const TaskPaneState& state);

// Canvas messages.
LRESULT PaneKeyDown(TaskPaneState& state, WPARAM key, LPARAM lParam);
// other: the window that lost the focus to the canvas, or gets it from the canvas.
void PaneFocusChanged(TaskPaneState& state, bool gained, HWND other);
// Tab (or Shift+Tab when backward) from `focus`, the canvas or a control inside it; false leaves the key to the
// dialog navigation.
bool PaneTabKey(TaskPaneState& state, bool backward, HWND focus);

// Puts the keyboard on a header or link: the canvas takes the focus and the item is scrolled into view.
void FocusPaneItem(TaskPaneState& state, int index);
// What a click on the item does: a group header folds or unfolds its group, a link sends its command.
void ActivatePaneItem(TaskPaneState& state, int index);
// After a group folded: what the keyboard was on inside it goes to the group's header.
void KeepPaneFocusInSight(TaskPaneState& state, int headerIndex);

// The focus rectangle of an item, when one shows now (the canvas has the focus, the keyboard is on the item and in
// use).
bool PaneFocusRect(const TaskPaneState& state, int index, RECT* rect);
// Repaints the item the keyboard is on, after the keyboard cues were shown or hidden.
void RedrawPaneFocus(const TaskPaneState& state);

}  // namespace controls
