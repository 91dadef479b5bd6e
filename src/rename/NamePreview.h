#pragma once
// The column "Nouveau nom" kept up to date: a short pause after the last keystroke or click in the mode panels, or
// after the rows change, the pass is planned again (rename/PassPlan.h) from the criteria as "Renommer" would read
// them, in batches between which the user's input goes first, and the column shows the plan. The column is on show
// only while the chosen mode has the text it starts from.

namespace renaming {

// Once the main window's controls exist.
void StartNamePreview();

// A field, box or option of the mode panels changed, or another mode was chosen.
void CriteriaChanged();

}  // namespace renaming
