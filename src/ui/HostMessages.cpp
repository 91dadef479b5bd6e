#include "ui/HostMessages.h"

#include <commctrl.h>
#include <windowsx.h>

#include <map>
#include <string>

#include "ui/ControlColors.h"
#include "ui/Controls.h"
#include "ui/Events.h"
#include "ui/Objects.h"

namespace ui {

namespace {

std::map<int, NotifyHandler>& NotifyHandlers() {
  static std::map<int, NotifyHandler> handlers;
  return handlers;
}

int RootNumberOf(HWND window) {
  HWND root = GetAncestor(window, GA_ROOT);
  return WindowNumberOf(root ? root : window);
}

// The event a WM_COMMAND notification of a child control stands for, or -1 for none.
int CommandEventType(HWND control, UINT code) {
  std::wstring cls = ClassNameOf(control);
  if (cls == L"Button") return code == BN_CLICKED ? kClick : -1;
  if (cls == L"Static") {
    if (code == STN_CLICKED) return kClick;
    return code == STN_DBLCLK ? kDoubleClick : -1;
  }
  if (cls == L"ComboBox" || cls == WC_COMBOBOXEXW) return code == CBN_SELCHANGE || code == CBN_EDITCHANGE ? kChange : -1;
  if (cls == L"Edit") return code == EN_CHANGE ? kChange : -1;
  // The program's own controls notify a click with code 0, as buttons do.
  return code == 0 ? kClick : -1;
}

int NotifyEventType(UINT code) {
  switch (code) {
    case NM_CLICK: return kClick;
    case NM_RCLICK: return kRightClick;
    case NM_DBLCLK: return kDoubleClick;
    case NM_RDBLCLK: return kRightDoubleClick;
    default: return -1;
  }
}

void PostControlEvent(HWND host, int control, int type) {
  Event event;
  event.kind = kControlEvent;
  event.window = RootNumberOf(host);
  event.control = control;
  event.type = type;
  PostEvent(event);
}

}  // namespace

bool HandleHostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  switch (message) {
    case WM_COMMAND: {
      HWND control = reinterpret_cast<HWND>(lParam);
      int number = LOWORD(wParam);
      if (!control || ControlHandle(number) != control) return false;
      int type = CommandEventType(control, HIWORD(wParam));
      if (type >= 0) PostControlEvent(window, number, type);
      *result = 0;
      return true;
    }
    case WM_NOTIFY: {
      const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
      int number = static_cast<int>(header->idFrom);
      if (ControlHandle(number) != header->hwndFrom) return false;
      auto handler = NotifyHandlers().find(number);
      if (handler != NotifyHandlers().end() && handler->second(lParam, result)) return true;
      int type = NotifyEventType(header->code);
      if (type >= 0) PostControlEvent(window, number, type);
      return false;
    }
    case WM_CONTEXTMENU: {
      // From the keyboard the place is (-1, -1). A right click has been told already (NM_RCLICK); the list view's
      // own WM_CONTEXTMENU after it, with the pointer's place, goes on unheeded.
      HWND control = reinterpret_cast<HWND>(wParam);
      int number = GetDlgCtrlID(control);
      if (GET_X_LPARAM(lParam) != -1 || GET_Y_LPARAM(lParam) != -1 || ControlHandle(number) != control) return false;
      PostControlEvent(window, number, kMenuKey);
      *result = 0;
      return true;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
      return ColorControl(window, message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), result);
    default:
      return false;
  }
}

void SetNotifyHandler(int number, NotifyHandler handler) {
  if (handler) {
    NotifyHandlers()[number] = handler;
  } else {
    NotifyHandlers().erase(number);
  }
}

}  // namespace ui
