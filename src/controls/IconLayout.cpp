#include "controls/IconLayout.h"

namespace controls {

IconButtonPlacement PlaceIconAndCaption(int layout, int width, int height, int iconWidth, int iconHeight,
                                        int captionWidth, int captionHeight, int fontHeight) {
  const int w = width, h = height, iw = iconWidth, ih = iconHeight, cx = captionWidth, cy = captionHeight;
  switch (layout) {
    case IconAbove: return {(w - iw) / 2, (h - ih) / 4, (w - cx) / 2, h - cy - 10};
    case IconRight: return {w - iw - 10, (h - ih) / 2, w - cx - iw - 20, (h - fontHeight) / 2 - 1};
    case IconBelow: return {(w - iw) / 2, h - ih - 7, (w - cx) / 2, (h - cy) / 4};
    case IconLeft: return {10, (h - ih) / 2 + 1, iw + 20, (h - fontHeight) / 2 - 1};
    default: return {};
  }
}

}  // namespace controls
