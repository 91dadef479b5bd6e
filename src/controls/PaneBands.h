#pragma once
// Where the task pane's bands lie when it paints, and which of them an update rectangle reaches. Painting walks
// the items from y 10 down and stops at the bottom of the update rectangle, so a partial invalidation repaints
// only the bands it touches.

#include <span>
#include <vector>

#include "controls/PaneLayoutMath.h"
#include "controls/PaneMetrics.h"

namespace controls {

// top and bottom are the update rectangle's (bottom is the first row below it).

// Whether the 15-pixel gap that starts at y meets the update rectangle.
bool GapMeetsUpdate(int y, int top, int bottom, int gap = kPaneGroupGap);

// Whether a band of height h at y must be drawn for the update rectangle; the 12-pixel allowance is for a header
// icon that overhangs its band.
bool BandMeetsUpdate(int y, int h, int top, int bottom, int allowance = kPaneHeaderIconOverhang);

// One item the paint walk reached.
struct PaneBand {
  int item = 0;                 // index of the item
  int y = 0;                    // top of its band
  int h = 0;                    // its height, in pixels
  bool shown = false;           // false: folded away, its hit rectangle is marked empty
  bool drawn = false;           // shown and reached by the update rectangle
  bool fillsGapAbove = false;   // the gap from y - 15 to y is filled with the background first
  int gapTop = 0;               // where that gap starts, in pixels
};

// The walk for an update rectangle: the items in order until y reaches its bottom. Places are laid out at 96 DPI
// and their edges scaled by s, so that bands that touch still touch at every scale.
std::vector<PaneBand> PlanPanePaint(std::span<const PaneBandItem> items, int top, int bottom, double s = 1.0);

}  // namespace controls
