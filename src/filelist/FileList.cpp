#include "filelist/FileList.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "base/Numbers.h"
#include "filelist/FileListText.h"
#include "filelist/FileRows.h"
#include "filelist/NewNameColumn.h"
#include "filelist/RowIcons.h"
#include "filelist/RowOrder.h"
#include "ui/Controls.h"
#include "ui/Objects.h"
#include "ui/ReportLists.h"
#include "ui/ThreadAlive.h"

namespace filelist {

namespace {

// Time between two repaints while rows come and go.
constexpr ULONGLONG kRepaintInterval = 125;

// What the columns show, as the control numbers them: a column's place may change, its subitem does not.
constexpr int kNameSubitem = 0;
constexpr int kPathSubitem = 1;

// The order the user last chose, while the rows are still in it; its column's header shows the arrow.
struct ShownOrder {
  bool shown = false;
  RowOrderColumn column = RowOrderColumn::Name;
  bool ascending = true;
};

// The list control shows the rows kept here (a virtual list): it asks for a row's texts and icon when it draws
// the row, so 100,000 rows cost only their paths.
struct FileListState {
  FileRows rows;
  int updateDepth = 0;
  bool headerStale = false;
  bool countStale = false;
  ULONGLONG lastRepaint = 0;
  unsigned version = 0;
  void (*rowsChanged)() = nullptr;
  ShownOrder order;
};

FileListState& State() {
  static FileListState state;
  return state;
}

HWND List() { return ui::ControlHandle(base::kFileList); }

void NoteRowsChanged() {
  FileListState& state = State();
  ++state.version;
  if (state.rowsChanged) state.rowsChanged();
}

void WriteHeader(const std::wstring& text) {
  State().headerStale = false;
  ui::SetListColumnTitle(base::kFileList, 0, text);
}

// Tells the control how many rows there are; rows already on show and the scroll position stay.
void WriteRowCount(HWND list) {
  State().countStale = false;
  SendMessageW(list, LVM_SETITEMCOUNT, State().rows.Count(), LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
}

// The control learns of rows added since it last heard, before a row is taken out of it.
void FlushRowCount() {
  if (!State().countStale) return;
  if (HWND list = List()) WriteRowCount(list);
}

void FlushPending() {
  FlushRowCount();
  if (State().headerStale) WriteHeader(CountHeaderText(State().rows.Count()));
}

void Repaint(HWND list) {
  FlushPending();
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  State().lastRepaint = GetTickCount64();
}

// After each row added or removed: the control follows at once, or inside an update when a repaint is due.
void NoteRowChange() {
  FileListState& state = State();
  HWND list = List();
  if (!list) return;
  if (state.updateDepth == 0) {
    FlushPending();
    return;
  }
  if (GetTickCount64() - state.lastRepaint >= kRepaintInterval) Repaint(list);
  ui::ShowThreadAlive();
}

int SubitemOf(RowOrderColumn column) { return column == RowOrderColumn::Path ? kPathSubitem : kNameSubitem; }

// The rows are no longer in the order shown (rows came at the end, or the list was emptied): the arrow goes.
void ForgetShownOrder() {
  if (!State().order.shown) return;
  State().order.shown = false;
  ShowSortArrow();
}

void AppendRow(const std::wstring& path, int image) {
  FileListState& state = State();
  ForgetShownOrder();
  state.rows.Append(path, image);
  state.countStale = true;
  NoteRowsChanged();
  RefreshCountHeader();
  NoteRowChange();
}

void CopyText(std::wstring_view text, wchar_t* buffer, int room) {
  if (!buffer || room <= 0) return;
  size_t length = std::min(text.size(), static_cast<size_t>(room - 1));
  text.copy(buffer, length);
  buffer[length] = L'\0';
}

bool StartsWithCaseless(std::wstring_view text, std::wstring_view prefix) {
  if (prefix.size() > text.size()) return false;
  return CompareStringOrdinal(text.data(), static_cast<int>(prefix.size()), prefix.data(),
                              static_cast<int>(prefix.size()), TRUE) == CSTR_EQUAL;
}

// Typing the start of a name in the list goes to the next row whose name starts so.
int FindRowByName(const NMLVFINDITEMW& request) {
  const FileRows& rows = State().rows;
  if (!(request.lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) || !request.lvfi.psz || rows.Count() == 0) return -1;
  std::wstring_view wanted = request.lvfi.psz;
  bool partial = (request.lvfi.flags & LVFI_PARTIAL) != 0;
  size_t count = rows.Count();
  size_t start = request.iStart >= 0 ? static_cast<size_t>(request.iStart) % count : 0;
  for (size_t step = 0; step < count; ++step) {
    size_t row = (start + step) % count;
    if (!(request.lvfi.flags & LVFI_WRAP) && row < start) break;
    std::wstring_view name = rows.At(row).Name();
    if (partial ? StartsWithCaseless(name, wanted)
                : name.size() == wanted.size() && StartsWithCaseless(name, wanted)) {
      return static_cast<int>(row);
    }
  }
  return -1;
}

void SetRowState(HWND list, int row, UINT mask, UINT state) {
  LVITEMW item{};
  item.stateMask = mask;
  item.state = state;
  SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

// Selects the rows, none selected before. Every row at once when it is all of them: one call for 100,000.
void SelectRows(HWND list, const std::vector<int>& rows) {
  if (!rows.empty() && rows.size() == State().rows.Count()) {
    SetRowState(list, -1, LVIS_SELECTED, LVIS_SELECTED);
    return;
  }
  for (int row : rows) SetRowState(list, row, LVIS_SELECTED, LVIS_SELECTED);
}

// Removes many rows in one sweep: the other rows close up in their order, keep their selection, and the first
// row on show stays the first on show where it is kept.
void SweepRows(HWND list, const std::vector<int>& sortedRows) {
  FlushRowCount();
  ListMarks before;
  before.top = ui::TopRowOf(list);
  before.focused = static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
  before.selected = SelectedFileRows();
  ListMarks after = State().rows.RemoveSorted(sortedRows, before);
  NoteRowsChanged();

  SetRowState(list, -1, LVIS_SELECTED | LVIS_FOCUSED, 0);
  WriteRowCount(list);
  SelectRows(list, after.selected);
  if (after.focused >= 0) SetRowState(list, after.focused, LVIS_FOCUSED, LVIS_FOCUSED);
  ui::ScrollRowToTop(list, after.top);
  RefreshCountHeader();
  NoteRowChange();
}

// Puts the rows in the column's order, as a click on its header asks.
void SortFileRows(RowOrderColumn column) {
  FileListState& state = State();
  HWND list = List();
  if (!list) return;
  // The same column again turns the order round; another column, or a list no longer in order, starts ascending.
  bool ascending = !(state.order.shown && state.order.column == column && state.order.ascending);
  FileListUpdate update;  // one repaint, at the end
  FlushRowCount();
  ListMarks before;
  before.focused = static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
  before.selected = SelectedFileRows();
  ListMarks after = state.rows.Reorder(OrderedRows(state.rows, column, ascending), before);
  state.order = {true, column, ascending};
  NoteRowsChanged();

  // The control keeps the marks by place: they move with their rows.
  SetRowState(list, -1, LVIS_SELECTED | LVIS_FOCUSED, 0);
  SelectRows(list, after.selected);
  if (after.focused >= 0) {
    SetRowState(list, after.focused, LVIS_FOCUSED, LVIS_FOCUSED);
    SendMessageW(list, LVM_SETSELECTIONMARK, 0, after.focused);
    SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(after.focused), FALSE);
  }
  ShowSortArrow();
}

}  // namespace

void AddFileToList(const std::wstring& path) {
  if (State().rows.Contains(path)) return;
  AppendFileRow(path);
}

void AppendFileRow(const std::wstring& path) {
  HWND list = List();
  if (!list) return;
  AppendRow(path, RowImageOf(list, path));
}

void AppendFoundEntry(const std::wstring& path, bool isFolder) {
  HWND list = List();
  if (!list) return;
  AppendRow(path, RowImageOfEntry(list, path, isFolder));
}

void RefreshCountHeader() {
  FileListState& state = State();
  if (state.updateDepth > 0) {
    state.headerStale = true;
    return;
  }
  WriteHeader(CountHeaderText(state.rows.Count()));
}

void ResetCountHeader() { WriteHeader(kEmptyCountHeader); }

unsigned FileRowsVersion() { return State().version; }

void SetRowsChangedHandler(void (*handler)()) { State().rowsChanged = handler; }

int FileRowCount() { return static_cast<int>(State().rows.Count()); }

std::wstring FileRowPath(int row) {
  const FileRows& rows = State().rows;
  return row >= 0 && static_cast<size_t>(row) < rows.Count() ? rows.At(static_cast<size_t>(row)).path : std::wstring();
}

std::wstring FileRowName(int row) {
  const FileRows& rows = State().rows;
  return row >= 0 && static_cast<size_t>(row) < rows.Count() ? std::wstring(rows.At(static_cast<size_t>(row)).Name())
                                                              : std::wstring();
}

std::vector<int> SelectedFileRows() {
  std::vector<int> rows;
  HWND list = List();
  if (!list) return rows;
  int row = -1;
  while ((row = static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(row), LVNI_SELECTED))) >= 0) {
    rows.push_back(row);
  }
  return rows;
}

void RemoveFileRow(int row) {
  FileListState& state = State();
  HWND list = List();
  if (!list || row < 0 || static_cast<size_t>(row) >= state.rows.Count()) return;
  FlushRowCount();
  state.rows.RemoveAt(static_cast<size_t>(row));
  NoteRowsChanged();
  // The control moves the selection and focus of the rows below up by one, as for a row of its own.
  SendMessageW(list, LVM_DELETEITEM, static_cast<WPARAM>(row), 0);
  RefreshCountHeader();
  NoteRowChange();
}

void RemoveFileRows(std::vector<int> rows) {
  HWND list = List();
  if (!list) return;
  rows = RowsToRemove(std::move(rows), State().rows.Count());
  if (rows.empty()) return;
  FileListUpdate update;
  if (rows.size() <= kSweepAbove) {
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) RemoveFileRow(*row);
  } else {
    SweepRows(list, rows);
  }
}

void RemoveAllFileRows() {
  FileListState& state = State();
  state.rows.Clear();
  state.countStale = false;
  if (HWND list = List()) SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
  ForgetShownOrder();
  NoteRowsChanged();
}

void SortRowsByName() { SortFileRows(RowOrderColumn::Name); }

void SortRowsByPath() { SortFileRows(RowOrderColumn::Path); }

void ShowSortArrow() {
  HWND list = List();
  HWND header = list ? reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0)) : nullptr;
  if (!header) return;
  const ShownOrder& order = State().order;
  const int arrowSubitem = order.shown ? SubitemOf(order.column) : -1;
  const int arrow = order.ascending ? HDF_SORTUP : HDF_SORTDOWN;
  const int columns = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
  for (int column = 0; column < columns; ++column) {
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    if (!SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item))) continue;
    int format = item.fmt & ~(HDF_SORTUP | HDF_SORTDOWN);
    if (ui::ListSubItemOfColumn(base::kFileList, column) == arrowSubitem) format |= arrow;
    if (format == item.fmt) continue;
    item.fmt = format;
    SendMessageW(header, HDM_SETITEMW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
  }
}

bool AnswerFileListRequest(LPARAM notification, LRESULT* result) {
  auto* header = reinterpret_cast<const NMHDR*>(notification);
  if (!header || header->hwndFrom != List()) return false;
  const FileRows& rows = State().rows;
  if (header->code == LVN_GETDISPINFOW) {
    auto* request = reinterpret_cast<NMLVDISPINFOW*>(notification);
    LVITEMW& item = request->item;
    if (item.iItem < 0 || static_cast<size_t>(item.iItem) >= rows.Count()) return true;
    const FileRow& row = rows.At(static_cast<size_t>(item.iItem));
    if (item.mask & LVIF_TEXT) {
      if (item.iSubItem == kNewNameSubItem) {
        CopyText(NewNameCellText(item.iItem), item.pszText, item.cchTextMax);
      } else {
        CopyText(item.iSubItem == kPathSubitem ? std::wstring_view(row.path) : row.Name(), item.pszText,
                 item.cchTextMax);
      }
    }
    if (item.mask & LVIF_IMAGE) item.iImage = row.image >= 0 ? row.image : I_IMAGENONE;
    *result = 0;
    return true;
  }
  if (header->code == NM_CUSTOMDRAW) {
    return DrawNewNameCell(*reinterpret_cast<NMLVCUSTOMDRAW*>(notification), result);
  }
  if (header->code == LVN_ODFINDITEMW) {
    *result = FindRowByName(*reinterpret_cast<const NMLVFINDITEMW*>(notification));
    return true;
  }
  if (header->code == LVN_COLUMNCLICK) {
    // A click on a header is the popup entry of its column: the same command, routed as every command is.
    int subitem = ui::ListSubItemOfColumn(base::kFileList, reinterpret_cast<const NMLISTVIEW*>(notification)->iSubItem);
    int command = subitem == kNameSubitem ? base::kListSortByName : subitem == kPathSubitem ? base::kListSortByPath : 0;
    if (command != 0) PostMessageW(GetAncestor(header->hwndFrom, GA_ROOT), WM_COMMAND, MAKEWPARAM(command, 0), 0);
    *result = 0;
    return true;
  }
  return false;
}

FileListUpdate::FileListUpdate() {
  FileListState& state = State();
  if (state.updateDepth++ > 0) return;
  if (HWND list = List()) SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  state.lastRepaint = GetTickCount64();
}

FileListUpdate::~FileListUpdate() {
  FileListState& state = State();
  if (--state.updateDepth > 0) return;
  FlushPending();
  if (HWND list = List()) {
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  }
}

}  // namespace filelist
