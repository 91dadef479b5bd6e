#pragma once
// The task pane's records: what all panes share, the state of one pane (on its frame window under
// "nxEXPLORERBAR_PROP"), its items, the descriptor callers fill to add an item, and the owner's callback.
// Fields keep their documented order; handles and pointers take a pointer-sized field.

#include <windows.h>

#include <cstdint>

#include "controls/PaneItemArray.h"
#include "controls/PaneItemKind.h"

namespace controls {

inline constexpr const wchar_t* kPaneStateProperty = L"nxEXPLORERBAR_PROP";
inline constexpr const wchar_t* kPaneCommandsProperty = L"nx_GadgetCommandsVT";

// The owner's event callback: (pane control number, event code, item, data); its result is ignored.
using PaneEventCallback = int (*)(int pane, int event, int item, int data);

enum PaneEvent : int {
  PaneWidthChanged = 1,  // item: previous content width, data: new content width
  GroupExpanded = 2,     // item: header index
  GroupCollapsed = 3,    // item: header index
};

// Filled by the caller for each item it adds; read during the call only.
struct TaskPaneItemSpec {
  int kind = 0;
  int height = 0;
  int commandId = 0;     // copied to the item's commandId
  HFONT font = nullptr;  // copied to the item's font; the caller keeps it alive
};

struct TaskPaneItem {
  int kind;
  int height;        // never negative
  int collapsed;     // headers: 1 when the group is folded
  wchar_t* text;     // the item's own copy
  int commandId;     // links: the command sent on a click, 0 = none
  HFONT font;        // drawn with instead of the pane's font; not owned
  HICON icon;        // the item's own copy, null = none
  int host;          // HostItem: control number of its host container
  int userData;
  RECT hitRect;      // canvas coordinates, written by painting; right = -1 when folded away
};

struct TaskPaneState {
  int frame;                        // control number of the frame (the scroll container)
  HWND canvas;                      // the inner canvas window
  int itemCount;
  PaneItemArray items;
  PaneEventCallback ownerCallback;  // may be null
  int hotItem;                      // item under the mouse, -1 when none
  int headerLightColor;             // colour attributes 7 to 13
  int headerTextColor;
  int groupBodyColor;
  int linkColor;
  int labelColor;
  int separatorColor;
  int hotColor;
  WNDPROC framePrevProc;
  WNDPROC canvasPrevProc;
  int focusItem;                    // the header or link the keyboard is on while the canvas has the focus, -1 none
};

inline const HWND kNoHotCanvas = reinterpret_cast<HWND>(static_cast<std::intptr_t>(-1));

// One for all panes.
struct PaneShared {
  HFONT headerFont = nullptr;       // Arial 11 points bold, replaced only when the layout scale changes
  HFONT itemFont = nullptr;         // Tahoma 8 points, likewise
  UINT_PTR hoverTimer = 0;          // 1 ms thread timer, no window
  int livePanes = 0;
  HWND hotCanvas = nullptr;         // canvas of the pane with a hot item, kNoHotCanvas when none
  DWORD ownerProcess = 0;           // process of the first pane's frame
  int pressedItem = -1;             // item the left button went down on, -1 when none
  int fontDotsPerInch = 0;          // what the two fonts are made for
};

PaneShared& SharedPaneState();

// The state of a pane frame window, null when the window is not a pane frame.
TaskPaneState* PaneStateOf(HWND frame);
// The state of a pane by control number, null when the number names no pane.
TaskPaneState* PaneStateOf(int number);
// The state of the pane whose canvas the window is, null when it is no pane's canvas.
TaskPaneState* PaneOfCanvas(HWND canvas);

// The item at a valid index (0 <= index < itemCount), null otherwise.
TaskPaneItem* PaneItemOf(const TaskPaneState& state, int index);

// Tells the owner an event; nothing when the pane has no callback.
void NotifyPaneOwner(const TaskPaneState& state, int event, int item, int data);

}  // namespace controls
