#include "controls/TaskPaneKeys.h"

#include <climits>

#include "controls/ScrollContainer.h"
#include "controls/TaskPaneAccessible.h"
#include "controls/TaskPaneLayout.h"
#include "ui/DialogKeys.h"
#include "ui/Objects.h"
#include "ui/WindowScaling.h"

namespace controls {

namespace {

// One place of the keyboard order: a header or link of the canvas (control null), or a control of a host area.
struct KeyStop {
  int item = -1;
  HWND control = nullptr;
};

// The tab stops inside a host area, in the order the dialog navigation would take them.
void CollectTabStops(HWND parent, int item, std::vector<KeyStop>& stops) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
    if (!(style & WS_VISIBLE) || (style & WS_DISABLED)) continue;
    if (style & WS_TABSTOP) {
      stops.push_back({item, child});
    } else if (GetWindowLongPtrW(child, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) {
      CollectTabStops(child, item, stops);
    }
  }
}

std::vector<KeyStop> KeyOrder(const TaskPaneState& state) {
  std::vector<KeyStop> stops;
  for (const PaneBand& band : PaneItemBands(state)) {
    const TaskPaneItem* item = PaneItemOf(state, band.item);
    if (!item || !band.shown) continue;
    if (item->kind == GroupHeader || item->kind == LinkItem) {
      stops.push_back({band.item, nullptr});
    } else if (item->kind == HostItem) {
      if (HWND host = ui::ControlHandle(item->host)) CollectTabStops(host, band.item, stops);
    }
  }
  return stops;
}

int PlaceInOrder(const TaskPaneState& state, const std::vector<KeyStop>& stops, HWND focus) {
  for (size_t i = 0; i < stops.size(); ++i) {
    const KeyStop& stop = stops[i];
    if (stop.control ? (stop.control == focus || IsChild(stop.control, focus))
                     : (focus == state.canvas && stop.item == state.focusItem)) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

void InvalidateFocusOf(const TaskPaneState& state, int index) {
  const TaskPaneItem* item = PaneItemOf(state, index);
  if (!item || item->hitRect.right < 0) return;
  RECT area = item->hitRect;
  InflateRect(&area, 2, 2);
  InvalidateRect(state.canvas, &area, FALSE);
}

// Scrolls the pane so that rows top to bottom of the canvas are in sight.
void ScrollIntoView(const TaskPaneState& state, int top, int bottom) {
  HWND frame = ui::ControlHandle(state.frame);
  if (!frame) return;
  RECT client;
  GetClientRect(frame, &client);
  const int position = ScrollPosition(state.frame);
  if (top < position) {
    SetScrollPosition(state.frame, top);
  } else if (bottom > position + client.bottom) {
    SetScrollPosition(state.frame, bottom - client.bottom < top ? bottom - client.bottom : top);
  }
}

void ScrollItemIntoView(const TaskPaneState& state, int index) {
  for (const PaneBand& band : PaneItemBands(state)) {
    if (band.item == index) ScrollIntoView(state, band.y, band.y + band.h);
  }
}

void FocusControl(const TaskPaneState& state, HWND control) {
  RECT place;
  GetWindowRect(control, &place);
  MapWindowPoints(nullptr, state.canvas, reinterpret_cast<POINT*>(&place), 2);
  ScrollIntoView(state, place.top, place.bottom);
  ui::FocusAsTabDoes(control);
}

// Puts the keyboard on a header or link while the canvas keeps or takes the focus.
void SetFocusItem(TaskPaneState& state, int index) {
  if (state.focusItem != index) {
    InvalidateFocusOf(state, state.focusItem);
    state.focusItem = index;
    InvalidateFocusOf(state, index);
  }
  ScrollItemIntoView(state, index);
  if (GetFocus() != state.canvas) {
    SetFocus(state.canvas);  // its focus handling tells screen readers
  } else {
    NotifyPaneFocus(state);
  }
}

void GoTo(TaskPaneState& state, const KeyStop& stop) {
  if (stop.control) {
    FocusControl(state, stop.control);
  } else {
    SetFocusItem(state, stop.item);
  }
}

// The next header or link from the one the keyboard is on, by step; the first or last for a step beyond.
int NextItemStop(const TaskPaneState& state, int step) {
  std::vector<int> items;
  for (const KeyStop& stop : KeyOrder(state)) {
    if (!stop.control) items.push_back(stop.item);
  }
  if (items.empty()) return -1;
  if (step == INT_MIN) return items.front();
  if (step == INT_MAX) return items.back();
  for (size_t i = 0; i < items.size(); ++i) {
    if (items[i] != state.focusItem) continue;
    const long next = static_cast<long>(i) + step;
    return next < 0 || next >= static_cast<long>(items.size()) ? state.focusItem : items[static_cast<size_t>(next)];
  }
  return items.front();
}

}  // namespace

bool IsPaneKeyStop(const TaskPaneState& state, int index) {
  const TaskPaneItem* item = PaneItemOf(state, index);
  if (!item || (item->kind != GroupHeader && item->kind != LinkItem)) return false;
  for (const PaneBand& band : PaneItemBands(state)) {
    if (band.item == index) return band.shown;
  }
  return false;
}

std::vector<PaneBand> PaneItemBands(const TaskPaneState& state) {
  std::vector<PaneBandItem> items = PaneBandItemsOf(state);
  return PlanPanePaint(items, 0, INT_MAX, ui::LayoutScale());
}

LRESULT PaneKeyDown(TaskPaneState& state, WPARAM key, LPARAM lParam) {
  const bool repeated = (lParam & (1L << 30)) != 0;
  int target = -1;
  switch (key) {
    case VK_DOWN:
    case VK_RIGHT: target = NextItemStop(state, 1); break;
    case VK_UP:
    case VK_LEFT: target = NextItemStop(state, -1); break;
    case VK_HOME: target = NextItemStop(state, INT_MIN); break;
    case VK_END: target = NextItemStop(state, INT_MAX); break;
    case VK_RETURN:
    case VK_SPACE:
      // Held down, the key acts once: a group must not fold and unfold with the key's repeats.
      if (!repeated && IsPaneKeyStop(state, state.focusItem)) ActivatePaneItem(state, state.focusItem);
      return 0;
    default: return 1;
  }
  if (target >= 0) {
    ui::ShowFocusCues(state.canvas);
    SetFocusItem(state, target);
  }
  return 0;
}

void PaneFocusChanged(TaskPaneState& state, bool gained, HWND other) {
  if (!gained) {
    InvalidateFocusOf(state, state.focusItem);
    return;
  }
  // Reached by Tab from outside, the pane starts at its first place; by Shift+Tab, at its last, which may be a
  // hosted control. From inside, the pane itself moved the keyboard.
  const bool fromInside = other && IsChild(state.canvas, other);
  if (!fromInside && GetKeyState(VK_TAB) < 0) {
    std::vector<KeyStop> stops = KeyOrder(state);
    if (!stops.empty()) {
      GoTo(state, GetKeyState(VK_SHIFT) < 0 ? stops.back() : stops.front());
      if (GetFocus() != state.canvas) return;
    }
  }
  if (!IsPaneKeyStop(state, state.focusItem)) state.focusItem = NextItemStop(state, INT_MIN);
  InvalidateFocusOf(state, state.focusItem);
  ScrollItemIntoView(state, state.focusItem);
  NotifyPaneFocus(state);
}

bool PaneTabKey(TaskPaneState& state, bool backward, HWND focus) {
  std::vector<KeyStop> stops = KeyOrder(state);
  int at = PlaceInOrder(state, stops, focus);
  if (at < 0) return false;
  const int next = at + (backward ? -1 : 1);
  if (next >= 0 && next < static_cast<int>(stops.size())) {
    GoTo(state, stops[static_cast<size_t>(next)]);
    return true;
  }
  // Out of the pane: to the control the dialog navigation finds before or after the canvas, a single tab stop.
  HWND outside = GetNextDlgTabItem(GetAncestor(state.canvas, GA_ROOT), state.canvas, backward);
  if (!outside || outside == state.canvas) {
    GoTo(state, backward ? stops.back() : stops.front());
  } else {
    ui::FocusAsTabDoes(outside);
  }
  return true;
}

void FocusPaneItem(TaskPaneState& state, int index) {
  if (IsPaneKeyStop(state, index)) SetFocusItem(state, index);
}

void ActivatePaneItem(TaskPaneState& state, int index) {
  TaskPaneItem* item = PaneItemOf(state, index);
  if (!item) return;
  if (item->kind == GroupHeader) {
    item->collapsed = 1 - item->collapsed;
    ApplyGroupFold(state, index);
  } else if (item->kind == LinkItem && item->commandId != 0) {
    SendMessageW(GetAncestor(state.canvas, GA_ROOT), WM_COMMAND, static_cast<WPARAM>(item->commandId), 0);
  }
}

void KeepPaneFocusInSight(TaskPaneState& state, int headerIndex) {
  const TaskPaneItem* header = PaneItemOf(state, headerIndex);
  if (!header || header->collapsed == 0) return;
  // Only the folded group's members are hidden now: what the keyboard was on among them goes to its header.
  HWND focus = GetFocus();
  bool inHiddenHost = false;
  for (const PaneBand& band : PaneItemBands(state)) {
    const TaskPaneItem* item = PaneItemOf(state, band.item);
    HWND host = item && item->kind == HostItem && !band.shown ? ui::ControlHandle(item->host) : nullptr;
    if (host && focus && IsChild(host, focus)) inHiddenHost = true;
  }
  if (state.focusItem >= 0 && !IsPaneKeyStop(state, state.focusItem)) state.focusItem = headerIndex;
  if (inHiddenHost) SetFocusItem(state, headerIndex);
}

void RedrawPaneFocus(const TaskPaneState& state) { InvalidateFocusOf(state, state.focusItem); }

bool PaneFocusRect(const TaskPaneState& state, int index, RECT* rect) {
  if (index < 0 || index != state.focusItem || GetFocus() != state.canvas || !ui::FocusCuesShown(state.canvas)) {
    return false;
  }
  const TaskPaneItem* item = PaneItemOf(state, index);
  if (!item || item->hitRect.right < 0 || (item->kind != GroupHeader && item->kind != LinkItem)) return false;
  *rect = item->hitRect;
  // A link's rectangle is its text: the focus goes just around it. A header's is its whole band: just inside.
  const int edge = item->kind == LinkItem ? 1 : -2;
  InflateRect(rect, edge, item->kind == LinkItem ? 0 : edge);
  return true;
}

}  // namespace controls
