#pragma once
// A window that shows the program's owner-drawn controls side by side: a task pane with two groups (header icons,
// a host area with ordinary controls, links, a label and a separator) and the command bar's six icon buttons, as
// the program makes them, in every look they have (normal, hot, focused, pressed, disabled), once with the visual
// style and once classic.

#include <windows.h>

namespace controls {

inline constexpr int kDemoWindowWidth = 1000;
inline constexpr int kDemoWindowHeight = 640;

// Opens the window (hidden until shown) as top-level window number windowNumber; null on failure.
// Its pane's control number comes back in paneNumber when given.
HWND OpenControlsDemo(int windowNumber, int* paneNumber = nullptr);

}  // namespace controls
