#pragma once
// The layout scale: every place and size of the program's windows is a 96-dots-per-inch value times one factor,
// chosen from the display's scale and lowered where the whole window would not fit the screen. Window-free.

namespace base {

inline constexpr int kDesignDotsPerInch = 96;
inline constexpr double kSmallestLayoutScale = 0.8;

// A 96-DPI coordinate (an edge, a place) at the scale: rounded to the nearest pixel, halves away from zero.
int ScaledEdge(int value, double scale);

// A box given by its 96-DPI place and size. Its edges are scaled, not its size, so that boxes that touch at 96 DPI
// still touch, and a box's size is within a pixel of its 96-DPI size times the scale.
struct LayoutBox {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const LayoutBox&, const LayoutBox&) = default;
};
LayoutBox ScaledBox(const LayoutBox& design, double scale);

// A length that stands alone (a font height, an icon size, a line width): the nearest pixel, never below one
// for a positive length.
int ScaledLength(int value, double scale);

// The dots per inch a font is made for at the scale.
int ScaledDotsPerInch(double scale);

struct FrameSize {
  int width = 0;   // what caption and frame add to the client area
  int height = 0;
};

// The scale for a window whose client area is designWidth x designHeight at 96 DPI, on a display of dotsPerInch
// whose work area is workWidth x workHeight: dotsPerInch / 96, lowered just enough for the whole outer window to
// fit, never below kSmallestLayoutScale.
double FittingLayoutScale(int dotsPerInch, int designWidth, int designHeight, FrameSize frame, int workWidth,
                          int workHeight);

struct WorkArea {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};
struct WindowPlace {
  int x = 0;
  int y = 0;
  friend bool operator==(const WindowPlace&, const WindowPlace&) = default;
};

// The top left corner of an outer window of that size centred in the work area; a window larger than the area
// keeps its top left corner (caption and system menu) inside it.
WindowPlace CentredInWorkArea(const WorkArea& area, int outerWidth, int outerHeight);

// A window centred over another (its owner), then moved just enough to lie within the work area.
WindowPlace CentredOver(const WorkArea& around, const WorkArea& area, int outerWidth, int outerHeight);

}  // namespace base
