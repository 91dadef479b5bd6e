#pragma once
// The task pane's fixed measures and the places of everything it draws inside a band, in canvas pixels.
// W is the content width (canvas width - 20) and T the text room (W - 30); they decide which details fit.

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

constexpr int PaneContentWidth(int canvasWidth) { return canvasWidth - 2 * kPaneMargin; }
constexpr int PaneTextRoom(int contentWidth) { return contentWidth - 30; }

// Character height of a font of that many points: -(points x dots per inch / 72) rounded to the nearest integer;
// 96 dots per inch when the display cannot say (dpi <= 0).
int PointsToFontHeight(int points, int dotsPerInch);

// What fits at a given width.
constexpr bool PanePaintsOnlyBackground(int contentWidth) { return contentWidth < 20; }
constexpr bool HeaderIconFits(int textRoom) { return textRoom > 24; }
constexpr bool HeaderCaptionFits(int textRoom) { return textRoom > 20; }
constexpr bool HeaderChevronFits(int textRoom) { return textRoom >= 0; }
constexpr bool LinkIconFits(int textRoom) { return textRoom > 20; }
constexpr bool LinkTextFits(int textRoom) { return textRoom > 40; }
constexpr bool SeparatorLineFits(int textRoom) { return textRoom > 0; }

// Header band at top y, height h.
PaneRect HeaderCornerSquare(int y);                    // background under the rounded corner
PaneRect HeaderCornerEllipse(int y);                   // 20 x 20 ellipse at the band's top left
PaneRect HeaderLeftColumn(int y, int h);               // light column below the ellipse
PaneRect HeaderGradient(int y, int h, int contentWidth);  // from x 20 to W + 10
PanePoint HeaderIconPlace(int y);
PaneRect HeaderCaptionRect(int y, int h, int textRoom, bool hasIcon);
PaneRect HeaderHitRect(int y, int h, int contentWidth, bool hasIcon);
PanePoint ChevronCentre(int y, int h, int textRoom);

// The hot box around a chevron centre: drawn as a path through these five points, the first two segments in the
// current pen, the last two in white.
struct HotBoxPath {
  PanePoint points[5];
};
HotBoxPath HotBoxAround(PanePoint centre);

// Link, label and separator bands.
PaneRect ItemBodyRect(int y, int h, int contentWidth);  // the body fill, as given to an outline-free rectangle
PanePoint LinkIconPlace(int y, int h);
PaneRect LinkTextArea(int y, int h, int textRoom);
// The measured text rectangle moved to be centred in the band, never above it, its bottom clipped to the band.
PaneRect PlaceMeasuredText(const PaneRect& measured, int y, int h);
// The separator's line runs from (20, y + h - 1) to (W, y + h - 1), end point not drawn.
PanePoint SeparatorLineStart(int y, int h);
PanePoint SeparatorLineEnd(int y, int h, int contentWidth);
// Where a host container goes.
PaneRect HostPlace(int y, int h, int contentWidth);

}  // namespace controls
