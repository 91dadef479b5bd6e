#pragma once
// The end of a rename pass as the user sees it: the outcome report, and the rename log handed to the shell.

namespace renaming {

// "Renommage": with no failure, asks (Yes, No) whether to open the log; after failures, says how many and opens the
// log once the box is closed. The progress bar goes back to 0 when the box closes.
void ShowOutcomeReport(int errorCount);

// The same for an undo, under its own title and words ("Annulation du renommage").
void ShowUndoReport(int errorCount);

// Opens the rename log with the shell's default action for it, in its own folder, without the shell's error boxes;
// nothing when there is no log.
void OpenRenameLog();

}  // namespace renaming
