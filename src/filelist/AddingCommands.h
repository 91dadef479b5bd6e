#pragma once
// The three commands that fill the file list, all driven by the chosen type of the type field. Both requesters open
// in the start folder: the user's Documents folder at first, then the folder of the last file or folder chosen.

#include <string>

namespace filelist {

// Reads the chosen type. When the type field is empty: the message "Vous devez choisir le type de fichier.", the
// focus on the type field, and false.
bool RequireChosenType(std::wstring* chosenType);

// "Ajouter un ou plusieurs fichiers": the open-file requester; every file chosen is added, with the duplicate
// test, and the start folder follows each one.
void AddFilesCommand();
// "Ajouter un répertoire complet": the folder requester; the chosen folder is shown in the folder path field and
// listed, and becomes the start folder.
void AddFolderCommand();
// "Ajouter" of the explorer's popup menu: each selected folder is listed, each selected file of the chosen type is
// added; another file gets a message and is left out. An entry gone from disk is skipped
// (filelist/ExplorerSelection.h).
void AddFromExplorerCommand();

}  // namespace filelist
