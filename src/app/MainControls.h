#pragma once
// Every control of the main window, created in the order that gives the keyboard focus order:
// the task pane with its groups, the file list and its neighbours, the three mode panels, the activity line,
// the progress bar and the command bar.

#include "app/MainWindow.h"

namespace app {

// The main window's inner height at creation; three sizes are computed from it once.
inline constexpr int kMainInnerHeight = kMainClientHeight;

// Start-up step 13.
void CreateMainControls();

// Parts of step 13, in their order.
void CreateTaskPaneContent();
void CreateListArea();
void CreateModePanels();
void CreateProgressArea();
void CreateCommandBar();

}  // namespace app
