#include "controls/PaneMetrics.h"

#include <algorithm>

namespace controls {

int PointsToFontHeight(int points, int dotsPerInch) {
  if (dotsPerInch <= 0) dotsPerInch = 96;
  // Nearest integer of points * dpi / 72, by integer arithmetic (both factors are positive).
  int rounded = (points * dotsPerInch * 2 + 72) / 144;
  return -rounded;
}

namespace {
int L(int designValue, double s) { return PaneLength(designValue, s); }
}  // namespace

PaneRect HeaderCornerSquare(int y, double s) { return {L(10, s), y, L(20, s), y + L(10, s)}; }

PaneRect HeaderCornerEllipse(int y, double s) { return {L(10, s), y, L(30, s), y + L(20, s)}; }

PaneRect HeaderLeftColumn(int y, int h, double s) { return {L(10, s), y + L(10, s), L(20, s) + 1, y + h + 1}; }

PaneRect HeaderGradient(int y, int h, int contentWidth, double s) {
  return {L(20, s), y, contentWidth + L(10, s), y + h};
}

PanePoint HeaderIconPlace(int y, double s) { return {0, y - L(kPaneHeaderIconOverhang, s)}; }

PaneRect HeaderCaptionRect(int y, int h, int textRoom, bool hasIcon, double s) {
  return {L(hasIcon ? 55 : 20, s), y, textRoom + L(20, s), y + h};
}

PaneRect HeaderHitRect(int y, int h, int contentWidth, bool hasIcon, double s) {
  return {L(hasIcon ? 55 : 10, s), y, contentWidth + L(10, s), y + h};
}

PanePoint ChevronCentre(int y, int h, int textRoom, double s) { return {textRoom + L(28, s), y + h / 2}; }

HotBoxPath HotBoxAround(PanePoint c, double s) {
  const int e = L(8, s), w = L(7, s);
  return {{{c.x + e, c.y - e}, {c.x + e, c.y + e}, {c.x - w, c.y + e}, {c.x - w, c.y - e}, {c.x + e, c.y - e}}};
}

PaneRect ItemBodyRect(int y, int h, int contentWidth, double s) {
  return {L(10, s), y, contentWidth + L(10, s) + 1, y + h + 1};
}

PanePoint LinkIconPlace(int y, int h, double s) { return {L(20, s), y + h / 2 - L(kPaneLinkIconSize, s) / 2}; }

PaneRect LinkTextArea(int y, int h, int textRoom, double s) { return {L(40, s), y, textRoom + L(20, s), y + h}; }

PaneRect PlaceMeasuredText(const PaneRect& measured, int y, int h) {
  int measuredHeight = measured.bottom - measured.top;
  int top = std::max(y, y + (h - measuredHeight) / 2);
  int bottom = std::min(top + measuredHeight, y + h);
  return {measured.left, top, measured.right, bottom};
}

PanePoint SeparatorLineStart(int y, int h, double s) { return {L(20, s), y + h - 1}; }

PanePoint SeparatorLineEnd(int y, int h, int contentWidth) { return {contentWidth, y + h - 1}; }

PaneRect HostPlace(int y, int h, int contentWidth, double s) { return {L(10, s), y, L(10, s) + contentWidth, y + h}; }

}  // namespace controls
