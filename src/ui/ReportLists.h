#pragma once
// List views in report view: made with their first column, columns added and named, rows scrolled into place, and
// made again at another scale.

#include <windows.h>

#include <string>
#include <vector>

namespace ui {

enum ListFlags : unsigned {
  kListMultiSelect = 1u << 0,
  kListFullRowSelect = 1u << 1,
  kListGridLines = 1u << 2,
  kListNoBorder = 1u << 3,
  kListDoubleBuffer = 1u << 4,
  kListClientEdge = 1u << 5,
  kListVirtual = 1u << 6,  // the owner keeps the rows and answers LVN_GETDISPINFO
};
HWND CreateReportList(int number, int x, int y, int width, int height, const wchar_t* firstColumn, int firstWidth,
                      unsigned flags);
void AddListColumn(int number, int column, const wchar_t* title, int width);
// The title of the column at place `column`.
void SetListColumnTitle(int number, int column, const std::wstring& title);
// The place of the column that shows `subItem`, or -1.
int ListColumnOfSubItem(int number, int subItem);
// The subitem the column at place `index` shows, or -1.
int ListSubItemOfColumn(int number, int index);

// The first row on show.
int TopRowOf(HWND list);
// Scrolls whole rows until `row` is the first one on show, as far as the list goes.
void ScrollRowToTop(HWND list, int row);

// Across a change of scale: every list view of the program's windows keeps its first row on show, and its
// columns grow or shrink by ratio (new scale / old scale).
struct ListTopRow {
  HWND list = nullptr;
  int row = 0;
};
std::vector<ListTopRow> TopRowsOfLists();
void RescaleAllListColumns(double ratio);

}  // namespace ui
