#include "controls/TaskPaneAccessible.h"

#include <memory>
#include <vector>

#include "controls/PaneMetrics.h"
#include "controls/TaskPaneKeys.h"
#include "controls/TaskPanePaint.h"
#include "ui/Accessible.h"
#include "ui/Objects.h"
#include "ui/WindowScaling.h"

namespace controls {

namespace {

constexpr const wchar_t* kPaneName = L"Volet des tâches";
constexpr const wchar_t* kLinkAction = L"Cliquer";
constexpr const wchar_t* kExpandAction = L"Développer";
constexpr const wchar_t* kCollapseAction = L"Réduire";

struct ExposedItem {
  int item = 0;
  PaneBand band;
};

// The children, in item order: every shown item but separators.
std::vector<ExposedItem> ExposedItems(const TaskPaneState& state) {
  std::vector<ExposedItem> exposed;
  for (const PaneBand& band : PaneItemBands(state)) {
    const TaskPaneItem* item = PaneItemOf(state, band.item);
    if (item && band.shown && item->kind != SeparatorItem) exposed.push_back({band.item, band});
  }
  return exposed;
}

HWND HostWindowOf(const TaskPaneItem& item) {
  return item.kind == HostItem ? ui::ControlHandle(item.host) : nullptr;
}

class PaneModel final : public ui::AccessibleModel {
 public:
  explicit PaneModel(HWND canvas) : canvas_(canvas) {}

  HWND Window() const override { return canvas_; }

  long ChildCount() const override {
    const TaskPaneState* state = PaneOfCanvas(canvas_);
    return state ? static_cast<long>(ExposedItems(*state).size()) : 0;
  }

  bool Describe(long id, ui::AccessibleElement* element) const override {
    const TaskPaneState* state = PaneOfCanvas(canvas_);
    if (!state) return false;
    const bool enabled = IsWindowEnabled(canvas_) != FALSE;
    const bool focused = GetFocus() == canvas_;
    if (id == CHILDID_SELF) {
      element->name = kPaneName;
      element->role = ROLE_SYSTEM_PANE;
      const bool onItself = focused && !IsPaneKeyStop(*state, state->focusItem);
      element->state = STATE_SYSTEM_FOCUSABLE | (onItself ? STATE_SYSTEM_FOCUSED : 0) |
                       (enabled ? 0 : STATE_SYSTEM_UNAVAILABLE);
      VisibleArea(&element->place);
      return true;
    }
    const ExposedItem* exposed = Child(*state, id);
    const TaskPaneItem* item = exposed ? PaneItemOf(*state, exposed->item) : nullptr;
    if (!item) return false;
    element->name = item->text ? item->text : L"";
    long itemState = enabled ? 0 : STATE_SYSTEM_UNAVAILABLE;
    switch (item->kind) {
      case GroupHeader:
        element->role = ROLE_SYSTEM_PUSHBUTTON;
        itemState |= STATE_SYSTEM_FOCUSABLE | (item->collapsed ? STATE_SYSTEM_COLLAPSED : STATE_SYSTEM_EXPANDED);
        element->defaultAction = item->collapsed ? kExpandAction : kCollapseAction;
        break;
      case LinkItem:
        element->role = ROLE_SYSTEM_LINK;
        itemState |= STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_LINKED;
        element->defaultAction = kLinkAction;
        break;
      case HostItem: element->role = ROLE_SYSTEM_GROUPING; break;
      default:
        element->role = ROLE_SYSTEM_STATICTEXT;
        itemState |= STATE_SYSTEM_READONLY;
        break;
    }
    if (focused && state->focusItem == exposed->item) itemState |= STATE_SYSTEM_FOCUSED;
    if (IsPaneItemHot(*state, exposed->item)) itemState |= STATE_SYSTEM_HOTTRACKED;
    element->place = PlaceOf(*state, *exposed);
    RECT visible;
    VisibleArea(&visible);
    RECT meet;
    if (!IntersectRect(&meet, &visible, &element->place)) itemState |= STATE_SYSTEM_OFFSCREEN;
    element->state = itemState;
    return true;
  }

  IDispatch* ChildObject(long id) const override {
    const TaskPaneState* state = PaneOfCanvas(canvas_);
    const ExposedItem* exposed = state ? Child(*state, id) : nullptr;
    const TaskPaneItem* item = exposed ? PaneItemOf(*state, exposed->item) : nullptr;
    HWND host = item ? HostWindowOf(*item) : nullptr;
    IDispatch* object = nullptr;
    if (host) {
      AccessibleObjectFromWindow(host, static_cast<DWORD>(OBJID_WINDOW), IID_IDispatch,
                                 reinterpret_cast<void**>(&object));
    }
    return object;
  }

  long FocusedChild() const override {
    const TaskPaneState* state = PaneOfCanvas(canvas_);
    if (!state) return -1;
    HWND focus = GetFocus();
    if (focus == canvas_) {
      long id = PaneAccessibleChildId(*state, state->focusItem);
      return IsPaneKeyStop(*state, state->focusItem) ? id : CHILDID_SELF;
    }
    if (!focus || !IsChild(canvas_, focus)) return -1;
    const std::vector<ExposedItem> exposed = ExposedItems(*state);
    for (size_t i = 0; i < exposed.size(); ++i) {
      const TaskPaneItem* item = PaneItemOf(*state, exposed[i].item);
      HWND host = item ? HostWindowOf(*item) : nullptr;
      if (host && IsChild(host, focus)) return static_cast<long>(i + 1);
    }
    return CHILDID_SELF;
  }

  long ChildAt(POINT screen) const override {
    const TaskPaneState* state = PaneOfCanvas(canvas_);
    RECT visible;
    VisibleArea(&visible);
    if (!state || !PtInRect(&visible, screen)) return -1;
    const std::vector<ExposedItem> exposed = ExposedItems(*state);
    for (size_t i = 0; i < exposed.size(); ++i) {
      RECT place = PlaceOf(*state, exposed[i]);
      if (PtInRect(&place, screen)) return static_cast<long>(i + 1);
    }
    return CHILDID_SELF;
  }

  bool DoDefaultAction(long id) override {
    TaskPaneState* state = PaneOfCanvas(canvas_);
    const ExposedItem* exposed = state ? Child(*state, id) : nullptr;
    if (!exposed || !IsWindowEnabled(canvas_) || !IsPaneKeyStop(*state, exposed->item)) return false;
    ActivatePaneItem(*state, exposed->item);
    return true;
  }

  bool TakeFocus(long id) override {
    TaskPaneState* state = PaneOfCanvas(canvas_);
    if (!state || !IsWindowEnabled(canvas_)) return false;
    if (id == CHILDID_SELF) {
      SetFocus(canvas_);
      return GetFocus() == canvas_;
    }
    const ExposedItem* exposed = Child(*state, id);
    if (!exposed || !IsPaneKeyStop(*state, exposed->item)) return false;
    FocusPaneItem(*state, exposed->item);
    return true;
  }

 private:
  const ExposedItem* Child(const TaskPaneState& state, long id) const {
    children_ = ExposedItems(state);
    if (id < 1 || id > static_cast<long>(children_.size())) return nullptr;
    return &children_[static_cast<size_t>(id - 1)];
  }

  // The part of the canvas the frame shows, on the screen.
  void VisibleArea(RECT* area) const {
    GetWindowRect(GetParent(canvas_), area);
    RECT canvas;
    GetWindowRect(canvas_, &canvas);
    IntersectRect(area, area, &canvas);
  }

  // A header or link where painting put it (its hit rectangle), any other item across its band.
  RECT PlaceOf(const TaskPaneState& state, const ExposedItem& exposed) const {
    const TaskPaneItem* item = PaneItemOf(state, exposed.item);
    RECT place{};
    if (item && (item->kind == GroupHeader || item->kind == LinkItem) && item->hitRect.right > item->hitRect.left) {
      place = item->hitRect;
    } else {
      RECT client;
      GetClientRect(canvas_, &client);
      const int margin = PaneLength(kPaneMargin, ui::LayoutScale());
      place = {margin, exposed.band.y, client.right - margin, exposed.band.y + exposed.band.h};
    }
    MapWindowPoints(canvas_, nullptr, reinterpret_cast<POINT*>(&place), 2);
    return place;
  }

  HWND canvas_;
  mutable std::vector<ExposedItem> children_;
};

}  // namespace

LRESULT PaneAccessibleObject(HWND canvas, WPARAM wParam) {
  return ui::AccessibleObjectResult(std::make_unique<PaneModel>(canvas), wParam);
}

long PaneAccessibleChildId(const TaskPaneState& state, int index) {
  const std::vector<ExposedItem> exposed = ExposedItems(state);
  for (size_t i = 0; i < exposed.size(); ++i) {
    if (exposed[i].item == index) return static_cast<long>(i + 1);
  }
  return 0;
}

void NotifyPaneFocus(const TaskPaneState& state) {
  if (GetFocus() != state.canvas) return;
  const long id = IsPaneKeyStop(state, state.focusItem) ? PaneAccessibleChildId(state, state.focusItem) : 0;
  NotifyWinEvent(EVENT_OBJECT_FOCUS, state.canvas, OBJID_CLIENT, id);
}

void NotifyPaneItemState(const TaskPaneState& state, int index) {
  NotifyWinEvent(EVENT_OBJECT_REORDER, state.canvas, OBJID_CLIENT, CHILDID_SELF);
  if (long id = PaneAccessibleChildId(state, index)) {
    NotifyWinEvent(EVENT_OBJECT_STATECHANGE, state.canvas, OBJID_CLIENT, id);
  }
}

}  // namespace controls
