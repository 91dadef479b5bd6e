#pragma once
// Where new controls go. Into the top-level window opened last, unless a ChildList names another parent for as
// long as it lives:
//   ui::ChildList panel(ui::CreateContainer(...));  // the panel's controls
//   ui::CreateTextControl(...);
// Lists nest; each ends with its scope, so none can be left open.

#include <windows.h>

namespace ui {

class ChildList {
 public:
  // New controls go into `parent`; a null parent (a container that could not be made) makes them fail.
  explicit ChildList(HWND parent);
  // Into the control with this number, or into the window it names as the holder of its children.
  explicit ChildList(int controlNumber);
  ~ChildList();
  ChildList(const ChildList&) = delete;
  ChildList& operator=(const ChildList&) = delete;
};

// The parent of the next control: the parent of the innermost list opened since the newest top-level window opened
// (a list whose parent was destroyed is passed over), else that window; null when there is none.
HWND CurrentParent();

// A control may name another window that holds its children (a scroll container names its canvas).
void SetChildHost(HWND control, HWND childHost);

}  // namespace ui
