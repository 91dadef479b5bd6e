#include "controls/PaneBands.h"

#include "controls/PaneItemKind.h"
#include "controls/PaneMetrics.h"

namespace controls {

bool GapMeetsUpdate(int y, int top, int bottom, int gap) {
  return (top <= y && y <= bottom) || (top < y + gap && bottom >= y + gap - 1) || (y < top && bottom < y + gap - 1);
}

bool BandMeetsUpdate(int y, int h, int top, int bottom, int allowance) {
  const int kAllowance = allowance;
  return (top + kAllowance <= y && y <= bottom + kAllowance) || (top < y + h && y + h <= bottom + 1) ||
         (y < top + kAllowance && y + h - 1 > bottom);
}

std::vector<PaneBand> PlanPanePaint(std::span<const PaneBandItem> items, int top, int bottom, double s) {
  std::vector<PaneBand> bands;
  const int allowance = PaneLength(kPaneHeaderIconOverhang, s);
  int y = kPaneMargin;  // at 96 DPI
  int groupHeight = 0;
  int folded = 0;
  for (int i = 0; i < static_cast<int>(items.size()); ++i) {
    const PaneBandItem& item = items[static_cast<size_t>(i)];
    PaneBand band;
    band.item = i;
    if (IsPaneHeader(item.kind)) {
      if (groupHeight != 0) {
        const int gapTop = PaneLength(y, s);
        band.fillsGapAbove = GapMeetsUpdate(gapTop, top, bottom, PaneLength(y + kPaneGroupGap, s) - gapTop);
        band.gapTop = gapTop;
        y += kPaneGroupGap;
      }
      band.shown = true;
      folded = item.kind == GroupHeader ? item.collapsed : 0;
      groupHeight = item.height;
    } else {
      band.shown = folded == 0;
      if (band.shown) groupHeight += item.height;
    }
    band.y = PaneLength(y, s);
    band.h = PaneLength(y + item.height, s) - band.y;
    band.drawn = band.shown && BandMeetsUpdate(band.y, band.h, top, bottom, allowance);
    bands.push_back(band);
    if (band.shown) y += item.height;
    if (PaneLength(y, s) >= bottom) break;
  }
  return bands;
}

}  // namespace controls
