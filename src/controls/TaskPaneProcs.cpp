#include "controls/TaskPaneProcs.h"

#include "controls/ScrollContainer.h"
#include "controls/TaskPane.h"
#include "controls/TaskPaneAccessible.h"
#include "controls/TaskPaneInput.h"
#include "controls/TaskPaneKeys.h"
#include "controls/TaskPaneLayout.h"
#include "controls/TaskPanePaint.h"
#include "ui/Accessible.h"
#include "ui/ControlColors.h"
#include "ui/Events.h"
#include "ui/Objects.h"

namespace controls {

namespace {

void FrameSized(TaskPaneState& state) {
  if (LayoutPane(state) != 0) InvalidateRect(state.canvas, nullptr, FALSE);
}

void FrameErased(HWND frame, const TaskPaneState& state, HDC dc) {
  RECT client;
  GetClientRect(frame, &client);
  RECT below{0, ScrollInnerHeight(state.frame), client.right, client.bottom};
  if (below.top < below.bottom) {
    HBRUSH brush = CreateSolidBrush(PaneBackgroundColor(state));
    FillRect(dc, &below, brush);
    DeleteObject(brush);
  }
}

void FrameEnabled(HWND frame, TaskPaneState& state, bool enabled) {
  EnableWindow(state.canvas, enabled);
  int hostBack = enabled ? state.groupBodyColor : static_cast<int>(GetSysColor(COLOR_BTNFACE));
  for (int i = 0; i < state.itemCount; ++i) {
    const TaskPaneItem* item = PaneItemOf(state, i);
    if (item && item->kind == HostItem) ui::SetControlColor(item->host, ui::kBackColor, static_cast<COLORREF>(hostBack));
  }
  InvalidateRect(frame, nullptr, TRUE);
  InvalidateRect(state.canvas, nullptr, FALSE);
}

LRESULT CanvasPainted(TaskPaneState& state, HWND canvas, HDC printDc) {
  if (printDc) {
    RECT whole;
    GetClientRect(canvas, &whole);
    PaintPaneCanvas(state, printDc, whole);
    return 0;
  }
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(canvas, &paint);
  if (dc) {
    PaintPaneCanvas(state, dc, paint.rcPaint);
    EndPaint(canvas, &paint);
  }
  return 0;
}

}  // namespace

LRESULT CALLBACK PaneFrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  TaskPaneState* state = PaneStateOf(window);
  if (!state) return DefWindowProcW(window, message, wParam, lParam);
  WNDPROC prevProc = state->framePrevProc;
  switch (message) {
    case WM_SIZE:
      FrameSized(*state);
      break;
    case WM_ERASEBKGND:
      FrameErased(window, *state, reinterpret_cast<HDC>(wParam));
      return 1;
    case WM_ENABLE:
      FrameEnabled(window, *state, wParam != 0);
      break;
    case WM_DESTROY: {
      LRESULT result = CallWindowProcW(prevProc, window, message, wParam, lParam);
      if (state->canvas) ui::ForgetOwnTabOrder(state->canvas);
      ReleasePaneItems(*state);
      PaneDestroyed(*state);
      return result;
    }
    case WM_NCDESTROY: {
      LRESULT result = CallWindowProcW(prevProc, window, message, wParam, lParam);
      ReleasePaneState(window);
      return result;
    }
    default:
      break;
  }
  return CallWindowProcW(prevProc, window, message, wParam, lParam);
}

LRESULT CALLBACK PaneCanvasProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  TaskPaneState* state = PaneStateOf(GetParent(window));
  if (!state || state->canvas != window) return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      return CanvasPainted(*state, window, nullptr);
    case WM_PRINTCLIENT:
      return CanvasPainted(*state, window, reinterpret_cast<HDC>(wParam));
    case WM_LBUTTONDOWN:
      return PaneLeftButtonDown(*state, window, wParam, lParam);
    case WM_LBUTTONUP:
      return PaneLeftButtonUp(*state, window, wParam, lParam);
    case WM_GETDLGCODE:
      // The arrows and Space are the pane's own; Tab comes through ui::OwnTabMessage(), Enter is never the dialog's.
      return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_KEYDOWN:
      if (PaneKeyDown(*state, wParam, lParam) == 0) return 0;
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
      LRESULT result = CallWindowProcW(state->canvasPrevProc, window, message, wParam, lParam);
      PaneFocusChanged(*state, message == WM_SETFOCUS, reinterpret_cast<HWND>(wParam));
      return result;
    }
    case WM_UPDATEUISTATE: {
      LRESULT result = CallWindowProcW(state->canvasPrevProc, window, message, wParam, lParam);
      RedrawPaneFocus(*state);
      return result;
    }
    case WM_GETOBJECT:
      if (ui::AsksForClientObject(lParam)) return PaneAccessibleObject(window, wParam);
      break;
    default:
      if (message == ui::OwnTabMessage()) return PaneTabKey(*state, wParam != 0, reinterpret_cast<HWND>(lParam));
      break;
  }
  return CallWindowProcW(state->canvasPrevProc, window, message, wParam, lParam);
}

}  // namespace controls
