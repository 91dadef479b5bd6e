#include "controls/PaneBands.h"

#include "controls/PaneItemKind.h"
#include "controls/PaneMetrics.h"

namespace controls {

bool GapMeetsUpdate(int y, int top, int bottom) {
  return (top <= y && y <= bottom) || (top < y + kPaneGroupGap && bottom >= y + kPaneGroupGap - 1) ||
         (y < top && bottom < y + kPaneGroupGap - 1);
}

bool BandMeetsUpdate(int y, int h, int top, int bottom) {
  constexpr int kAllowance = kPaneHeaderIconOverhang;
  return (top + kAllowance <= y && y <= bottom + kAllowance) || (top < y + h && y + h <= bottom + 1) ||
         (y < top + kAllowance && y + h - 1 > bottom);
}

std::vector<PaneBand> PlanPanePaint(std::span<const PaneBandItem> items, int top, int bottom) {
  std::vector<PaneBand> bands;
  int y = kPaneMargin;
  int groupHeight = 0;
  int folded = 0;
  for (int i = 0; i < static_cast<int>(items.size()); ++i) {
    const PaneBandItem& item = items[static_cast<size_t>(i)];
    PaneBand band;
    band.item = i;
    if (IsPaneHeader(item.kind)) {
      if (groupHeight != 0) {
        band.fillsGapAbove = GapMeetsUpdate(y, top, bottom);
        y += kPaneGroupGap;
      }
      band.shown = true;
      folded = item.kind == GroupHeader ? item.collapsed : 0;
      groupHeight = item.height;
    } else {
      band.shown = folded == 0;
      if (band.shown) groupHeight += item.height;
    }
    band.y = y;
    band.drawn = band.shown && BandMeetsUpdate(y, item.height, top, bottom);
    bands.push_back(band);
    if (band.shown) y += item.height;
    if (y >= bottom) break;
  }
  return bands;
}

}  // namespace controls
