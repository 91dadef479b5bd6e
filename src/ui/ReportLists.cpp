#include "ui/ReportLists.h"

#include <commctrl.h>

#include "base/LayoutGeometry.h"
#include "ui/Controls.h"
#include "ui/Objects.h"
#include "ui/WindowScaling.h"

namespace ui {

namespace {

template <typename Visit>
void ForEachListView(Visit visit) {
  ForEachProgramControl([&visit](HWND child) {
    if (ClassNameOf(child) == WC_LISTVIEWW) visit(child);
  });
}

int ColumnCount(HWND list) {
  auto header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  return header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

}  // namespace

HWND CreateReportList(int number, int x, int y, int width, int height, const wchar_t* firstColumn, int firstWidth,
                      unsigned flags) {
  DWORD style = LVS_REPORT | LVS_SHOWSELALWAYS | WS_TABSTOP;
  if (!(flags & kListMultiSelect)) style |= LVS_SINGLESEL;
  if (!(flags & kListNoBorder)) style |= WS_BORDER;
  if (flags & kListVirtual) style |= LVS_OWNERDATA;
  DWORD exStyle = (flags & kListClientEdge) ? WS_EX_CLIENTEDGE : 0;
  HWND list = CreateControlWindow(number, WC_LISTVIEWW, L"", style, exStyle, x, y, width, height);
  if (!list) return nullptr;
  DWORD listExStyle = LVS_EX_LABELTIP;
  if (flags & kListFullRowSelect) listExStyle |= LVS_EX_FULLROWSELECT;
  if (flags & kListGridLines) listExStyle |= LVS_EX_GRIDLINES;
  if (flags & kListDoubleBuffer) listExStyle |= LVS_EX_DOUBLEBUFFER;
  SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, listExStyle, listExStyle);
  AddListColumn(GetDlgCtrlID(list), 0, firstColumn, firstWidth);
  return list;
}

void AddListColumn(int number, int column, const wchar_t* title, int width) {
  HWND list = ControlHandle(number);
  if (!list) return;
  LVCOLUMNW col{};
  col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  col.pszText = const_cast<wchar_t*>(title);
  col.cx = Scaled(width);
  col.iSubItem = column;
  SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&col));
}

void SetListColumnTitle(int number, int column, const std::wstring& title) {
  HWND list = ControlHandle(number);
  if (!list || column < 0) return;
  LVCOLUMNW col{};
  col.mask = LVCF_TEXT;
  col.pszText = const_cast<wchar_t*>(title.c_str());
  SendMessageW(list, LVM_SETCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&col));
}

int ListSubItemOfColumn(int number, int index) {
  HWND list = ControlHandle(number);
  LVCOLUMNW col{};
  col.mask = LVCF_SUBITEM;
  if (!list || !SendMessageW(list, LVM_GETCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&col))) {
    return -1;
  }
  return col.iSubItem;
}

int ListColumnOfSubItem(int number, int subItem) {
  HWND list = ControlHandle(number);
  const int columns = list ? ColumnCount(list) : 0;
  for (int index = 0; index < columns; ++index) {
    if (ListSubItemOfColumn(number, index) == subItem) return index;
  }
  return -1;
}

int TopRowOf(HWND list) { return static_cast<int>(SendMessageW(list, LVM_GETTOPINDEX, 0, 0)); }

void ScrollRowToTop(HWND list, int row) {
  RECT bounds{};
  bounds.left = LVIR_BOUNDS;
  if (!SendMessageW(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&bounds))) return;  // no rows
  const int rows = row - TopRowOf(list);
  if (rows != 0) SendMessageW(list, LVM_SCROLL, 0, rows * (bounds.bottom - bounds.top));
}

std::vector<ListTopRow> TopRowsOfLists() {
  std::vector<ListTopRow> tops;
  ForEachListView([&tops](HWND list) { tops.push_back({list, TopRowOf(list)}); });
  return tops;
}

void RescaleAllListColumns(double ratio) {
  ForEachListView([ratio](HWND list) {
    const int columns = ColumnCount(list);
    for (int column = 0; column < columns; ++column) {
      const int width = static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
      const int scaled = base::ScaledEdge(width, ratio);
      SendMessageW(list, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(scaled, 0));
    }
  });
}

}  // namespace ui
