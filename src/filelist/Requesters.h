#pragma once
// The two platform requesters of the adding commands, as the program sets them up.

#include <string>
#include <vector>

namespace filelist {

// The open-file requester, titled "Sélectionnez un fichier il sera ajouté à la liste", in startFolder, with one
// filter "Fichiers" that shows the names ending in .T or .t. Several files may be chosen; a typed name need not
// exist. Returns the chosen files as full paths in the requester's order; nothing when cancelled.
std::vector<std::wstring> AskForFiles(const std::wstring& startFolder, const std::wstring& chosenType);

// The folder requester with startFolder selected. Returns the chosen folder ending with `\`; empty when cancelled
// or when the choice is no file-system folder.
std::wstring AskForFolder(const std::wstring& startFolder);

}  // namespace filelist
