#pragma once
// The task pane's layout: the canvas is as tall as the content and as wide as the frame, less the scroll bar when
// the content is taller than the frame. Host containers are moved out of sight; the areas they leave are
// repainted, and painting puts the shown ones back in their bands.

#include <vector>

#include "controls/PaneLayoutMath.h"
#include "controls/TaskPaneRecords.h"

namespace controls {

// What the layout arithmetic needs of the pane's items, in order.
std::vector<PaneBandItem> PaneBandItemsOf(const TaskPaneState& state);

// Recomputes the canvas size; returns kCanvasHeightChanged | kCanvasWidthChanged bits. A width change tells the
// owner PaneWidthChanged with both content widths.
int LayoutPane(TaskPaneState& state);

// After a group header's collapsed changed: runs the layout, repaints what moved (the whole canvas when its width
// changed, else from the header down when its height changed) and tells the owner GroupExpanded or
// GroupCollapsed.
void ApplyGroupFold(TaskPaneState& state, int headerIndex);

// Where a host container waits while its group is folded.
inline constexpr int kHiddenHostX = -100;
inline constexpr int kHiddenHostY = -100;
inline constexpr int kHiddenHostWidth = 0;
inline constexpr int kHiddenHostHeight = 200;

}  // namespace controls
