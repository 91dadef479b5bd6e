#pragma once
// The rename pass as the user sees it: the main window takes no input while the rows of the file list go through
// the rename loop (rename/RenameLoop.h) with the Windows file calls, log and clock, the activity line and progress
// bar following; then the list is emptied, the outcome reported, and the folder of the last row listed again.

#include "rename/RenameModes.h"

namespace renaming {

// Runs the pass with the criteria read once when "Renommer" was confirmed (rename/RenameFields.h).
void RenamePass(RenameCriteria criteria);

}  // namespace renaming
