#pragma once
// The file list: the rows of control 10 that the next rename acts on. A row, FileListRow, is the file's name
// (subitem 0, "Nom"), its full path (subitem 1, "Chemin complet", the row's identity) and the shell's small icon for
// it. Rows stay in the order they were added until the user sorts them by name or by path; rows added later go to
// the end. The count header is the title of column 0: "Nom", or "Nom ( N éléments )".
//
// The control is a virtual list: the rows are kept here (filelist/FileRows.h) and the control asks for the texts
// and icon of each row it draws, so that a hundred thousand rows stay light. Rows are only added and removed
// through these functions.

#include <windows.h>

#include <string>
#include <vector>

namespace filelist {

// Appends a row for the path unless a row with exactly that path (letter case included) is listed already.
void AddFileToList(const std::wstring& path);
// Appends a row for the path without the duplicate test.
void AppendFileRow(const std::wstring& path);
// The same, for an entry the folder scan found: it exists, and whether it is a folder is known.
void AppendFoundEntry(const std::wstring& path, bool isFolder);

void RefreshCountHeader();  // "Nom ( N éléments )"
void ResetCountHeader();    // "Nom"

// Rows added, removed or put in another order: the count goes up by one for each change, and the handler, if any,
// is called after it. Whatever shows something of every row (the new names) follows through these.
unsigned FileRowsVersion();
void SetRowsChangedHandler(void (*handler)());

// Row queries.
int FileRowCount();
std::wstring FileRowPath(int row);  // column 1
std::wstring FileRowName(int row);  // column 0
std::vector<int> SelectedFileRows();  // in list order

// Removes one row (the rows after it move up by one), then refreshes the count header.
void RemoveFileRow(int row);
// Removes the given rows (any order, each once) as if one by one from the last, each removal followed by the
// count header; for many rows the list is rebuilt instead, which shows the same result.
void RemoveFileRows(std::vector<int> rows);
// Removes every row; the header is left to the caller.
void RemoveAllFileRows();

// The user's order, from the list's popup entries "Trier par nom" and "Trier par chemin complet"; a click on the
// header of "Nom" or "Chemin complet" sends the same commands. Rows go in the order Windows Explorer gives names
// (filelist/RowOrder.h), ascending, or the other way round when the list is already in that column's order. The
// selected and focused rows move with their rows and the focused row stays in view; the rows-changed handler is
// called. The column's header shows the arrow of the order until a row is added or every row goes; removing rows
// keeps it.
void SortRowsByName();
void SortRowsByPath();
// Puts the arrow back on the header of the sorted column, wherever that column is now, and takes it off every other
// header. Columns are found by their subitem, not their place: call this after inserting or deleting a column.
void ShowSortArrow();

// The main window hands the file list's notifications here: the control asks for a row's texts and icon, or for
// the row whose name starts with what the user typed, or tells of a click on a column header. True when the notification was the list's; *result then
// holds the answer.
bool AnswerFileListRequest(LPARAM notification, LRESULT* result);

// While one of these lives, rows are added and removed without a repaint per row: the list, with its count header,
// is repainted several times a second, and once more at the end. They may nest.
class FileListUpdate {
 public:
  FileListUpdate();
  ~FileListUpdate();
  FileListUpdate(const FileListUpdate&) = delete;
  FileListUpdate& operator=(const FileListUpdate&) = delete;
};

}  // namespace filelist
