#pragma once
// Where an icon button puts its icon and its caption.

namespace controls {

enum IconLayout : int {
  IconAbove = 0,
  IconRight = 1,
  IconBelow = 2,
  IconLeft = 3,
};

struct IconButtonPlacement {
  int iconX = 0;
  int iconY = 0;
  int captionX = 0;
  int captionY = 0;
  friend bool operator==(const IconButtonPlacement&, const IconButtonPlacement&) = default;
};

// For a button of width x height, an icon of iconWidth x iconHeight, a caption extent of captionWidth x
// captionHeight and a font character height fontHeight (absolute value). Divisions drop the fraction; a value
// outside the four layouts puts both at (0, 0). The margins are 96-DPI values scaled by the layout scale s.
IconButtonPlacement PlaceIconAndCaption(int layout, int width, int height, int iconWidth, int iconHeight,
                                        int captionWidth, int captionHeight, int fontHeight, double s = 1.0);

}  // namespace controls
