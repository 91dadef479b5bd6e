#pragma once
// The two buttons that empty the file list; neither touches a file on disk nor asks for confirmation.

namespace filelist {

// "Retirer sélection": removes the selected rows; the header falls back to "Nom" when no row is left.
void RemoveSelectedRows();
// "Retirer tout": removes every row, sets the header to "Nom" and empties the folder path field.
void ClearFileList();

}  // namespace filelist
