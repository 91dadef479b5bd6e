#include "controls/ScrollContainer.h"

#include <algorithm>
#include <new>

#include "ui/ChildList.h"
#include "ui/ControlColors.h"
#include "ui/HostMessages.h"
#include "ui/Objects.h"
#include "ui/WindowClasses.h"
#include "ui/WindowHooks.h"
#include "ui/WindowScaling.h"

namespace controls {

namespace {

constexpr const wchar_t* kScrollStateProperty = L"TarvelleScrollState";

struct ScrollState {
  HWND canvas = nullptr;
  int innerWidth = 0;
  int innerHeight = 0;
  int step = kDefaultScrollStep;
  int position = 0;
};

ScrollState* StateOf(HWND frame) {
  return frame ? static_cast<ScrollState*>(GetPropW(frame, kScrollStateProperty)) : nullptr;
}

ScrollState* StateOf(int number) { return StateOf(ui::ControlHandle(number)); }

HBRUSH BackgroundBrush(int frameNumber, bool* owned) {
  int back = ui::GetControlColor(frameNumber, ui::kBackColor);
  *owned = back != -1;
  return back == -1 ? GetSysColorBrush(COLOR_BTNFACE) : CreateSolidBrush(static_cast<COLORREF>(back));
}

void FillBackground(HWND window, int frameNumber, HDC dc) {
  RECT area;
  GetClientRect(window, &area);
  bool owned = false;
  HBRUSH brush = BackgroundBrush(frameNumber, &owned);
  FillRect(dc, &area, brush);
  if (owned) DeleteObject(brush);
}

int ClientHeight(HWND frame) {
  RECT client;
  GetClientRect(frame, &client);
  return client.bottom - client.top;
}

// Brings the scroll bar and the canvas's place in line with the sizes and the position. Showing or hiding the
// bar resizes the client area, which comes back here through WM_SIZE.
void ApplyScroll(HWND frame, ScrollState& state) {
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = 0;
  info.nMax = std::max(0, state.innerHeight - 1);
  info.nPage = static_cast<UINT>(std::max(0, ClientHeight(frame)));
  state.position = std::clamp(state.position, 0, std::max(0, state.innerHeight - ClientHeight(frame)));
  info.nPos = state.position;
  SetScrollInfo(frame, SB_VERT, &info, TRUE);
  state.position = std::clamp(state.position, 0, std::max(0, state.innerHeight - ClientHeight(frame)));
  if (state.canvas) {
    SetWindowPos(state.canvas, nullptr, 0, -state.position, state.innerWidth, state.innerHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void ScrollTo(HWND frame, ScrollState& state, int position) {
  if (position == state.position) return;
  state.position = position;
  ApplyScroll(frame, state);
}

void HandleScrollBar(HWND frame, ScrollState& state, int request) {
  int page = ClientHeight(frame);
  int position = state.position;
  switch (request) {
    case SB_LINEUP: position -= state.step; break;
    case SB_LINEDOWN: position += state.step; break;
    case SB_PAGEUP: position -= page; break;
    case SB_PAGEDOWN: position += page; break;
    case SB_TOP: position = 0; break;
    case SB_BOTTOM: position = state.innerHeight; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO info{};
      info.cbSize = sizeof(info);
      info.fMask = SIF_TRACKPOS;
      GetScrollInfo(frame, SB_VERT, &info);
      position = info.nTrackPos;
      break;
    }
    default: return;
  }
  ScrollTo(frame, state, position);
}

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  ScrollState* state = StateOf(window);
  switch (message) {
    case WM_SIZE:
      if (state) ApplyScroll(window, *state);
      return 0;
    case WM_VSCROLL:
      if (state) HandleScrollBar(window, *state, LOWORD(wParam));
      return 0;
    case WM_MOUSEWHEEL:
      if (state) {
        int notches = GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA;
        ScrollTo(window, *state, state->position - notches * 3 * state->step);
      }
      return 0;
    case WM_ERASEBKGND:
      FillBackground(window, GetDlgCtrlID(window), reinterpret_cast<HDC>(wParam));
      return 1;
    case WM_NCDESTROY:
      RemovePropW(window, kScrollStateProperty);
      delete state;
      break;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK CanvasProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      FillBackground(window, GetDlgCtrlID(GetParent(window)), reinterpret_cast<HDC>(wParam));
      return 1;
    case WM_DRAWITEM:
    case WM_MEASUREITEM: {
      LRESULT hooked = ui::CallRootHook(window, message, wParam, lParam);
      if (hooked != ui::kNotHandled) return hooked;
      break;
    }
    default:
      break;
  }
  LRESULT result = 0;
  if (ui::HandleHostMessage(window, message, wParam, lParam, &result)) return result;
  return DefWindowProcW(window, message, wParam, lParam);
}

bool RegisterClasses() {
  static const bool registered = ui::RegisterWindowClass(kScrollFrameClass, FrameProc) &&
                                 ui::RegisterWindowClass(kScrollCanvasClass, CanvasProc);
  return registered;
}

}  // namespace

HWND CreateScrollContainer(int number, int x, int y, int width, int height, int innerWidth, int innerHeight,
                           int scrollStep, bool border) {
  HWND parent = ui::CurrentParent();
  if (!parent || !RegisterClasses()) return nullptr;
  int id = ui::ReserveControlNumber(number);
  if (id < 0) return nullptr;
  auto* state = new (std::nothrow) ScrollState;
  if (!state) return nullptr;
  // Place, size and content are 96-DPI values, shown at the layout scale.
  const base::LayoutBox box = ui::PixelBox(x, y, width, height);
  state->innerWidth = std::max(0, ui::Scaled(innerWidth));
  state->innerHeight = std::max(0, ui::Scaled(innerHeight));
  state->step = scrollStep > 0 ? scrollStep : kDefaultScrollStep;
  HINSTANCE instance = GetModuleHandleW(nullptr);
  // Both windows take part in Tab navigation so that the keyboard reaches the controls of the host areas.
  HWND frame = CreateWindowExW(WS_EX_CONTROLPARENT | (border ? WS_EX_CLIENTEDGE : 0), kScrollFrameClass, L"",
                               WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, box.x, box.y,
                               box.width, box.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  if (!frame) {
    delete state;
    return nullptr;
  }
  SetPropW(frame, kScrollStateProperty, state);
  state->canvas = CreateWindowExW(WS_EX_CONTROLPARENT, kScrollCanvasClass, L"",
                                  WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0, state->innerWidth,
                                  state->innerHeight, frame, nullptr, instance, nullptr);
  if (!state->canvas) {
    DestroyWindow(frame);
    return nullptr;
  }
  ApplyScroll(frame, *state);
  ui::RememberDesignBox(frame, x, y, width, height);
  ui::RegisterControl(id, frame);
  ui::SetChildHost(frame, state->canvas);
  return frame;
}

HWND ScrollCanvasOf(HWND frame) {
  ScrollState* state = StateOf(frame);
  return state ? state->canvas : nullptr;
}

void SetScrollInnerWidth(int number, int width) {
  HWND frame = ui::ControlHandle(number);
  ScrollState* state = StateOf(frame);
  if (!state) return;
  state->innerWidth = std::max(0, width);
  ApplyScroll(frame, *state);
}

void SetScrollInnerHeight(int number, int height) {
  HWND frame = ui::ControlHandle(number);
  ScrollState* state = StateOf(frame);
  if (!state) return;
  state->innerHeight = std::max(0, height);
  ApplyScroll(frame, *state);
}

int ScrollInnerWidth(int number) {
  ScrollState* state = StateOf(number);
  return state ? state->innerWidth : 0;
}

int ScrollInnerHeight(int number) {
  ScrollState* state = StateOf(number);
  return state ? state->innerHeight : 0;
}

void SetScrollStep(int number, int step) {
  ScrollState* state = StateOf(number);
  if (state && step > 0) state->step = step;
}

int ScrollStep(int number) {
  ScrollState* state = StateOf(number);
  return state ? state->step : 0;
}

int ScrollOuterWidth(int number) {
  HWND frame = ui::ControlHandle(number);
  if (!StateOf(frame)) return 0;
  RECT outer;
  GetWindowRect(frame, &outer);
  return outer.right - outer.left;
}

int ScrollOuterHeight(int number) {
  HWND frame = ui::ControlHandle(number);
  if (!StateOf(frame)) return 0;
  RECT outer;
  GetWindowRect(frame, &outer);
  return outer.bottom - outer.top;
}

int ScrollPosition(int number) {
  ScrollState* state = StateOf(number);
  return state ? state->position : 0;
}

void SetScrollPosition(int number, int position) {
  HWND frame = ui::ControlHandle(number);
  ScrollState* state = StateOf(frame);
  if (state) ScrollTo(frame, *state, position);
}

}  // namespace controls
