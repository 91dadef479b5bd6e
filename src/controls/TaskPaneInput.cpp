#include "controls/TaskPaneInput.h"

#include "controls/TaskPaneKeys.h"
#include "controls/TaskPaneLayout.h"

namespace controls {

namespace {

void InvalidateHitRect(HWND canvas, const TaskPaneItem* item) {
  if (item) InvalidateRect(canvas, &item->hitRect, FALSE);
}

void SetWantedCursor(bool hand) {
  HCURSOR wanted = LoadCursorW(nullptr, hand ? IDC_HAND : IDC_ARROW);
  if (GetCursor() != wanted) SetCursor(wanted);
}

}  // namespace

TaskPaneState* UpdateHotItem(HWND under, POINT cursor) {
  PaneShared& shared = SharedPaneState();
  HWND previous = shared.hotCanvas;

  if (previous != kNoHotCanvas && previous != under) {
    TaskPaneState* before = PaneOfCanvas(previous);
    if (before && before->hotItem != -1) {
      InvalidateHitRect(previous, PaneItemOf(*before, before->hotItem));
      before->hotItem = -1;
    }
    shared.hotCanvas = kNoHotCanvas;
  }

  DWORD process = 0;
  if (!under) return nullptr;
  GetWindowThreadProcessId(under, &process);
  if (process != shared.ownerProcess) return nullptr;
  TaskPaneState* state = PaneOfCanvas(under);
  if (!state) return nullptr;

  POINT point = cursor;
  ScreenToClient(under, &point);
  if (state->hotItem != -1) {
    TaskPaneItem* hot = PaneItemOf(*state, state->hotItem);
    if (!hot || !PtInRect(&hot->hitRect, point)) {
      InvalidateHitRect(under, hot);
      state->hotItem = -1;
      shared.hotCanvas = kNoHotCanvas;
    }
  }
  for (int i = 0; i < state->itemCount; ++i) {
    TaskPaneItem* item = PaneItemOf(*state, i);
    if (!item || !PtInRect(&item->hitRect, point)) continue;
    if (previous != under || state->hotItem != i) {
      state->hotItem = i;
      shared.hotCanvas = state->canvas;
      InvalidateHitRect(under, item);
    }
    break;
  }
  return state;
}

void CALLBACK PaneHoverTimerProc(HWND, UINT, UINT_PTR, DWORD) {
  POINT cursor;
  if (!GetCursorPos(&cursor)) return;
  if (TaskPaneState* state = UpdateHotItem(WindowFromPoint(cursor), cursor)) SetWantedCursor(state->hotItem != -1);
}

void PaneCreated() {
  PaneShared& shared = SharedPaneState();
  if (shared.livePanes == 0) {
    shared.hoverTimer = SetTimer(nullptr, 0, kPaneHoverInterval, PaneHoverTimerProc);
    shared.hotCanvas = kNoHotCanvas;
  }
  ++shared.livePanes;
}

void PaneDestroyed(const TaskPaneState& state) {
  PaneShared& shared = SharedPaneState();
  if (shared.livePanes > 0 && --shared.livePanes == 0 && shared.hoverTimer) {
    KillTimer(nullptr, shared.hoverTimer);
    shared.hoverTimer = 0;
  }
  if (shared.hotCanvas == state.canvas) shared.hotCanvas = kNoHotCanvas;
}

namespace {

// A press or release may come before any timer tick has seen the pointer there (a tap, a pen, a click sent by an
// accessibility tool): the item under it is made hot first, by the timer's own rule.
void HotItemAtMessage(HWND canvas, LPARAM lParam) {
  POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  ClientToScreen(canvas, &point);
  UpdateHotItem(canvas, point);
}

}  // namespace

LRESULT PaneLeftButtonDown(TaskPaneState& state, HWND canvas, WPARAM wParam, LPARAM lParam) {
  LRESULT result = CallWindowProcW(state.canvasPrevProc, canvas, WM_LBUTTONDOWN, wParam, lParam);
  HotItemAtMessage(canvas, lParam);
  PaneShared& shared = SharedPaneState();
  if (state.hotItem != -1) {
    shared.pressedItem = state.hotItem;
    SetCapture(canvas);
  } else {
    shared.pressedItem = -1;
  }
  return result;
}

LRESULT PaneLeftButtonUp(TaskPaneState& state, HWND canvas, WPARAM wParam, LPARAM lParam) {
  PaneShared& shared = SharedPaneState();
  // The command's handling may destroy the pane: keep what is needed afterwards.
  WNDPROC prevProc = state.canvasPrevProc;
  if (shared.pressedItem != -1) {
    ReleaseCapture();
    HotItemAtMessage(canvas, lParam);
    int pressed = shared.pressedItem;
    shared.pressedItem = -1;
    if (pressed == state.hotItem) ActivatePaneItem(state, pressed);
  }
  return CallWindowProcW(prevProc, canvas, WM_LBUTTONUP, wParam, lParam);
}

}  // namespace controls
