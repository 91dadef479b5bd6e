#pragma once
// The explorer control's selected entries as "Ajouter" and "Ouvrir" take them: only those still on disk. A selected
// folder that has gone since it was listed (deleted or renamed behind the program's back), or a drive that does not
// answer, gets the message "Répertoire" / "Le dossier choisi n'est pas accessible."; a file that has gone is passed
// over without a word. Then the control is listed again, so that it no longer shows what has gone.

#include <functional>

namespace filelist {

// Hands each selected entry still on disk to `act` by its row in the explorer control, in row order.
void ForEachSelectedExplorerEntry(const std::function<void(int row)>& act);

// The message for a folder that is gone or cannot be listed, and for a drive that does not answer when the explorer
// control opens it.
void TellFolderNotAccessible();

}  // namespace filelist
