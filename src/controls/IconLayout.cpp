#include "controls/IconLayout.h"

#include "base/LayoutGeometry.h"

namespace controls {

IconButtonPlacement PlaceIconAndCaption(int layout, int width, int height, int iconWidth, int iconHeight,
                                        int captionWidth, int captionHeight, int fontHeight, double s) {
  const int w = width, h = height, iw = iconWidth, ih = iconHeight, cx = captionWidth, cy = captionHeight;
  const int m7 = base::ScaledEdge(7, s), m10 = base::ScaledEdge(10, s), m20 = base::ScaledEdge(20, s);
  switch (layout) {
    case IconAbove: return {(w - iw) / 2, (h - ih) / 4, (w - cx) / 2, h - cy - m10};
    case IconRight: return {w - iw - m10, (h - ih) / 2, w - cx - iw - m20, (h - fontHeight) / 2 - 1};
    case IconBelow: return {(w - iw) / 2, h - ih - m7, (w - cx) / 2, (h - cy) / 4};
    case IconLeft: return {m10, (h - ih) / 2 + 1, iw + m20, (h - fontHeight) / 2 - 1};
    default: return {};
  }
}

}  // namespace controls
