#include "filelist/NewNameColumn.h"

#include <iterator>

#include "base/Numbers.h"
#include "filelist/FileList.h"
#include "ui/Controls.h"
#include "ui/Objects.h"
#include "ui/ReportLists.h"

namespace filelist {

namespace {

// Between "Nom" (300) and "Chemin complet" (490), at 96 DPI.
constexpr int kNewNameWidth = 240;
constexpr COLORREF kFailureColour = RGB(192, 0, 0);

struct ColumnState {
  bool shown = false;
  NewNameCells cells;
};

ColumnState& State() {
  static ColumnState state;
  return state;
}

HWND List() { return ui::ControlHandle(base::kFileList); }

bool IsRowSelected(HWND list, int row) {
  return SendMessageW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) != 0;
}

}  // namespace

void ShowNewNameColumn(const std::wstring& header, NewNameCells cells) {
  ColumnState& state = State();
  HWND list = List();
  if (!list) return;
  state.cells = cells;
  if (!state.shown) {
    // Added last, so that every column's place is its subitem (some list views draw by place), then shown second.
    ui::AddListColumn(base::kFileList, kNewNameSubItem, header.c_str(), kNewNameWidth);
    state.shown = ui::ListColumnOfSubItem(base::kFileList, kNewNameSubItem) >= 0;
    int order[] = {0, kNewNameSubItem, 1};
    if (state.shown) SendMessageW(list, LVM_SETCOLUMNORDERARRAY, std::size(order), reinterpret_cast<LPARAM>(order));
    ShowSortArrow();
  } else {
    ui::SetListColumnTitle(base::kFileList, ui::ListColumnOfSubItem(base::kFileList, kNewNameSubItem), header);
  }
  InvalidateRect(list, nullptr, FALSE);
}

void HideNewNameColumn() {
  ColumnState& state = State();
  if (!state.shown) return;
  state.shown = false;
  state.cells = {};
  const int column = ui::ListColumnOfSubItem(base::kFileList, kNewNameSubItem);
  if (HWND list = List(); list && column >= 0) SendMessageW(list, LVM_DELETECOLUMN, static_cast<WPARAM>(column), 0);
  ShowSortArrow();
}

bool NewNameColumnShown() { return State().shown; }

std::wstring NewNameCellText(int row) {
  const ColumnState& state = State();
  return state.shown && state.cells.text ? state.cells.text(row) : std::wstring();
}

bool DrawNewNameCell(NMLVCUSTOMDRAW& draw, LRESULT* result) {
  const ColumnState& state = State();
  if (!state.shown || !state.cells.look) return false;
  switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT: *result = CDRF_NOTIFYITEMDRAW; return true;
    case CDDS_ITEMPREPAINT: *result = CDRF_NOTIFYSUBITEMDRAW; return true;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
      draw.clrText = CLR_DEFAULT;
      const int row = static_cast<int>(draw.nmcd.dwItemSpec);
      // A selected row keeps the selection's colours, so that its text stays readable on the highlight.
      if (draw.iSubItem == kNewNameSubItem && !IsRowSelected(draw.nmcd.hdr.hwndFrom, row)) {
        CellLook look = state.cells.look(row);
        if (look == CellLook::Failure) draw.clrText = kFailureColour;
        if (look == CellLook::Unchanged) draw.clrText = GetSysColor(COLOR_GRAYTEXT);
      }
      *result = CDRF_NEWFONT;
      return true;
    }
    default: return false;
  }
}

}  // namespace filelist
