#pragma once
// "Annuler le dernier renommage": the files the last pass renamed, kept in memory until the next pass or the end of
// the run (nothing is written between runs), and the command that takes them back after a question.

#include <vector>

#include "rename/RenameLoop.h"

namespace renaming {

// What the pass that just ended renamed; it replaces what an earlier pass left, even when it renamed nothing.
void KeepForUndo(std::vector<RenamedFile> record);

// Whether there is a pass to take back.
bool HasRenameToUndo();

// Asks first ("Non" by default), then takes the files back as a pass does (rename/UndoLoop.h) and reports; with
// nothing to take back, says so. Afterwards there is nothing left to undo.
void UndoLastRename();

}  // namespace renaming
