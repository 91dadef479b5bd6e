#include "ui/DialogKeys.h"
#include "ui/TopLevelWindows.h"


namespace ui {

namespace {

// A multi-line text box asks for every key, Tab included, even when read-only.
bool KeepsTab(HWND control, const MSG& message) {
  LRESULT code = SendMessageW(control, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&message));
  return (code & (DLGC_WANTTAB | DLGC_WANTMESSAGE)) != 0;
}

void MoveFocus(HWND root, HWND from, bool backwards) {
  HWND next = GetNextDlgTabItem(root, from == root ? nullptr : from, backwards ? TRUE : FALSE);
  if (next) FocusAsTabDoes(next);
}

// The notification a click on the button sends its parent.
void PressButton(HWND control) {
  LRESULT code = SendMessageW(control, WM_GETDLGCODE, 0, 0);
  if (!(code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) || !IsWindowEnabled(control)) return;
  SendMessageW(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), BN_CLICKED),
               reinterpret_cast<LPARAM>(control));
}

}  // namespace

bool HandleDialogKey(HWND root, const MSG& message) {
  if (message.message != WM_KEYDOWN || !HasWindowFlag(root, kWindowDialogKeys)) return false;
  HWND focus = GetFocus();
  const bool inWindow = focus == root || (focus && IsChild(root, focus));
  switch (message.wParam) {
    case VK_TAB:
      // As the dialog manager does on Tab; said here too, so that it holds whichever of the two moves the focus.
      ShowFocusCues(root);
      if (!inWindow || focus == root || !KeepsTab(focus, message)) return false;
      MoveFocus(root, focus, GetKeyState(VK_SHIFT) < 0);
      return true;
    case VK_RETURN:
      if (inWindow && focus != root) PressButton(focus);
      return true;
    case VK_ESCAPE:
      SendMessageW(root, WM_CLOSE, 0, 0);
      return true;
    default:
      return false;
  }
}

bool FocusCuesShown(HWND window) { return (SendMessageW(window, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) == 0; }

void ShowFocusCues(HWND window) {
  SendMessageW(GetAncestor(window, GA_ROOT), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

void FocusAsTabDoes(HWND control) {
  SetFocus(control);
  if (SendMessageW(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageW(control, EM_SETSEL, 0, -1);
}

}  // namespace ui
