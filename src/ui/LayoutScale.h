#pragma once
// The layout scale of the program's windows (base/LayoutScale.h), as the number-addressed layer applies it: every
// control, container and top-level window is created at its 96-DPI place and size, which is remembered, and
// shown at that place times the current scale. A change of scale moves every remembered window to its new place.

#include <windows.h>

#include "base/LayoutScale.h"

namespace ui {

// Where the manifest's per-monitor awareness was not applied, asks for it at run time; before any window opens.
void BecomePerMonitorAware();

double LayoutScale();              // 1 until the program sets another
void SetLayoutScale(double scale);
int Scaled(int designValue);       // an edge or place: base::ScaledEdge
int ScaledSize(int designLength);  // a length on its own: base::ScaledLength
int DesignValue(int pixels);       // the 96-DPI value a number of pixels stands for, rounded down
int LayoutDotsPerInch();           // what fonts are made for
int SmallIconSize();               // the system's small-icon size at the scale

// The work area of the monitor that holds most of the window (the primary monitor for null).
base::WorkArea WorkAreaOf(HWND window);
base::WorkArea PrimaryWorkArea();
// The dots per inch of the primary monitor, where the main window opens.
int PrimaryMonitorDotsPerInch();

// Remembers the 96-DPI box of a window created at PixelBox of it, for later changes of scale.
void RememberDesignBox(HWND window, int x, int y, int width, int height);
// Moves a window to its 96-DPI box times the scale and remembers the box (a place that changes after creation).
void PlaceAtDesignBox(HWND window, int x, int y, int width, int height);
// A window placed by its parent's own layout (a host area of the task pane) is not moved by a change of scale.
void ForgetDesignBox(HWND window);
base::LayoutBox PixelBox(int x, int y, int width, int height);  // the box at the current scale
// Moves every remembered window that still exists to its box at the current scale, without repainting yet.
void ReplaceAllAtScale();

}  // namespace ui
