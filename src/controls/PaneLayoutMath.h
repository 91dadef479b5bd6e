#pragma once
// The task pane's layout arithmetic: how tall its content is, which items show, and how wide the canvas must be.

#include <span>

namespace controls {

// What layout and painting need to know of one item.
struct PaneBandItem {
  int kind = 0;
  int height = 0;  // 96-DPI pixels
  int collapsed = 0;  // headers only
};

// Content height: every header, with a 15-pixel gap before a header that follows a group of some height, the
// members of open groups, and 20 for the two margins unless the total is 0; at layout scale s, in pixels.
int PaneContentHeight(std::span<const PaneBandItem> items, double s = 1.0);

// Canvas width for a frame of that outer size: the frame width, less the vertical scroll bar when the content is
// taller than the frame.
int PaneCanvasWidth(int frameWidth, int frameHeight, int contentHeight, int scrollBarWidth);

// LayoutPane's result bits.
enum PaneLayoutChange : int { kCanvasHeightChanged = 1, kCanvasWidthChanged = 2 };

}  // namespace controls
