#include "ui/WindowClasses.h"

#include "resources/ResourceIds.h"
#include "ui/ControlColors.h"
#include "ui/Events.h"
#include "ui/HostMessages.h"
#include "ui/Objects.h"
#include "ui/TopLevelWindows.h"
#include "ui/WindowHooks.h"

namespace ui {

namespace {

LRESULT CALLBACK TopLevelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT hooked = CallWindowHook(window, message, wParam, lParam);
  if (hooked != kNotHandled) return hooked;
  switch (message) {
    case WM_CLOSE: {
      Event event;
      event.kind = kCloseEvent;
      event.window = WindowNumberOf(window);
      PostEvent(event);
      return 0;
    }
    case WM_COMMAND:
      if (lParam == 0 && HIWORD(wParam) == 0) {
        PostMenuEvent(WindowNumberOf(window), LOWORD(wParam));
        return 0;
      }
      break;
    case WM_SHOWWINDOW:
      // As a dialog box does once its controls are made: focus cues hidden when it was opened with the mouse, shown
      // when from the keyboard.
      if (wParam && HasWindowFlag(window, kWindowDialogKeys)) {
        SendMessageW(window, WM_CHANGEUISTATE, MAKEWPARAM(UIS_INITIALIZE, UISF_HIDEFOCUS | UISF_HIDEACCEL), 0);
      }
      break;
    default:
      break;
  }
  LRESULT result = 0;
  if (HandleHostMessage(window, message, wParam, lParam, &result)) return result;
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK ContainerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DRAWITEM:
    case WM_MEASUREITEM: {
      LRESULT hooked = CallRootHook(window, message, wParam, lParam);
      if (hooked != kNotHandled) return hooked;
      break;
    }
    case WM_ERASEBKGND:
      FillContainerBackground(window, reinterpret_cast<HDC>(wParam));
      return 1;
    default:
      break;
  }
  LRESULT result = 0;
  if (HandleHostMessage(window, message, wParam, lParam, &result)) return result;
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

bool RegisterWindowClass(const wchar_t* name, WNDPROC procedure, HBRUSH background, HICON icon, HICON smallIcon) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = background;
  windowClass.hIcon = icon;
  windowClass.hIconSm = smallIcon;
  windowClass.lpszClassName = name;
  return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool RegisterWindowClasses() {
  static bool registered = false;
  if (registered) return true;
  HINSTANCE instance = GetModuleHandleW(nullptr);
  auto icon = [instance](int size) {
    return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(RES_APP_ICON), IMAGE_ICON, size, size, 0));
  };
  // Containers paint their own background in their colour.
  const HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
  registered = RegisterWindowClass(kTopLevelClass, TopLevelProc, face, icon(32), icon(16)) &&
               RegisterWindowClass(kContainerClass, ContainerProc);
  return registered;
}

}  // namespace ui
