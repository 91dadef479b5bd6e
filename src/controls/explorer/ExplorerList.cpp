#include "controls/explorer/ExplorerList.h"

#include <commctrl.h>
#include <shellapi.h>

#include <chrono>
#include <memory>
#include <optional>
#include <vector>

#include "base/PathParts.h"
#include "controls/explorer/ExplorerDriveQuestions.h"
#include "controls/explorer/ExplorerFolderWatch.h"
#include "controls/explorer/ExplorerListing.h"
#include "controls/explorer/ExplorerOnDisk.h"
#include "controls/explorer/ExplorerPath.h"
#include "controls/explorer/ExplorerRefreshTiming.h"
#include "controls/explorer/ExplorerSort.h"
#include "ui/Controls.h"
#include "ui/Objects.h"
#include "ui/ReportLists.h"
#include "ui/WindowScaling.h"

namespace controls {

namespace {

constexpr const wchar_t* kStateProperty = L"TarvelleExplorerList";
constexpr int kColumnWidth = 100;
constexpr int kNameColumnWidth = 300;
// The window timer that looks at the folder's change notification; an identifier clear of the list view's own.
constexpr UINT_PTR kWatchTimer = 0x7457;
constexpr UINT kWatchTick = 100;  // milliseconds
// Posted to the list by a drive question's thread once the drive has answered.
constexpr UINT kDriveAnsweredMessage = WM_APP + 0x44;
// How long the drives may take to answer before they are shown: the local ones then show complete at once.
constexpr auto kDriveGrace = std::chrono::milliseconds(250);
// How long a drive being opened may take to answer before the user is told it cannot be reached.
constexpr auto kDriveOpenLimit = std::chrono::milliseconds(1000);

struct ColumnSpec {
  const wchar_t* title;
  int format;
};

constexpr ColumnSpec kColumns[kExplorerColumnCount] = {
    {L"Nom", LVCFMT_LEFT},
    {L"Taille", LVCFMT_RIGHT},
    {L"Type", LVCFMT_LEFT},
    {L"Modifié le", LVCFMT_LEFT},
};

// The record kept on the list's window. entries holds the rows in the order shown.
struct ExplorerListState {
  WNDPROC listProc = nullptr;
  std::wstring folder;
  std::vector<ExplorerEntry> entries;
  ExplorerColumn sortColumn = ExplorerColumn::Name;
  bool ascending = true;
  int fileCommand = 0;             // sent to the top-level window by Enter on a file
  int unansweredDriveCommand = 0;  // sent to the top-level window when a drive opened does not answer
  ExplorerFolderWatch watch;       // on the folder on show
  ExplorerRefreshTiming refreshTiming;
  std::shared_ptr<DriveQuestions> driveQuestions;  // shared with the questions' threads, which may outlive the list
};

// Where the user stands in a listing, by the entries' paths, for the next listing to put back what is still there.
struct ListingPlace {
  std::wstring selected;
  std::wstring focused;
  std::wstring top;  // the first visible row
  int topRow = -1;   // its index, kept when its entry is gone; -1: the focused row is scrolled into view instead
};

// The entry leading to `path` selected, focused and in view.
ListingPlace OnEntry(const std::wstring& path) { return {path, path, {}, -1}; }

ExplorerListState* StateOf(HWND list) {
  return list ? static_cast<ExplorerListState*>(GetPropW(list, kStateProperty)) : nullptr;
}

HWND ListOf(int number) {
  HWND list = ui::ControlHandle(number);
  return StateOf(list) ? list : nullptr;
}

const ExplorerEntry* EntryAt(int number, int index) {
  ExplorerListState* state = StateOf(ListOf(number));
  if (!state || index < 0 || static_cast<size_t>(index) >= state->entries.size()) return nullptr;
  return &state->entries[static_cast<size_t>(index)];
}

void SetCellText(HWND list, int row, int column, const std::wstring& text) {
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = const_cast<wchar_t*>(text.c_str());
  SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

void MarkRow(HWND list, int row, UINT states) {
  LVITEMW item{};
  item.stateMask = states;
  item.state = states;
  SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

// The row of the entry leading to `path`, or -1.
int RowLeadingTo(const ExplorerListState& state, const std::wstring& path) {
  if (path.empty()) return -1;
  for (size_t i = 0; i < state.entries.size(); ++i) {
    if (SameFolder(state.entries[i].path, path)) return static_cast<int>(i);
  }
  return -1;
}

std::wstring PathOfRow(const ExplorerListState& state, int row) {
  if (row < 0 || static_cast<size_t>(row) >= state.entries.size()) return {};
  return state.entries[static_cast<size_t>(row)].path;
}

int NextRow(HWND list, UINT flags) {
  return static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), flags));
}

ListingPlace PlaceNow(HWND list, const ExplorerListState& state) {
  int top = ui::TopRowOf(list);
  return {PathOfRow(state, NextRow(list, LVNI_SELECTED)), PathOfRow(state, NextRow(list, LVNI_FOCUSED)),
          PathOfRow(state, top), top};
}

// Rewrites every row from the record, then puts back the selection, the focus and the scrolling of `place`.
void FillRows(HWND list, const ExplorerListState& state, const ListingPlace& place) {
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
  for (size_t i = 0; i < state.entries.size(); ++i) {
    const ExplorerEntry& entry = state.entries[i];
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.iItem = static_cast<int>(i);
    item.pszText = const_cast<wchar_t*>(entry.name.c_str());
    item.iImage = entry.iconIndex;
    item.lParam = static_cast<LPARAM>(i);
    int row = static_cast<int>(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    if (row < 0) continue;
    SetCellText(list, row, static_cast<int>(ExplorerColumn::Size), entry.sizeText);
    SetCellText(list, row, static_cast<int>(ExplorerColumn::Type), entry.typeText);
    SetCellText(list, row, static_cast<int>(ExplorerColumn::Modified), entry.dateText);
  }
  int selected = RowLeadingTo(state, place.selected);
  int focused = RowLeadingTo(state, place.focused);
  // Without a focused entry, the focus goes to the selected one, else to the first row: where the arrow keys start,
  // shown without choosing anything.
  if (focused < 0) focused = selected >= 0 ? selected : (state.entries.empty() ? -1 : 0);
  if (selected >= 0) MarkRow(list, selected, LVIS_SELECTED);
  if (focused >= 0) MarkRow(list, focused, LVIS_FOCUSED);
  if (place.topRow < 0 && focused >= 0) SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(focused), FALSE);
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  // Scrolled once the list draws again: a list view need not follow scrolling while its drawing is off.
  if (place.topRow >= 0) {
    int top = RowLeadingTo(state, place.top);
    ui::ScrollRowToTop(list, top >= 0 ? top : place.topRow);
  }
  InvalidateRect(list, nullptr, TRUE);
}

void ShowSortArrow(HWND list, const ExplorerListState& state) {
  HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  if (!header) return;
  for (int column = 0; column < kExplorerColumnCount; ++column) {
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    if (!SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item))) continue;
    item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
    if (column == static_cast<int>(state.sortColumn)) item.fmt |= state.ascending ? HDF_SORTUP : HDF_SORTDOWN;
    SendMessageW(header, HDM_SETITEMW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
  }
}

std::wstring SelectedPath(HWND list, const ExplorerListState& state) {
  int row = static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
  if (row < 0 || static_cast<size_t>(row) >= state.entries.size()) return {};
  const ExplorerEntry& entry = state.entries[static_cast<size_t>(row)];
  return entry.isParent ? std::wstring() : entry.path;
}

// Gives the drives among `entries` what their questions last answered; whether any row changed.
bool TakeKnownDetails(const DriveQuestions& questions, std::vector<ExplorerEntry>& entries) {
  bool changed = false;
  for (ExplorerEntry& entry : entries) {
    if (!entry.isDrive) continue;
    if (std::optional<DriveDetails> details = questions.Known(entry.path)) {
      changed = TakeDriveDetails(entry, *details) || changed;
    }
  }
  return changed;
}

// The drives, each asked afresh for its details (but never twice at once). A short grace lets those that answer at
// once show complete; the others show their last answer, or their root, and are filled in when they answer.
std::vector<ExplorerEntry> ListDrivesAsking(DriveQuestions& questions) {
  std::vector<ExplorerEntry> drives = ListDrives();
  std::vector<std::wstring> roots;
  for (const ExplorerEntry& drive : drives) {
    questions.Ask(drive.path);
    roots.push_back(drive.path);
  }
  questions.WaitForAnswers(roots, kDriveGrace);
  TakeKnownDetails(questions, drives);
  return drives;
}

// A drive answered: while the drives are on show, its row shows what it said, the user's place kept; otherwise the
// answer waits for their next showing.
void ShowDriveAnswers(HWND list, ExplorerListState& state) {
  if (!state.folder.empty()) return;
  ListingPlace place = PlaceNow(list, state);
  if (!TakeKnownDetails(*state.driveQuestions, state.entries)) return;
  SortExplorerEntries(state.entries, state.sortColumn, state.ascending);
  FillRows(list, state, place);
}

// Whether the drive answers its question (the one pending, or one asked now) in time: a network drive whose server
// is gone would hold the window for many seconds in its listing. A drive that is not ready says so at once, which
// counts as an answer.
bool DriveAnswers(DriveQuestions& questions, const std::wstring& root) {
  questions.Ask(root);
  return questions.WaitForAnswers({root}, kDriveOpenLimit);
}

// Sends `command` to the list's top-level window, as a menu entry does; 0 sends nothing.
void SendCommand(HWND list, int command) {
  if (command != 0) SendMessageW(GetAncestor(list, GA_ROOT), WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

// Lists `folder` afresh in the current sort order, the user's place put back where its entries remain, and
// watches it.
void ShowFolder(HWND list, ExplorerListState& state, const std::wstring& folder, const ListingPlace& place) {
  state.folder = base::WithTrailingBackslash(folder);
  // Watched before it is listed, so that no change made while it is being listed goes unseen.
  if (state.watch.Watch(state.folder)) {
    SetTimer(list, kWatchTimer, kWatchTick, nullptr);
  } else {
    KillTimer(list, kWatchTimer);
  }
  ULONGLONG started = GetTickCount64();
  state.entries = state.folder.empty() ? ListDrivesAsking(*state.driveQuestions) : ListFolder(state.folder);
  SortExplorerEntries(state.entries, state.sortColumn, state.ascending);
  FillRows(list, state, place);
  state.refreshTiming.Refreshed(started, GetTickCount64());
}

// The folder on show listed again as the disk has it now. A folder on show that is gone gives way to the nearest
// folder above it that is still there: the user sees where it was, and what took its place if it was renamed.
void Refresh(HWND list, ExplorerListState& state) {
  std::wstring folder = NearestFolderOnDisk(state.folder);
  ShowFolder(list, state, folder, SameFolder(folder, state.folder) ? PlaceNow(list, state) : ListingPlace{});
}

// A tick of the watch timer. Nothing is listed while the window takes no input (under a modal box, whose command
// may still be working on the rows): the list follows once the box is closed.
void LookAtWatch(HWND list, ExplorerListState& state) {
  ULONGLONG now = GetTickCount64();
  if (state.watch.TakeChange()) state.refreshTiming.ChangeSeen(now);
  if (state.refreshTiming.RefreshDue(now) && IsWindowEnabled(GetAncestor(list, GA_ROOT))) Refresh(list, state);
}

void Sort(HWND list, ExplorerListState& state, int column) {
  if (column < 0 || column >= kExplorerColumnCount) return;
  auto clicked = static_cast<ExplorerColumn>(column);
  if (clicked == state.sortColumn) {
    state.ascending = !state.ascending;
  } else {
    state.sortColumn = clicked;
    state.ascending = true;
  }
  std::wstring keep = SelectedPath(list, state);
  SortExplorerEntries(state.entries, state.sortColumn, state.ascending);
  FillRows(list, state, OnEntry(keep));
  ShowSortArrow(list, state);
}

void Open(HWND list, ExplorerListState& state, int index) {
  if (index < 0 || static_cast<size_t>(index) >= state.entries.size()) return;
  const ExplorerEntry entry = state.entries[static_cast<size_t>(index)];
  if (!entry.isFolder) return;
  if (entry.isDrive && !DriveAnswers(*state.driveQuestions, entry.path)) {
    SendCommand(list, state.unansweredDriveCommand);
    return;
  }
  // Going up, the folder just left is selected, as Explorer does; going down, nothing is.
  std::wstring left = entry.isParent ? state.folder : std::wstring();
  ShowFolder(list, state, entry.path, OnEntry(left));
}

// Enter opens a folder, as a double click does, and hands a file to the command set for it.
void PressEnter(HWND list, ExplorerListState& state, int index) {
  if (index < 0 || static_cast<size_t>(index) >= state.entries.size()) return;
  if (state.entries[static_cast<size_t>(index)].isFolder) {
    Open(list, state, index);
  } else {
    SendCommand(list, state.fileCommand);
  }
}

int SelectedRow(HWND list) { return NextRow(list, LVNI_SELECTED); }

int RowAt(HWND list, LPARAM point) {
  LVHITTESTINFO hit{};
  hit.pt.x = static_cast<short>(LOWORD(point));
  hit.pt.y = static_cast<short>(HIWORD(point));
  int row = static_cast<int>(SendMessageW(list, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  return (hit.flags & LVHT_ONITEM) ? row : -1;
}

bool IsEnterKey(const MSG* message) {
  return message && (message->message == WM_KEYDOWN || message->message == WM_CHAR) && message->wParam == VK_RETURN;
}

bool IsHeadingClick(HWND list, const NMHDR* header) {
  HWND listHeader = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  return header && header->hwndFrom == listHeader && (header->code == HDN_ITEMCLICKW || header->code == HDN_ITEMCLICKA);
}

LRESULT CALLBACK ExplorerListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
  ExplorerListState* state = StateOf(list);
  if (!state) return DefWindowProcW(list, message, wParam, lParam);
  WNDPROC original = state->listProc;
  switch (message) {
    case WM_GETDLGCODE: {
      // The event loop's dialog navigation would take Enter for a default button; the list opens folders with it.
      LRESULT code = CallWindowProcW(original, list, message, wParam, lParam);
      if (IsEnterKey(reinterpret_cast<const MSG*>(lParam))) code |= DLGC_WANTALLKEYS;
      return code;
    }
    case WM_KEYDOWN:
      if (wParam == VK_RETURN) {
        LRESULT result = CallWindowProcW(original, list, message, wParam, lParam);
        PressEnter(list, *state, SelectedRow(list));
        return result;
      }
      break;
    case WM_LBUTTONDBLCLK: {
      LRESULT result = CallWindowProcW(original, list, message, wParam, lParam);
      Open(list, *state, RowAt(list, lParam));
      return result;
    }
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (IsHeadingClick(list, header)) {
        LRESULT result = CallWindowProcW(original, list, message, wParam, lParam);
        Sort(list, *state, reinterpret_cast<const NMHEADERW*>(lParam)->iItem);
        return result;
      }
      break;
    }
    case WM_TIMER:
      if (wParam == kWatchTimer) {
        LookAtWatch(list, *state);
        return 0;
      }
      break;
    case kDriveAnsweredMessage:
      ShowDriveAnswers(list, *state);
      return 0;
    case WM_NCDESTROY:
      state->driveQuestions->StopTelling();
      SetWindowLongPtrW(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
      RemovePropW(list, kStateProperty);
      delete state;
      return CallWindowProcW(original, list, message, wParam, lParam);
    default:
      break;
  }
  return CallWindowProcW(original, list, message, wParam, lParam);
}

HIMAGELIST SystemSmallImageList() {
  SHFILEINFOW info{};
  return reinterpret_cast<HIMAGELIST>(SHGetFileInfoW(L"folder", FILE_ATTRIBUTE_DIRECTORY, &info, sizeof(info),
                                                     SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES));
}

void AddColumns(HWND list) {
  for (int column = 0; column < kExplorerColumnCount; ++column) {
    LVCOLUMNW descriptor{};
    descriptor.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
    descriptor.fmt = kColumns[column].format;
    descriptor.pszText = const_cast<wchar_t*>(kColumns[column].title);
    descriptor.cx = ui::Scaled(kColumnWidth);
    descriptor.iSubItem = column;
    SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&descriptor));
  }
  SendMessageW(list, LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(ui::Scaled(kNameColumnWidth), 0));
}

}  // namespace

HWND CreateExplorerList(int number, int x, int y, int width, int height, const std::wstring& startFolder) {
  // LVS_SHAREIMAGELISTS: the system's image list belongs to the shell and must outlive the list.
  DWORD style = LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS | WS_TABSTOP;
  HWND list = ui::CreateControlWindow(number, WC_LISTVIEWW, L"", style, 0, x, y, width, height);
  if (!list) return nullptr;
  DWORD listExStyle = LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT;
  SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, listExStyle, listExStyle);
  AddColumns(list);
  if (HIMAGELIST icons = SystemSmallImageList()) {
    SendMessageW(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(icons));
  }

  auto* state = new ExplorerListState;
  state->driveQuestions =
      DriveQuestions::Make(AskDriveDetails, [list] { PostMessageW(list, kDriveAnsweredMessage, 0, 0); });
  SetPropW(list, kStateProperty, state);
  state->listProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ExplorerListProc)));
  ShowFolder(list, *state, startFolder, {});
  ShowSortArrow(list, *state);
  return list;
}

std::wstring ExplorerCurrentFolder(int number) {
  ExplorerListState* state = StateOf(ListOf(number));
  return state ? state->folder : std::wstring();
}

void SetExplorerFolder(int number, const std::wstring& folder) {
  HWND list = ListOf(number);
  if (list) ShowFolder(list, *StateOf(list), folder, {});
}

void RefreshExplorerList(int number) {
  HWND list = ListOf(number);
  if (list) Refresh(list, *StateOf(list));
}

bool ExplorerShowsPlaceOf(int number, const std::wstring& path) {
  ExplorerListState* state = StateOf(ListOf(number));
  if (!state || state->folder.empty() || path.empty()) return false;
  return SameFolder(path, state->folder) || SameFolder(base::FolderPart(path), state->folder);
}

int ExplorerEntryCount(int number) {
  ExplorerListState* state = StateOf(ListOf(number));
  return state ? static_cast<int>(state->entries.size()) : 0;
}

std::wstring ExplorerEntryName(int number, int index) {
  const ExplorerEntry* entry = EntryAt(number, index);
  return entry ? entry->name : std::wstring();
}

std::wstring ExplorerEntryPath(int number, int index) {
  const ExplorerEntry* entry = EntryAt(number, index);
  return entry ? entry->path : std::wstring();
}

bool ExplorerEntryIsFolder(int number, int index) {
  const ExplorerEntry* entry = EntryAt(number, index);
  return entry && entry->isFolder;
}

bool ExplorerEntryIsParent(int number, int index) {
  const ExplorerEntry* entry = EntryAt(number, index);
  return entry && entry->isParent;
}

bool ExplorerEntryIsSelected(int number, int index) {
  HWND list = ListOf(number);
  if (!list || !EntryAt(number, index)) return false;
  return SendMessageW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(index), LVIS_SELECTED) != 0;
}

bool ExplorerEntryOnDisk(int number, int index) {
  const ExplorerEntry* entry = EntryAt(number, index);
  if (!entry) return false;
  // A drive is there when it answers; the top level that ".." of a drive leads to always is.
  if (entry->isDrive) return DriveAnswers(*StateOf(ListOf(number))->driveQuestions, entry->path);
  if (entry->path.empty()) return true;
  return entry->isFolder ? IsFolderOnDisk(entry->path) : IsFileOnDisk(entry->path);
}

int ExplorerFirstSelected(int number) {
  HWND list = ListOf(number);
  return list ? SelectedRow(list) : -1;
}

void SortExplorerByColumn(int number, int column) {
  HWND list = ListOf(number);
  if (list) Sort(list, *StateOf(list), column);
}

void OpenExplorerEntry(int number, int index) {
  HWND list = ListOf(number);
  if (list) Open(list, *StateOf(list), index);
}

void SetExplorerFileCommand(int number, int command) {
  HWND list = ListOf(number);
  if (list) StateOf(list)->fileCommand = command;
}

void SetExplorerUnansweredDriveCommand(int number, int command) {
  HWND list = ListOf(number);
  if (list) StateOf(list)->unansweredDriveCommand = command;
}

}  // namespace controls
