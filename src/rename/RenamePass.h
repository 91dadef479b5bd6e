#pragma once
// The rename pass as the user sees it (rename/PassOnWindow.h): the rows of the file list go through the rename loop
// (rename/RenameLoop.h); the files it renamed are kept for "Annuler le dernier renommage" (rename/UndoPass.h).

#include "rename/RenameModes.h"

namespace renaming {

// Runs the pass with the criteria read once when "Renommer" was confirmed (rename/RenameFields.h).
void RenamePass(RenameCriteria criteria);

}  // namespace renaming
