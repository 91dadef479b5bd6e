#pragma once
// The task pane's fixed measures and the places of everything it draws inside a band, in canvas pixels.
// W is the content width (canvas width - 20) and T the text room (W - 30); they decide which details fit.
// The measures are 96-DPI values; at layout scale s each is scaled (base/LayoutGeometry.h), while y, h and the widths
// passed in are canvas pixels already. The one-pixel adjustments that GDI's drawing rules need stay one pixel.

#include "base/LayoutGeometry.h"

namespace controls {

inline constexpr int kPaneMargin = 10;      // on all four sides of the content
inline constexpr int kPaneGroupGap = 15;    // before a header that follows an earlier group
inline constexpr int kPaneScrollStep = 10;  // scroll step of the pane's container
inline constexpr int kPaneHeaderIconSize = 48;
inline constexpr int kPaneHeaderIconOverhang = 12;  // the header icon starts this far above its band
inline constexpr int kPaneLinkIconSize = 16;
inline constexpr int kPaneHeaderCaptionFlags = 0x8824;  // single line, centred vertically, no prefix, ellipsis
inline constexpr int kPaneLinkMeasureFlags = 0xAC14;    // word break, edit-control breaks, calculate only
inline constexpr int kPaneLinkDrawFlags = 0xA814;

struct PaneRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  friend bool operator==(const PaneRect&, const PaneRect&) = default;
};

struct PanePoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const PanePoint&, const PanePoint&) = default;
};

// A measure at the scale.
inline int PaneLength(int designValue, double s) { return base::ScaledEdge(designValue, s); }

inline int PaneContentWidth(int canvasWidth, double s = 1.0) { return canvasWidth - 2 * PaneLength(kPaneMargin, s); }
inline int PaneTextRoom(int contentWidth, double s = 1.0) { return contentWidth - PaneLength(30, s); }

// Character height of a font of that many points: -(points x dots per inch / 72) rounded to the nearest integer;
// 96 dots per inch when the display cannot say (dpi <= 0).
int PointsToFontHeight(int points, int dotsPerInch);

// What fits at a given width.
inline bool PanePaintsOnlyBackground(int contentWidth, double s = 1.0) { return contentWidth < PaneLength(20, s); }
inline bool HeaderIconFits(int textRoom, double s = 1.0) { return textRoom > PaneLength(24, s); }
inline bool HeaderCaptionFits(int textRoom, double s = 1.0) { return textRoom > PaneLength(20, s); }
inline bool HeaderChevronFits(int textRoom) { return textRoom >= 0; }
inline bool LinkIconFits(int textRoom, double s = 1.0) { return textRoom > PaneLength(20, s); }
inline bool LinkTextFits(int textRoom, double s = 1.0) { return textRoom > PaneLength(40, s); }
inline bool SeparatorLineFits(int textRoom) { return textRoom > 0; }

// Header band at top y, height h.
PaneRect HeaderCornerSquare(int y, double s = 1.0);                    // background under the rounded corner
PaneRect HeaderCornerEllipse(int y, double s = 1.0);                   // 20 x 20 ellipse at the band's top left
PaneRect HeaderLeftColumn(int y, int h, double s = 1.0);               // light column below the ellipse
PaneRect HeaderGradient(int y, int h, int contentWidth, double s = 1.0);  // from x 20 to W + 10
PanePoint HeaderIconPlace(int y, double s = 1.0);
PaneRect HeaderCaptionRect(int y, int h, int textRoom, bool hasIcon, double s = 1.0);
PaneRect HeaderHitRect(int y, int h, int contentWidth, bool hasIcon, double s = 1.0);
PanePoint ChevronCentre(int y, int h, int textRoom, double s = 1.0);

// The hot box around a chevron centre: drawn as a path through these five points, the first two segments in the
// current pen, the last two in white.
struct HotBoxPath {
  PanePoint points[5];
};
HotBoxPath HotBoxAround(PanePoint centre, double s = 1.0);

// Link, label and separator bands.
PaneRect ItemBodyRect(int y, int h, int contentWidth, double s = 1.0);  // the body fill, as given to an outline-free rectangle
PanePoint LinkIconPlace(int y, int h, double s = 1.0);
PaneRect LinkTextArea(int y, int h, int textRoom, double s = 1.0);
// The measured text rectangle moved to be centred in the band, never above it, its bottom clipped to the band.
PaneRect PlaceMeasuredText(const PaneRect& measured, int y, int h);
// The separator's line runs from (20, y + h - 1) to (W, y + h - 1), end point not drawn.
PanePoint SeparatorLineStart(int y, int h, double s = 1.0);
PanePoint SeparatorLineEnd(int y, int h, int contentWidth);
// Where a host container goes.
PaneRect HostPlace(int y, int h, int contentWidth, double s = 1.0);

}  // namespace controls
