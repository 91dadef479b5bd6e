#pragma once
// The three commands that fill the file list, all driven by the chosen type of the type field. Both requesters open
// in the start folder: the user's Documents folder at first, then the folder of the last file or folder chosen.

#include <string>
#include <vector>

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

// Paths handed from outside (dropped on the window, given on the command line), in their order: a file is added
// whatever its type, with the duplicate test; a folder is listed for the chosen type and shown in the folder path
// field. Both become the start folder. With no type chosen and a folder among the paths, the type message once,
// and the files are still added. What is not there, or a folder that cannot be listed, is left out, and one
// message says how many and names the first.
void AddGivenPaths(const std::vector<std::wstring>& paths);

}  // namespace filelist
