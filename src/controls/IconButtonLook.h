#pragma once
// Which look an icon button's draw request asks for, and the pieces of each look that need no window: the theme
// state of the push-button style and the classic edges.

#include <vector>

namespace controls {

// The first matching of the owner-draw state bits: selected 0x0001, focus 0x0010, disabled 0x0004.
enum class IconButtonLook { Pressed, Focused, Disabled, Normal };

IconButtonLook IconButtonLookOf(unsigned itemState);

// Theme state of part 1 of class "Button" for a look: pressed 3, disabled 4; focused 2 when hot, else 5 (default
// button); normal 2 when hot, else 1.
int PushButtonThemeStateFor(IconButtonLook look, bool hot);

// System colour indexes of the classic edges.
inline constexpr int kEdgeWindowFrame = 6;
inline constexpr int kEdgeShadow = 16;
inline constexpr int kEdgeHighlight = 20;

// A one-pixel solid line from (x1, y1) to (x2, y2), end point not drawn.
struct EdgeLine {
  int colorIndex = 0;
  int x1 = 0;
  int y1 = 0;
  int x2 = 0;
  int y2 = 0;
};

struct ClassicEdges {
  std::vector<EdgeLine> lines;  // in drawing order
  int fillLeft = 0;             // button-face fill, right and bottom excluded
  int fillTop = 0;
  int fillRight = 0;
  int fillBottom = 0;
};

// The classic edges of a width x height button in a look.
ClassicEdges ClassicEdgesFor(IconButtonLook look, int width, int height);

// How far icon and caption move from their places: one pixel right and down when pressed.
constexpr int IconButtonShift(IconButtonLook look) { return look == IconButtonLook::Pressed ? 1 : 0; }

// A focus rectangle, this far inside the edge, in the pressed and focused looks.
inline constexpr int kFocusInset = 4;
constexpr bool IconButtonShowsFocus(IconButtonLook look) {
  return look == IconButtonLook::Pressed || look == IconButtonLook::Focused;
}

// The longest caption drawn; longer ones are cut.
inline constexpr int kIconButtonCaptionLimit = 1023;

}  // namespace controls
