#pragma once
// The task pane's painting, shared by WM_PAINT and WM_PRINTCLIENT: margins, gaps and bands in the pane's own
// colours with plain GDI (no visual style), only the bands the update rectangle reaches. Painting writes the hit
// rectangles of the headers and links it draws and marks folded-away items with right = -1.

#include <windows.h>

#include "controls/TaskPaneRecords.h"

namespace controls {

// Paints the canvas into dc for the update rectangle (canvas coordinates).
void PaintPaneCanvas(TaskPaneState& state, HDC dc, const RECT& update);

// The background the pane paints with: the frame's colour attribute 2, 0xE6A17A when it has none.
COLORREF PaneBackgroundColor(const TaskPaneState& state);

// Whether item index of the pane whose canvas this is shows hot.
bool IsPaneItemHot(const TaskPaneState& state, int index);

}  // namespace controls
