#include "ui/FocusReturn.h"

namespace ui {

void GiveFocusBack(HWND control) {
  if (!control || !IsWindow(control) || !IsWindowVisible(control) || !IsWindowEnabled(control)) return;
  HWND root = GetAncestor(control, GA_ROOT);
  HWND focus = GetFocus();
  if (GetActiveWindow() != root || (focus && focus != root)) return;
  SetFocus(control);
}

}  // namespace ui
