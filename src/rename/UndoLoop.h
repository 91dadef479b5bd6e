#pragma once
// Taking a rename pass back, without windows: the files the pass renamed go back to their old names, the last
// renamed first, so that a chain (a new name that was another file's old one) unwinds as it was made. Only a file
// that is still at its new name and still the file the pass renamed is moved; nothing is ever replaced.

#include <vector>

#include "rename/RenameLoop.h"

namespace renaming {

// Every file of the record is tried once; each attempt is logged in the undo's own words, a file left alone counts
// as a failure. The outcome's folder is that of the file tried last (the first the pass renamed).
PassOutcome RunUndoLoop(const std::vector<RenamedFile>& record, PassWorld& world);

}  // namespace renaming
