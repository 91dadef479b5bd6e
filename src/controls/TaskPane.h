#pragma once
// The task pane: the program's owner-drawn side panel, a vertical stack of groups. Each group is a header band
// (caption, optional 48 x 48 icon, a chevron that shows whether it is open) followed by its members: links, labels,
// separator lines and host areas that carry ordinary child controls. A click on a group header folds or unfolds
// the group and tells the owner (GroupExpanded, GroupCollapsed); a click on a link sends WM_COMMAND (command, 0)
// to the top-level window. Layout and painting are in TaskPaneLayout.h and TaskPanePaint.h, the mouse in
// TaskPaneInput.h.
//
// Every operation but CreateTaskPane and AddControlItem does nothing and returns 0 (or the empty text) for a
// number that names no pane; a valid index is one with 0 <= index < item count.

#include <windows.h>

#include <string>

#include "controls/PaneItemKind.h"
#include "controls/TaskPaneRecords.h"

namespace controls {

// Creates a pane under the current parent at (x, y), width x height (96-DPI values, shown at the layout scale, as
// are the items' heights); callback may be null. Returns the new
// control number when number is -1, otherwise 1; 0 on failure.
int CreateTaskPane(int number, int x, int y, int width, int height, PaneEventCallback callback);

// The generic add-item command: through the control's command table ("nx_GadgetCommandsVT") when it has one,
// otherwise nothing (0).
int AddControlItem(int number, int position, const wchar_t* text, HICON icon, const TaskPaneItemSpec* descriptor);

// Adds one item at position (-1 appends). Returns the item count after adding, for a HostItem its host
// container's control number; 0 on failure, leaving the pane unchanged. Text and icon are copied.
int AddPaneItem(int number, int position, const wchar_t* text, HICON icon, const TaskPaneItemSpec* descriptor);
int ClearPaneItems(int number);
int CountPaneItems(int number);
int PaneTypeCode(int number);  // 3 for a task pane

enum PaneAttribute : int { ContentWidth = 1, PaneMargin = 2, GroupGap = 3 };
int GetPaneAttribute(int number, int attribute);

// Attributes 7 to 13 are the pane's own colours; others are the frame control's (-1 when unset).
int GetPaneColor(int number, int attribute);
// -1 gives the attribute's default colour. Attribute 9 also colours the host containers.
void SetPaneColor(int number, int attribute, int colour);

enum PaneItemAttribute : int { ItemHeight = 1, ItemKind = 2, ItemHost = 3 };
int GetPaneItemAttribute(int number, int index, int attribute);
// Only the height (attribute 1, value >= 0) can be set; the layout runs again.
void SetPaneItemAttribute(int number, int index, int attribute, int value);

int GetPaneItemData(int number, int index);  // userData of a GroupHeader, 0 for other kinds
void SetPaneItemData(int number, int index, int value);

int GetPaneItemState(int number, int index);  // collapsed of a GroupHeader, 0 for other kinds
// Folds (1) or unfolds (0) a GroupHeader's group as a click would, telling the owner; anything else does nothing.
int SetPaneItemState(int number, int index, int state);

std::wstring GetPaneItemText(int number, int index);
void SetPaneItemText(int number, int index, const wchar_t* text);

void RemovePaneItem(int number, int index);

// The command table shared by all panes: 42 slots, each an operation or null.
inline constexpr int kPaneCommandSlots = 42;
using PaneCommand = void (*)();
struct PaneCommandTable {
  PaneCommand slots[kPaneCommandSlots];
};
enum PaneCommandSlot : int {
  kSlotAddItem = 1,
  kSlotClearItems = 2,
  kSlotCountItems = 3,
  kSlotTypeCode = 10,
  kSlotGetAttribute = 15,
  kSlotGetColor = 16,
  kSlotGetItemAttribute = 19,
  kSlotGetItemData = 21,
  kSlotGetItemState = 22,
  kSlotGetItemText = 23,
  kSlotRemoveItem = 30,
  kSlotSetColor = 34,
  kSlotSetItemAttribute = 37,
  kSlotSetItemData = 39,
  kSlotSetItemState = 40,
  kSlotSetItemText = 41,
};
PaneCommandTable& SharedPaneCommandTable();

// Signatures of the slots, for callers that go through the table.
using AddItemCommand = int (*)(int, int, const wchar_t*, HICON, const TaskPaneItemSpec*);
using PaneOnlyCommand = int (*)(int);
using PaneAttributeCommand = int (*)(int, int);
using SetPaneColorCommand = void (*)(int, int, int);
using GetItemAttributeCommand = int (*)(int, int, int);
using SetItemAttributeCommand = void (*)(int, int, int, int);
using ItemCommand = int (*)(int, int);
using SetItemDataCommand = void (*)(int, int, int);
using SetItemStateCommand = int (*)(int, int, int);
using GetItemTextCommand = std::wstring (*)(int, int);
using SetItemTextCommand = void (*)(int, int, const wchar_t*);
using RemoveItemCommand = void (*)(int, int);

// Makes the fonts all panes draw with for the current layout scale (again after a change of scale).
void LoadPaneFonts();

// Gives an item another icon (a copy is kept), as after a change of scale.
void SetPaneItemIcon(int number, int index, HICON icon);

// Lays every pane out again and repaints it, after a change of scale.
void RelayoutPane(int number);

// Releases what a pane owns when its frame is destroyed (the frame procedure calls these).
void ReleasePaneItems(TaskPaneState& state);
void ReleasePaneState(HWND frame);

}  // namespace controls
