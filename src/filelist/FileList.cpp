#include "filelist/FileList.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "app/MainControls.h"
#include "filelist/FileListText.h"
#include "filelist/PathIndex.h"
#include "filelist/RowIcons.h"
#include "rename/PathParts.h"
#include "ui/Objects.h"
#include "ui/ThreadAlive.h"

namespace filelist {

namespace {

// Above this many rows to remove at once, rebuilding the list costs less than removing row by row.
constexpr size_t kRebuildAbove = 64;
// Time between two repaints while rows come and go.
constexpr ULONGLONG kRepaintInterval = 125;

struct FileListState {
  PathIndex paths;
  std::wstring header = kEmptyCountHeader;
  int updateDepth = 0;
  bool headerStale = false;
  ULONGLONG lastRepaint = 0;
};

FileListState& State() {
  static FileListState state;
  return state;
}

HWND List() { return ui::ControlHandle(app::kFileList); }

void WriteHeader(const std::wstring& text) {
  FileListState& state = State();
  state.header = text;
  state.headerStale = false;
  HWND list = List();
  if (!list) return;
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT;
  column.pszText = const_cast<wchar_t*>(text.c_str());
  SendMessageW(list, LVM_SETCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
}

void FlushHeader() {
  if (State().headerStale) WriteHeader(CountHeaderText(static_cast<size_t>(FileRowCount())));
}

void Repaint(HWND list) {
  FlushHeader();
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  State().lastRepaint = GetTickCount64();
}

// After each row added or removed inside an update: a repaint when its time has come.
void NoteRowChange() {
  FileListState& state = State();
  if (state.updateDepth == 0) return;
  ULONGLONG now = GetTickCount64();
  if (now - state.lastRepaint >= kRepaintInterval) {
    if (HWND list = List()) Repaint(list);
  }
  ui::ShowThreadAlive();
}

std::wstring CellText(HWND list, int row, int column) {
  std::wstring text(260, L'\0');
  for (;;) {
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text.data();
    item.cchTextMax = static_cast<int>(text.size());
    auto length = static_cast<size_t>(SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                                                   reinterpret_cast<LPARAM>(&item)));
    // A text that fills the buffer may have been cut: ask again with more room.
    if (length + 1 < text.size()) {
      text.resize(length);
      return text;
    }
    text.resize(text.size() * 2);
  }
}

void InsertRow(HWND list, int row, const std::wstring& name, const std::wstring& path, int image) {
  LVITEMW item{};
  item.mask = LVIF_TEXT | LVIF_IMAGE;
  item.iItem = row;
  item.pszText = const_cast<wchar_t*>(name.c_str());
  item.iImage = image >= 0 ? image : I_IMAGENONE;
  int inserted = static_cast<int>(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
  if (inserted < 0) return;
  LVITEMW pathCell{};
  pathCell.iSubItem = 1;
  pathCell.pszText = const_cast<wchar_t*>(path.c_str());
  SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(inserted), reinterpret_cast<LPARAM>(&pathCell));
}

void AppendRow(const std::wstring& path, int image) {
  HWND list = List();
  if (!list) return;
  InsertRow(list, FileRowCount(), renaming::NamePart(path), path, image);
  State().paths.Add(path);
  RefreshCountHeader();
  NoteRowChange();
}

struct KeptRow {
  std::wstring name;
  std::wstring path;
  int image;
};

// Removes many rows in one sweep: the rows to keep are read, the list emptied and the kept rows put back in their
// order; the first row on show stays the first row on show where it is kept.
void RebuildWithout(HWND list, const std::vector<int>& sortedRows) {
  int count = FileRowCount();
  int top = static_cast<int>(SendMessageW(list, LVM_GETTOPINDEX, 0, 0));
  int removedAboveTop = 0;
  std::vector<KeptRow> kept;
  kept.reserve(static_cast<size_t>(count) - sortedRows.size());
  size_t next = 0;
  for (int row = 0; row < count; ++row) {
    if (next < sortedRows.size() && sortedRows[next] == row) {
      State().paths.Remove(CellText(list, row, 1));
      if (row < top) ++removedAboveTop;
      ++next;
      continue;
    }
    LVITEMW item{};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    kept.push_back({CellText(list, row, 0), CellText(list, row, 1), item.iImage});
  }
  SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
  for (size_t i = 0; i < kept.size(); ++i) {
    InsertRow(list, static_cast<int>(i), kept[i].name, kept[i].path, kept[i].image);
    if ((i & 1023) == 0) ui::ShowThreadAlive();
  }
  int newTop = top - removedAboveTop;
  if (newTop > 0) {
    RECT first{LVIR_BOUNDS, 0, 0, 0};
    if (SendMessageW(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first))) {
      SendMessageW(list, LVM_SCROLL, 0, newTop * (first.bottom - first.top));
    }
  }
  RefreshCountHeader();
}

}  // namespace

void AddFileToList(const std::wstring& path) {
  if (State().paths.Contains(path)) return;
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
  WriteHeader(CountHeaderText(static_cast<size_t>(FileRowCount())));
}

void ResetCountHeader() { WriteHeader(kEmptyCountHeader); }

std::wstring CountHeader() {
  FlushHeader();
  return State().header;
}

int FileRowCount() {
  HWND list = List();
  return list ? static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)) : 0;
}

std::wstring FileRowPath(int row) {
  HWND list = List();
  return list ? CellText(list, row, 1) : std::wstring();
}

std::wstring FileRowName(int row) {
  HWND list = List();
  return list ? CellText(list, row, 0) : std::wstring();
}

bool IsFileRowSelected(int row) {
  HWND list = List();
  return list && SendMessageW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) != 0;
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

bool IsPathListed(const std::wstring& path) { return State().paths.Contains(path); }

void RemoveFileRow(int row) {
  HWND list = List();
  if (!list || row < 0 || row >= FileRowCount()) return;
  std::wstring path = CellText(list, row, 1);
  if (!SendMessageW(list, LVM_DELETEITEM, static_cast<WPARAM>(row), 0)) return;
  State().paths.Remove(path);
  RefreshCountHeader();
  NoteRowChange();
}

void RemoveFileRows(std::vector<int> rows) {
  HWND list = List();
  if (!list || rows.empty()) return;
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  int count = FileRowCount();
  rows.erase(std::remove_if(rows.begin(), rows.end(), [count](int row) { return row < 0 || row >= count; }),
             rows.end());
  FileListUpdate update;
  if (rows.size() <= kRebuildAbove) {
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) RemoveFileRow(*row);
  } else {
    RebuildWithout(list, rows);
  }
}

void RemoveAllFileRows() {
  if (HWND list = List()) SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
  State().paths.Clear();
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
  FlushHeader();
  if (HWND list = List()) {
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  }
}

}  // namespace filelist
