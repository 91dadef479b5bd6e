#include "controls/TaskPaneInput.h"

#include "controls/TaskPaneLayout.h"

namespace controls {

namespace {

void InvalidateHitRect(HWND canvas, const TaskPaneItem* item) {
  if (item) InvalidateRect(canvas, &item->hitRect, FALSE);
}

// The pane state of a canvas window, null when the window is not the canvas of a pane.
TaskPaneState* PaneOfCanvas(HWND window) {
  TaskPaneState* state = PaneStateOf(GetParent(window));
  return state && state->canvas == window ? state : nullptr;
}

void SetWantedCursor(bool hand) {
  HCURSOR wanted = LoadCursorW(nullptr, hand ? IDC_HAND : IDC_ARROW);
  if (GetCursor() != wanted) SetCursor(wanted);
}

}  // namespace

void CALLBACK PaneHoverTimerProc(HWND, UINT, UINT_PTR, DWORD) {
  PaneShared& shared = SharedPaneState();
  POINT cursor;
  if (!GetCursorPos(&cursor)) return;
  HWND previous = shared.hotCanvas;
  HWND under = WindowFromPoint(cursor);

  if (previous != kNoHotCanvas && previous != under) {
    TaskPaneState* before = PaneOfCanvas(previous);
    if (before && before->hotItem != -1) {
      InvalidateHitRect(previous, PaneItemOf(*before, before->hotItem));
      before->hotItem = -1;
    }
    shared.hotCanvas = kNoHotCanvas;
  }

  DWORD process = 0;
  if (!under) return;
  GetWindowThreadProcessId(under, &process);
  if (process != shared.ownerProcess) return;
  TaskPaneState* state = PaneOfCanvas(under);
  if (!state) return;

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
  SetWantedCursor(state->hotItem != -1);
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

LRESULT PaneLeftButtonDown(TaskPaneState& state, HWND canvas, WPARAM wParam, LPARAM lParam) {
  LRESULT result = CallWindowProcW(state.canvasPrevProc, canvas, WM_LBUTTONDOWN, wParam, lParam);
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
    int pressed = shared.pressedItem;
    TaskPaneItem* item = pressed == state.hotItem ? PaneItemOf(state, pressed) : nullptr;
    if (item && item->kind == GroupHeader) {
      item->collapsed = 1 - item->collapsed;
      ApplyGroupFold(state, pressed);
    } else if (item && item->kind == LinkItem && item->commandId != 0) {
      SendMessageW(GetAncestor(canvas, GA_ROOT), WM_COMMAND, static_cast<WPARAM>(item->commandId), 0);
    }
    shared.pressedItem = -1;
  }
  return CallWindowProcW(prevProc, canvas, WM_LBUTTONUP, wParam, lParam);
}

}  // namespace controls
