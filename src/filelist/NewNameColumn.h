#pragma once
// The file list's column "Nouveau nom": what the next rename will make of each row, shown between "Nom" and
// "Chemin complet" while there is something to show, and gone otherwise. It is the third column, subitem 2, shown
// second by the header's order, so that "Chemin complet" stays column and subitem 1, the row's identity, for every
// reader of the list. The cells are asked for when drawn;
// rows foreseen to fail are drawn in red, rows that keep their name in grey, and their text says so for a screen
// reader too.

#include <windows.h>
#include <commctrl.h>

#include <string>

namespace filelist {

inline constexpr int kNewNameSubItem = 2;

enum class CellLook { Normal, Unchanged, Failure };

// Who gives the cells: the text and the look of a row.
struct NewNameCells {
  std::wstring (*text)(int row) = nullptr;
  CellLook (*look)(int row) = nullptr;
};

// Shows the column (at its place, if it is not on show) with this header, its cells given by `cells`, and has the
// list draw them again.
void ShowNewNameColumn(const std::wstring& header, NewNameCells cells);
void HideNewNameColumn();
bool NewNameColumnShown();

// For the file list's notifications: the text of a cell of the column, and its colour when drawn.
std::wstring NewNameCellText(int row);
bool DrawNewNameCell(NMLVCUSTOMDRAW& draw, LRESULT* result);

}  // namespace filelist
