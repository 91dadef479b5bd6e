#pragma once
// The entries of the file list's popup menu. Each acts on the rows selected when it starts, in list order, through
// each row's full path; a row removed keeps the count header in its counted form, down to "Nom ( 0 éléments )".
// A failure on a row gets its own message and never stops the command: the row stays, the next one is handled.

namespace filelist {

// "Propriétés": a properties window per row, not waited for.
void ShowRowProperties();
// "Ouvrir/voir": each file opens in the program associated with its type.
void OpenRows();
// "Retirer de la liste": the rows go, the files stay.
void RemoveRowsFromList();
// "Envoyer à la corbeille": each file (or folder, with its content) goes to the recycle bin, then its row.
void RecycleRows();
// "Supprimer": after one question that names the file or the number of files ("Non" by default, which changes
// nothing), each file is deleted for good, read-only or not, then its row.
void DeleteRows();

}  // namespace filelist
