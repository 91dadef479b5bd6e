#include "controls/PaneMetrics.h"

#include <algorithm>

namespace controls {

int PointsToFontHeight(int points, int dotsPerInch) {
  if (dotsPerInch <= 0) dotsPerInch = 96;
  // Nearest integer of points * dpi / 72, by integer arithmetic (both factors are positive).
  int rounded = (points * dotsPerInch * 2 + 72) / 144;
  return -rounded;
}

PaneRect HeaderCornerSquare(int y) { return {10, y, 20, y + 10}; }

PaneRect HeaderCornerEllipse(int y) { return {10, y, 30, y + 20}; }

PaneRect HeaderLeftColumn(int y, int h) { return {10, y + 10, 21, y + h + 1}; }

PaneRect HeaderGradient(int y, int h, int contentWidth) { return {20, y, contentWidth + 10, y + h}; }

PanePoint HeaderIconPlace(int y) { return {0, y - kPaneHeaderIconOverhang}; }

PaneRect HeaderCaptionRect(int y, int h, int textRoom, bool hasIcon) {
  return {hasIcon ? 55 : 20, y, textRoom + 20, y + h};
}

PaneRect HeaderHitRect(int y, int h, int contentWidth, bool hasIcon) {
  return {hasIcon ? 55 : 10, y, contentWidth + 10, y + h};
}

PanePoint ChevronCentre(int y, int h, int textRoom) { return {textRoom + 28, y + h / 2}; }

HotBoxPath HotBoxAround(PanePoint c) {
  return {{{c.x + 8, c.y - 8}, {c.x + 8, c.y + 8}, {c.x - 7, c.y + 8}, {c.x - 7, c.y - 8}, {c.x + 8, c.y - 8}}};
}

PaneRect ItemBodyRect(int y, int h, int contentWidth) { return {10, y, contentWidth + 11, y + h + 1}; }

PanePoint LinkIconPlace(int y, int h) { return {20, y + h / 2 - 8}; }

PaneRect LinkTextArea(int y, int h, int textRoom) { return {40, y, textRoom + 20, y + h}; }

PaneRect PlaceMeasuredText(const PaneRect& measured, int y, int h) {
  int measuredHeight = measured.bottom - measured.top;
  int top = std::max(y, y + (h - measuredHeight) / 2);
  int bottom = std::min(top + measuredHeight, y + h);
  return {measured.left, top, measured.right, bottom};
}

PanePoint SeparatorLineStart(int y, int h) { return {20, y + h - 1}; }

PanePoint SeparatorLineEnd(int y, int h, int contentWidth) { return {contentWidth, y + h - 1}; }

PaneRect HostPlace(int y, int h, int contentWidth) { return {10, y, 10 + contentWidth, y + h}; }

}  // namespace controls
