#include "ui/FocusReturn.h"

#include "ui/WindowRecords.h"

namespace ui {

namespace {

WindowRecords<HWND>& FocusAtOpening() {
  static WindowRecords<HWND> records;
  return records;
}

}  // namespace

void RememberFocusToGiveBack(HWND window, HWND focus) {
  if (window) FocusAtOpening()[window] = focus;
}

HWND FocusToGiveBack(HWND window) {
  const HWND* focus = FocusAtOpening().Find(window);
  return focus ? *focus : nullptr;
}

void GiveFocusBack(HWND control) {
  if (!control || !IsWindow(control) || !IsWindowVisible(control) || !IsWindowEnabled(control)) return;
  HWND root = GetAncestor(control, GA_ROOT);
  HWND focus = GetFocus();
  if (GetActiveWindow() != root || (focus && focus != root)) return;
  SetFocus(control);
}

}  // namespace ui
