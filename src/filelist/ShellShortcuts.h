#pragma once
// The two shell shortcuts beside the file list: "Ouvrir" of the explorer control's popup menu, and the open-folder
// button ("Explorer ce dossier") beside the folder path field.

namespace filelist {

// Opens each selected entry of the explorer control: a folder or drive in the shell's file browser, a file in the
// program associated with its type. An entry gone from disk is skipped (filelist/ExplorerSelection.h).
void OpenExplorerEntries();
// Opens the folder shown in the folder path field in the shell's file browser; nothing when the field is empty.
void OpenListedFolder();

}  // namespace filelist
