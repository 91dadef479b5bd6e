#include "controls/TaskPaneLayout.h"

#include "controls/PaneMetrics.h"
#include "controls/ScrollContainer.h"
#include "controls/TaskPaneAccessible.h"
#include "controls/TaskPaneKeys.h"
#include "ui/Objects.h"
#include "ui/WindowScaling.h"

namespace controls {

std::vector<PaneBandItem> PaneBandItemsOf(const TaskPaneState& state) {
  std::vector<PaneBandItem> items;
  items.reserve(static_cast<size_t>(state.itemCount));
  for (int i = 0; i < state.itemCount; ++i) {
    const TaskPaneItem* item = PaneItemOf(state, i);
    items.push_back(item ? PaneBandItem{item->kind, item->height, item->collapsed} : PaneBandItem{});
  }
  return items;
}

int LayoutPane(TaskPaneState& state) {
  const int frame = state.frame;
  const int heightBefore = ScrollInnerHeight(frame);
  std::vector<PaneBandItem> items = PaneBandItemsOf(state);

  // Every host leaves; the area it vacates is repainted, and painting puts the shown ones back in their bands.
  for (int i = 0; i < state.itemCount; ++i) {
    const TaskPaneItem* item = PaneItemOf(state, i);
    if (!item || item->kind != HostItem) continue;
    if (HWND host = ui::ControlHandle(item->host)) {
      SetWindowPos(host, nullptr, kHiddenHostX, kHiddenHostY, kHiddenHostWidth, kHiddenHostHeight,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }

  int result = 0;
  const double s = ui::LayoutScale();
  int total = PaneContentHeight(items, s);
  if (total != heightBefore) {
    SetScrollInnerHeight(frame, total);
    result |= kCanvasHeightChanged;
  }
  // Read after the height: showing or hiding the scroll bar may already have laid the pane out again.
  int widthBefore = ScrollInnerWidth(frame);
  int width = PaneCanvasWidth(ScrollOuterWidth(frame), ScrollOuterHeight(frame), total,
                              GetSystemMetricsForDpi(SM_CXVSCROLL, GetDpiForWindow(state.canvas)));
  if (width != widthBefore) {
    SetScrollInnerWidth(frame, width);
    result |= kCanvasWidthChanged;
    NotifyPaneOwner(state, PaneWidthChanged, PaneContentWidth(widthBefore, s), PaneContentWidth(width, s));
  }
  return result;
}

void ApplyGroupFold(TaskPaneState& state, int headerIndex) {
  TaskPaneItem* header = PaneItemOf(state, headerIndex);
  if (!header) return;
  int changed = LayoutPane(state);
  if (changed & kCanvasWidthChanged) {
    InvalidateRect(state.canvas, nullptr, FALSE);
  } else if (changed & kCanvasHeightChanged) {
    RECT client;
    GetClientRect(state.canvas, &client);
    RECT below{0, header->hitRect.top, client.right, client.bottom};
    InvalidateRect(state.canvas, &below, FALSE);
  }
  KeepPaneFocusInSight(state, headerIndex);
  NotifyPaneItemState(state, headerIndex);
  NotifyPaneOwner(state, GroupExpanded + header->collapsed, headerIndex, 0);
}

}  // namespace controls
