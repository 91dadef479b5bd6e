#include "controls/TaskPane.h"

#include <cstdlib>
#include <cwchar>

#include "controls/PaneColors.h"
#include "controls/PaneMetrics.h"
#include "controls/ScrollContainer.h"
#include "controls/TaskPaneInput.h"
#include "controls/TaskPaneLayout.h"
#include "controls/TaskPaneProcs.h"
#include "ui/ChildList.h"
#include "ui/Containers.h"
#include "ui/ControlColors.h"
#include "ui/Events.h"
#include "ui/Objects.h"
#include "ui/ScaleChanges.h"
#include "ui/WindowScaling.h"

namespace controls {

namespace {

constexpr int kTaskPaneTypeCode = 3;

wchar_t* CopyText(const wchar_t* text) {
  if (!text) text = L"";
  size_t length = std::wcslen(text);
  auto* copy = static_cast<wchar_t*>(std::calloc(length + 1, sizeof(wchar_t)));
  if (copy) std::wmemcpy(copy, text, length);
  return copy;
}

HICON CopyIconHandle(HICON icon) { return icon ? CopyIcon(icon) : nullptr; }

HFONT MakeFont(const wchar_t* face, int points, int weight, int dotsPerInch) {
  return CreateFontW(PointsToFontHeight(points, dotsPerInch), 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face);
}

}  // namespace

// Made for the layout scale, not the screen: the texts must keep their places in the bands.
void LoadPaneFonts() {
  PaneShared& shared = SharedPaneState();
  const int dotsPerInch = ui::LayoutDotsPerInch();
  if (shared.headerFont && shared.itemFont && shared.fontDotsPerInch == dotsPerInch) return;
  HFONT header = MakeFont(L"Arial", 11, FW_BOLD, dotsPerInch);
  HFONT item = MakeFont(L"Tahoma", 8, FW_NORMAL, dotsPerInch);
  if (!header || !item) {  // the pane keeps the fonts it has
    if (header) DeleteObject(header);
    if (item) DeleteObject(item);
    return;
  }
  // Painting selects the fonts only while it paints: the old ones can go at once.
  if (shared.headerFont) DeleteObject(shared.headerFont);
  if (shared.itemFont) DeleteObject(shared.itemFont);
  shared.headerFont = header;
  shared.itemFont = item;
  shared.fontDotsPerInch = dotsPerInch;
}

namespace {

template <typename Function>
PaneCommand AsCommand(Function function) {
  return reinterpret_cast<PaneCommand>(function);
}

void FillCommandTable() {
  PaneCommandTable& table = SharedPaneCommandTable();
  table.slots[kSlotAddItem] = AsCommand(&AddPaneItem);
  table.slots[kSlotClearItems] = AsCommand(&ClearPaneItems);
  table.slots[kSlotCountItems] = AsCommand(&CountPaneItems);
  table.slots[kSlotTypeCode] = AsCommand(&PaneTypeCode);
  table.slots[kSlotGetAttribute] = AsCommand(&GetPaneAttribute);
  table.slots[kSlotGetColor] = AsCommand(&GetPaneColor);
  table.slots[kSlotGetItemAttribute] = AsCommand(&GetPaneItemAttribute);
  table.slots[kSlotGetItemData] = AsCommand(&GetPaneItemData);
  table.slots[kSlotGetItemState] = AsCommand(&GetPaneItemState);
  table.slots[kSlotGetItemText] = AsCommand(&GetPaneItemText);
  table.slots[kSlotRemoveItem] = AsCommand(&RemovePaneItem);
  table.slots[kSlotSetColor] = AsCommand(&SetPaneColor);
  table.slots[kSlotSetItemAttribute] = AsCommand(&SetPaneItemAttribute);
  table.slots[kSlotSetItemData] = AsCommand(&SetPaneItemData);
  table.slots[kSlotSetItemState] = AsCommand(&SetPaneItemState);
  table.slots[kSlotSetItemText] = AsCommand(&SetPaneItemText);
}

void SendFrameSize(const TaskPaneState& state) {
  HWND frame = ui::ControlHandle(state.frame);
  if (!frame) return;
  RECT client;
  GetClientRect(frame, &client);
  SendMessageW(frame, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
}

void DestroyHost(int host) {
  if (HWND window = ui::ControlHandle(host)) {
    DestroyWindow(window);
    ui::ForgetControl(host);
  }
}

void FreeItem(TaskPaneItem* item) {
  if (!item) return;
  std::free(item->text);
  if (item->icon) DestroyIcon(item->icon);
  if (item->kind == HostItem) DestroyHost(item->host);
  std::free(item);
}

// Makes the borderless host container of a HostItem inside the canvas; its control number, 0 on failure.
int CreateHostContainer(const TaskPaneState& state) {
  HWND host = nullptr;
  {
    ui::ChildList inCanvas(state.frame);
    host = ui::CreateContainer(ui::kNewNumber, kHiddenHostX, kHiddenHostY, kHiddenHostWidth, kHiddenHostHeight,
                               ui::ContainerBorder::None);
  }
  if (!host) return 0;
  ui::ForgetDesignBox(host);  // the pane's layout places it
  SetWindowLongPtrW(host, GWL_STYLE, GetWindowLongPtrW(host, GWL_STYLE) | WS_CLIPCHILDREN);
  int number = GetDlgCtrlID(host);
  ui::SetControlColor(number, ui::kBackColor, static_cast<COLORREF>(state.groupBodyColor));
  return number;
}

void RepaintCanvas(const TaskPaneState& state) { InvalidateRect(state.canvas, nullptr, FALSE); }

}  // namespace

PaneCommandTable& SharedPaneCommandTable() {
  static PaneCommandTable table{};
  return table;
}

int CreateTaskPane(int number, int x, int y, int width, int height, PaneEventCallback callback) {
  FillCommandTable();
  LoadPaneFonts();
  auto* state = static_cast<TaskPaneState*>(std::calloc(1, sizeof(TaskPaneState)));
  if (!state) return 0;
  state->items = CreatePaneItemArray();
  if (!state->items) {
    std::free(state);
    return 0;
  }
  HWND frame = CreateScrollContainer(number, x, y, width, height, width, 0, kPaneScrollStep, false);
  if (!frame) {
    FreePaneItemArray(state->items);
    std::free(state);
    return 0;
  }
  state->frame = GetDlgCtrlID(frame);

  SetWindowLongPtrW(frame, GWL_STYLE, GetWindowLongPtrW(frame, GWL_STYLE) & ~static_cast<LONG_PTR>(WS_HSCROLL));
  SetWindowPos(frame, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_FRAMECHANGED | SWP_NOOWNERZORDER);
  ui::SetControlColor(state->frame, ui::kBackColor, static_cast<COLORREF>(PaneCreationColor(kPaneBackground)));

  state->ownerCallback = callback;
  state->hotItem = -1;
  state->focusItem = -1;
  state->headerLightColor = PaneCreationColor(kHeaderLightColor);
  state->headerTextColor = PaneCreationColor(kHeaderTextColor);
  state->groupBodyColor = PaneCreationColor(kGroupBodyColor);
  state->linkColor = PaneCreationColor(kLinkColor);
  state->labelColor = PaneCreationColor(kLabelColor);
  state->separatorColor = PaneCreationColor(kSeparatorColor);
  state->hotColor = PaneCreationColor(kHotColor);

  SetPropW(frame, kPaneStateProperty, state);
  SetPropW(frame, kPaneCommandsProperty, &SharedPaneCommandTable());
  state->framePrevProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(frame, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&PaneFrameProc)));

  state->canvas = FindWindowExW(frame, nullptr, kScrollCanvasClass, nullptr);
  if (state->canvas) {
    state->canvasPrevProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(state->canvas, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&PaneCanvasProc)));
    SetClassLongPtrW(state->canvas, GCLP_HCURSOR, 0);
    // One tab stop for the dialog navigation, which does not look inside: the pane leads the keyboard there itself.
    SetWindowLongPtrW(state->canvas, GWL_EXSTYLE,
                      GetWindowLongPtrW(state->canvas, GWL_EXSTYLE) & ~static_cast<LONG_PTR>(WS_EX_CONTROLPARENT));
    SetWindowLongPtrW(state->canvas, GWL_STYLE, GetWindowLongPtrW(state->canvas, GWL_STYLE) | WS_TABSTOP);
    ui::KeepOwnTabOrder(state->canvas);
  }

  PaneShared& shared = SharedPaneState();
  if (shared.ownerProcess == 0) GetWindowThreadProcessId(frame, &shared.ownerProcess);
  PaneCreated();
  // Its fonts are made for the layout scale and its bands laid out by itself: both again at a change of scale.
  const int pane = state->frame;
  ui::OnScaleChange(frame, ui::ScaleStep::Look, [pane] {
    LoadPaneFonts();
    RelayoutPane(pane);
  });
  return number == ui::kNewNumber ? state->frame : 1;
}

int AddControlItem(int number, int position, const wchar_t* text, HICON icon, const TaskPaneItemSpec* descriptor) {
  HWND control = ui::ControlHandle(number);
  if (!control) return 0;
  auto* table = static_cast<PaneCommandTable*>(GetPropW(control, kPaneCommandsProperty));
  if (!table) return 0;
  if (PaneCommand add = table->slots[kSlotAddItem]) {
    return reinterpret_cast<AddItemCommand>(add)(number, position, text, icon, descriptor);
  }
  // The standard command of ordinary list controls: a text entry at the position, -1 appending.
  wchar_t windowClass[32] = {};
  GetClassNameW(control, windowClass, 32);
  UINT insert = std::wcscmp(windowClass, L"ComboBox") == 0 ? CB_INSERTSTRING
                : std::wcscmp(windowClass, L"ListBox") == 0 ? LB_INSERTSTRING
                                                            : 0;
  if (insert == 0) return 0;
  LRESULT added = SendMessageW(control, insert, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(text ? text : L""));
  return added < 0 ? 0 : static_cast<int>(added) + 1;
}

int AddPaneItem(int number, int position, const wchar_t* text, HICON icon, const TaskPaneItemSpec* descriptor) {
  TaskPaneState* state = PaneStateOf(number);
  if (!descriptor || !state || descriptor->kind == 0) return 0;
  if (position == -1) position = state->itemCount;
  if (position < 0 || position > state->itemCount) return 0;

  int host = 0;
  if (descriptor->kind == HostItem) {
    host = CreateHostContainer(*state);
    if (host == 0) return 0;
  }
  auto* item = static_cast<TaskPaneItem*>(std::calloc(1, sizeof(TaskPaneItem)));
  wchar_t* textCopy = item ? CopyText(text) : nullptr;
  if (!item || !textCopy || !ResizePaneItemArray(state->items, state->itemCount + 1)) {
    std::free(textCopy);
    std::free(item);
    if (host) DestroyHost(host);
    return 0;
  }
  InsertPaneItem(state->items, state->itemCount, position, item);
  item->kind = descriptor->kind;
  item->height = descriptor->height < 0 ? 0 : descriptor->height;
  item->text = textCopy;
  item->commandId = descriptor->commandId;
  item->font = descriptor->font;
  ++state->itemCount;
  int result = state->itemCount;
  switch (item->kind) {
    case GroupHeader:
    case FixedHeader:
      item->collapsed = 0;
      item->icon = CopyIconHandle(icon);
      break;
    case LinkItem:
      item->icon = CopyIconHandle(icon);
      break;
    case HostItem:
      item->host = host;
      result = host;
      break;
    default:
      break;
  }
  if (item->height != 0) SendFrameSize(*state);
  state->hotItem = -1;
  state->focusItem = -1;
  InvalidateRect(state->canvas, nullptr, FALSE);
  UpdateWindow(state->canvas);
  return result;
}

int ClearPaneItems(int number) {
  TaskPaneState* state = PaneStateOf(number);
  if (!state) return 0;
  while (state->itemCount > 0) RemovePaneItem(number, state->itemCount - 1);
  return 0;
}

int CountPaneItems(int number) {
  TaskPaneState* state = PaneStateOf(number);
  return state ? state->itemCount : 0;
}

int PaneTypeCode(int number) { return PaneStateOf(number) ? kTaskPaneTypeCode : 0; }

int GetPaneAttribute(int number, int attribute) {
  TaskPaneState* state = PaneStateOf(number);
  if (!state) return 0;
  switch (attribute) {
    case ContentWidth: return PaneContentWidth(ScrollInnerWidth(state->frame), ui::LayoutScale());
    case PaneMargin: return kPaneMargin;
    case GroupGap: return kPaneGroupGap;
    default: return 0;
  }
}

namespace {

int* ColorField(TaskPaneState& state, int attribute) {
  switch (attribute) {
    case kHeaderLightColor: return &state.headerLightColor;
    case kHeaderTextColor: return &state.headerTextColor;
    case kGroupBodyColor: return &state.groupBodyColor;
    case kLinkColor: return &state.linkColor;
    case kLabelColor: return &state.labelColor;
    case kSeparatorColor: return &state.separatorColor;
    case kHotColor: return &state.hotColor;
    default: return nullptr;
  }
}

}  // namespace

int GetPaneColor(int number, int attribute) {
  TaskPaneState* state = PaneStateOf(number);
  if (!state) return 0;
  if (int* field = ColorField(*state, attribute)) return *field;
  return ui::GetControlColor(state->frame, attribute);
}

void SetPaneColor(int number, int attribute, int colour) {
  TaskPaneState* state = PaneStateOf(number);
  if (!state) return;
  if (colour == -1 && (IsPaneOwnColor(attribute) || attribute == kPaneBackground)) {
    colour = PaneDefaultColor(attribute);
  }
  if (int* field = ColorField(*state, attribute)) {
    *field = colour;
    if (attribute == kGroupBodyColor) {
      for (int i = 0; i < state->itemCount; ++i) {
        const TaskPaneItem* item = PaneItemOf(*state, i);
        if (item && item->kind == HostItem) ui::SetControlColor(item->host, ui::kBackColor, static_cast<COLORREF>(colour));
      }
    }
    RepaintCanvas(*state);
    return;
  }
  ui::SetControlColor(state->frame, attribute, static_cast<COLORREF>(colour));
  if (attribute == kPaneBackground) RepaintCanvas(*state);
}

int GetPaneItemAttribute(int number, int index, int attribute) {
  TaskPaneState* state = PaneStateOf(number);
  const TaskPaneItem* item = state ? PaneItemOf(*state, index) : nullptr;
  if (!item) return 0;
  switch (attribute) {
    case ItemHeight: return item->height;
    case ItemKind: return item->kind;
    case ItemHost: return item->kind == HostItem ? item->host : 0;
    default: return 0;
  }
}

void SetPaneItemAttribute(int number, int index, int attribute, int value) {
  TaskPaneState* state = PaneStateOf(number);
  TaskPaneItem* item = state ? PaneItemOf(*state, index) : nullptr;
  if (!item || attribute != ItemHeight || value < 0) return;
  item->height = value;
  SendFrameSize(*state);
}

int GetPaneItemData(int number, int index) {
  TaskPaneState* state = PaneStateOf(number);
  const TaskPaneItem* item = state ? PaneItemOf(*state, index) : nullptr;
  return item && item->kind == GroupHeader ? item->userData : 0;
}

void SetPaneItemData(int number, int index, int value) {
  TaskPaneState* state = PaneStateOf(number);
  if (TaskPaneItem* item = state ? PaneItemOf(*state, index) : nullptr) item->userData = value;
}

int GetPaneItemState(int number, int index) {
  TaskPaneState* state = PaneStateOf(number);
  const TaskPaneItem* item = state ? PaneItemOf(*state, index) : nullptr;
  return item && item->kind == GroupHeader ? item->collapsed : 0;
}

int SetPaneItemState(int number, int index, int collapsed) {
  TaskPaneState* state = PaneStateOf(number);
  TaskPaneItem* item = state ? PaneItemOf(*state, index) : nullptr;
  if (!item || item->kind != GroupHeader || (collapsed != 0 && collapsed != 1) || item->collapsed == collapsed) {
    return 0;
  }
  item->collapsed = collapsed;
  ApplyGroupFold(*state, index);
  return 0;
}

std::wstring GetPaneItemText(int number, int index) {
  TaskPaneState* state = PaneStateOf(number);
  const TaskPaneItem* item = state ? PaneItemOf(*state, index) : nullptr;
  return item && item->text ? std::wstring(item->text) : std::wstring();
}

void SetPaneItemText(int number, int index, const wchar_t* text) {
  TaskPaneState* state = PaneStateOf(number);
  TaskPaneItem* item = state ? PaneItemOf(*state, index) : nullptr;
  if (!item) return;
  wchar_t* copy = CopyText(text);
  if (!copy) return;
  std::free(item->text);
  item->text = copy;
  RepaintCanvas(*state);
}

void SetPaneItemIcon(int number, int index, HICON icon) {
  TaskPaneState* state = PaneStateOf(number);
  TaskPaneItem* item = state ? PaneItemOf(*state, index) : nullptr;
  if (!item || (item->kind != GroupHeader && item->kind != FixedHeader && item->kind != LinkItem)) return;
  if (item->icon) DestroyIcon(item->icon);
  item->icon = CopyIconHandle(icon);
  RepaintCanvas(*state);
}

void RelayoutPane(int number) {
  TaskPaneState* state = PaneStateOf(number);
  if (!state) return;
  SendFrameSize(*state);
  RepaintCanvas(*state);
}

void RemovePaneItem(int number, int index) {
  TaskPaneState* state = PaneStateOf(number);
  TaskPaneItem* item = state ? PaneItemOf(*state, index) : nullptr;
  if (!item) return;
  FreeItem(item);
  RemovePaneItemAt(state->items, state->itemCount, index);
  --state->itemCount;
  ResizePaneItemArray(state->items, state->itemCount);
  // Indexes above the removed item have moved: neither may keep addressing the old ones.
  state->hotItem = -1;
  state->focusItem = -1;
  SharedPaneState().pressedItem = -1;
  if (SharedPaneState().hotCanvas == state->canvas) SharedPaneState().hotCanvas = kNoHotCanvas;
  SendFrameSize(*state);
}

void ReleasePaneItems(TaskPaneState& state) {
  for (int i = 0; i < state.itemCount; ++i) FreeItem(PaneItemOf(state, i));
  FreePaneItemArray(state.items);
  state.items = nullptr;
  state.itemCount = 0;
  state.hotItem = -1;
}

void ReleasePaneState(HWND frame) {
  TaskPaneState* state = PaneStateOf(frame);
  RemovePropW(frame, kPaneStateProperty);
  RemovePropW(frame, kPaneCommandsProperty);
  std::free(state);
}

}  // namespace controls
