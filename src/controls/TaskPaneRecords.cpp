#include "controls/TaskPaneRecords.h"

#include "ui/Objects.h"

namespace controls {

PaneShared& SharedPaneState() {
  static PaneShared shared;
  return shared;
}

TaskPaneState* PaneStateOf(HWND frame) {
  return frame ? static_cast<TaskPaneState*>(GetPropW(frame, kPaneStateProperty)) : nullptr;
}

TaskPaneState* PaneStateOf(int number) { return PaneStateOf(ui::ControlHandle(number)); }

TaskPaneState* PaneOfCanvas(HWND canvas) {
  TaskPaneState* state = PaneStateOf(GetParent(canvas));
  return state && state->canvas == canvas ? state : nullptr;
}

TaskPaneItem* PaneItemOf(const TaskPaneState& state, int index) {
  if (index < 0 || index >= state.itemCount) return nullptr;
  return static_cast<TaskPaneItem*>(PaneItemAt(state.items, index));
}

void NotifyPaneOwner(const TaskPaneState& state, int event, int item, int data) {
  if (state.ownerCallback) state.ownerCallback(state.frame, event, item, data);
}

}  // namespace controls
