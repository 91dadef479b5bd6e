#pragma once
// The monitors the program's windows open on: their work areas and scales, and the per-monitor awareness that
// lets the program draw at a monitor's own scale.

#include <windows.h>

#include "base/LayoutGeometry.h"

namespace ui {

// Where the manifest's per-monitor awareness was not applied, asks for it at run time; before any window opens.
void BecomePerMonitorAware();

// The work area of the monitor that holds most of the window (the primary monitor for null).
base::WorkArea WorkAreaOf(HWND window);
base::WorkArea PrimaryWorkArea();
// The dots per inch of the primary monitor, where the main window opens.
int PrimaryMonitorDotsPerInch();

}  // namespace ui
