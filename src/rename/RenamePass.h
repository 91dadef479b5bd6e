#pragma once
// The rename pass: every row of the file list, in list order, renamed in its own folder by the chosen mode, each
// attempt logged; then the list emptied, the outcome reported, and the folder of the last row listed again.

#include "rename/RenameModes.h"

namespace renaming {

void RenamePass(RenameCriteria criteria);

// The three modes, each reading its criteria from its panel once.
void RenumberFiles();
void ReplaceInNames();
void AddToNames();

}  // namespace renaming
