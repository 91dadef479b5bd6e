#pragma once
// A pass over files as the user sees it, forward or back: the main window takes no input while the loop runs with
// the Windows file calls, log and clock, the activity line and progress bar following; then the list is emptied,
// the outcome reported, and the folder of the last file listed again.

#include <functional>

#include "rename/RenameLoop.h"

namespace renaming {

// Runs `loop` in the world of the real files; `report` tells the outcome once the list is emptied and the window
// takes input again.
void RunPassOnWindow(const std::function<PassOutcome(PassWorld&)>& loop, void (*report)(int errorCount));

}  // namespace renaming
