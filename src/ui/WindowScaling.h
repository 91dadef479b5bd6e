#pragma once
// The layout scale of the program's windows (base/LayoutGeometry.h), as the number-addressed layer applies it:
// every control and container is created at its 96-DPI place and size, which is remembered, and shown at that
// place times the current scale.

#include <windows.h>

#include "base/LayoutGeometry.h"

namespace ui {

double LayoutScale();              // 1 until the program sets another
void SetLayoutScale(double scale);
int Scaled(int designValue);       // an edge or place: base::ScaledEdge
int ScaledSize(int designLength);  // a length on its own: base::ScaledLength
int DesignValue(int pixels);       // the 96-DPI value a number of pixels stands for, rounded down
int LayoutDotsPerInch();           // what fonts are made for
int SmallIconSize();               // the system's small-icon size at the scale

// Remembers the 96-DPI box of a window created at PixelBox of it, for later changes of scale.
void RememberDesignBox(HWND window, int x, int y, int width, int height);
// Moves a window to its 96-DPI box times the scale and remembers the box (a place that changes after creation).
void PlaceAtDesignBox(HWND window, int x, int y, int width, int height);
// A window placed by its parent's own layout (a host area of the task pane) is not moved by a change of scale.
void ForgetDesignBox(HWND window);
base::LayoutBox PixelBox(int x, int y, int width, int height);  // the box at the current scale
// Moves every remembered window to its box at the current scale, without repainting yet.
void PlaceAllAtScale();

}  // namespace ui
