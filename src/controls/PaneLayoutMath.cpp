#include "controls/PaneLayoutMath.h"

#include "controls/PaneItemKind.h"
#include "controls/PaneMetrics.h"

namespace controls {

int PaneContentHeight(std::span<const PaneBandItem> items, double s) {
  int total = 0;
  int groupHeight = 0;
  int folded = 0;
  for (const PaneBandItem& item : items) {
    if (IsPaneHeader(item.kind)) {
      if (groupHeight != 0) total += kPaneGroupGap;
      groupHeight = item.height;
      total += item.height;
      folded = item.kind == GroupHeader ? item.collapsed : 0;
    } else if (folded == 0) {
      groupHeight += item.height;
      total += item.height;
    }
  }
  if (total != 0) total += 2 * kPaneMargin;
  return PaneLength(total, s);
}

int PaneCanvasWidth(int frameWidth, int frameHeight, int contentHeight, int scrollBarWidth) {
  return contentHeight > frameHeight ? frameWidth - scrollBarWidth : frameWidth;
}

}  // namespace controls
