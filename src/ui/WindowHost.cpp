#include "ui/WindowHost.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "resources/ResourceIds.h"
#include "ui/Controls.h"
#include "ui/Events.h"
#include "ui/LayoutScale.h"
#include "ui/Objects.h"

namespace ui {

namespace {

constexpr const wchar_t* kTopLevelClass = L"TarvelleWindow";
constexpr const wchar_t* kContainerClass = L"TarvelleContainer";
constexpr const wchar_t* kChildHostProperty = L"TarvelleChildHost";

struct ControlColors {
  int front = -1;
  int back = -1;
};

struct HostState {
  std::map<HWND, WindowHook> hooks;
  std::map<int, NotifyHandler> notifyHandlers;
  std::map<int, ControlColors> colors;
  std::map<COLORREF, HBRUSH> brushes;
  std::map<HWND, unsigned> flags;
  std::vector<HWND> parents;
  // What each open top-level window found when it opened, to be given back when it closes.
  struct Before {
    HWND window = nullptr;
    std::vector<HWND> parents;
    HWND focus = nullptr;
  };
  std::vector<Before> before;
};

HostState& Host() {
  static HostState state;
  return state;
}

// Brushes of the colours in use; a handful at most, kept for the whole run.
HBRUSH SolidBrush(COLORREF colour) {
  auto& brushes = Host().brushes;
  auto found = brushes.find(colour);
  if (found != brushes.end()) return found->second;
  HBRUSH brush = CreateSolidBrush(colour);
  brushes[colour] = brush;
  return brush;
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

// A control's own colours, or the colour of the container it sits in.
// Texts and buttons sit on their container's colour; fields and lists keep their own white.
bool ColorControl(HWND host, UINT message, HDC dc, HWND control, LRESULT* result) {
  const auto& colors = Host().colors;
  int number = GetDlgCtrlID(control);
  auto own = colors.find(number);
  int hostBack = -1;
  auto hostColors = colors.find(GetDlgCtrlID(host));
  bool onContainer = message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN;
  if (onContainer && GetParent(host) && hostColors != colors.end()) hostBack = hostColors->second.back;
  int front = own != colors.end() ? own->second.front : -1;
  int back = own != colors.end() && own->second.back != -1 ? own->second.back : hostBack;
  if (front == -1 && back == -1) return false;
  if (front != -1) SetTextColor(dc, static_cast<COLORREF>(front));
  if (back == -1) back = static_cast<int>(GetSysColor(COLOR_BTNFACE));
  SetBkColor(dc, static_cast<COLORREF>(back));
  *result = reinterpret_cast<LRESULT>(SolidBrush(static_cast<COLORREF>(back)));
  return true;
}

LRESULT CALLBACK TopLevelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto& hooks = Host().hooks;
  auto hook = hooks.find(window);
  if (hook != hooks.end() && hook->second) {
    LRESULT hooked = hook->second(window, message, wParam, lParam, kNotHandled);
    if (hooked != kNotHandled) return hooked;
  }
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
    case WM_NCDESTROY:
      hooks.erase(window);
      Host().flags.erase(window);
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
    case WM_ERASEBKGND: {
      int back = GetControlColor(GetDlgCtrlID(window), kBackColor);
      RECT area;
      GetClientRect(window, &area);
      HBRUSH brush = back == -1 ? GetSysColorBrush(COLOR_BTNFACE) : SolidBrush(static_cast<COLORREF>(back));
      FillRect(reinterpret_cast<HDC>(wParam), &area, brush);
      return 1;
    }
    default:
      break;
  }
  LRESULT result = 0;
  if (HandleHostMessage(window, message, wParam, lParam, &result)) return result;
  return DefWindowProcW(window, message, wParam, lParam);
}

void RegisterClasses() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = TopLevelProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.hIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(RES_APP_ICON), IMAGE_ICON, 32, 32, 0));
  wc.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(RES_APP_ICON), IMAGE_ICON, 16, 16, 0));
  wc.lpszClassName = kTopLevelClass;
  RegisterClassExW(&wc);

  WNDCLASSEXW cc{};
  cc.cbSize = sizeof(cc);
  cc.style = CS_DBLCLKS;
  cc.lpfnWndProc = ContainerProc;
  cc.hInstance = instance;
  cc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  cc.lpszClassName = kContainerClass;
  RegisterClassExW(&cc);
}

}  // namespace

namespace {

struct WindowStyles {
  DWORD style = 0;
  DWORD exStyle = 0;
};

WindowStyles TopLevelStyles(unsigned flags) {
  // Windows gives every overlapped window a caption: a window without one must be a popup.
  const bool captioned = (flags & (kWindowCaption | kWindowSystemMenu | kWindowMinimizeBox | kWindowToolCaption)) != 0;
  DWORD style = (captioned ? WS_OVERLAPPED | WS_CAPTION : WS_POPUP) | WS_CLIPCHILDREN;
  if (flags & kWindowSystemMenu) style |= WS_SYSMENU;
  if (flags & kWindowMinimizeBox) style |= WS_MINIMIZEBOX | WS_SYSMENU;
  DWORD exStyle = WS_EX_CONTROLPARENT;
  if (flags & kWindowToolCaption) exStyle |= WS_EX_TOOLWINDOW;
  if (flags & kWindowTopmost) exStyle |= WS_EX_TOPMOST;
  return {style, exStyle};
}

}  // namespace

base::FrameSize TopLevelFrame(unsigned flags, int dotsPerInch) {
  const WindowStyles styles = TopLevelStyles(flags);
  RECT outer{0, 0, 0, 0};
  AdjustWindowRectExForDpi(&outer, styles.style, FALSE, styles.exStyle, static_cast<UINT>(dotsPerInch));
  return {outer.right - outer.left, outer.bottom - outer.top};
}

HWND OpenTopLevelWindow(int number, int x, int y, int width, int height, const wchar_t* title, unsigned flags,
                        HWND owner) {
  RegisterClasses();
  const WindowStyles styles = TopLevelStyles(flags);
  const DWORD style = styles.style;
  const DWORD exStyle = styles.exStyle;

  // The frame is drawn at the monitor's own scale, the client area at the layout's.
  const int dotsPerInch = owner ? static_cast<int>(GetDpiForWindow(owner)) : PrimaryMonitorDotsPerInch();
  RECT outer{0, 0, ScaledSize(width), ScaledSize(height)};
  AdjustWindowRectExForDpi(&outer, style, FALSE, exStyle, static_cast<UINT>(dotsPerInch));
  int outerWidth = outer.right - outer.left;
  int outerHeight = outer.bottom - outer.top;
  // Within the work area of the monitor, never under a taskbar.
  base::WindowPlace place{Scaled(x), Scaled(y)};
  if (flags & kWindowScreenCentered) {
    place = base::CentredInWorkArea(PrimaryWorkArea(), outerWidth, outerHeight);
  } else if ((flags & kWindowOwnerCentered) && owner) {
    RECT around;
    GetWindowRect(owner, &around);
    place = base::CentredOver({around.left, around.top, around.right, around.bottom}, WorkAreaOf(owner), outerWidth,
                              outerHeight);
  }
  x = place.x;
  y = place.y;
  HWND window = CreateWindowExW(exStyle, kTopLevelClass, title, style, x, y, outerWidth, outerHeight, owner, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  if (!window) return nullptr;
  RegisterWindow(number, window);
  Host().flags[window] = flags;
  Host().before.push_back({window, Host().parents, GetFocus()});
  Host().parents.assign(1, window);
  if (!(flags & kWindowInvisible)) ShowWindow(window, SW_SHOWNORMAL);
  return window;
}

namespace {

// Activating a window gives the keyboard focus to the window itself; the control that had it goes first, unless
// the focus went on to another control meanwhile or the control's window is not the active one.
void GiveFocusBack(HWND control) {
  if (!control || !IsWindow(control) || !IsWindowVisible(control) || !IsWindowEnabled(control)) return;
  HWND root = GetAncestor(control, GA_ROOT);
  HWND focus = GetFocus();
  if (GetActiveWindow() != root || (focus && focus != root)) return;
  SetFocus(control);
}

}  // namespace

void CloseTopLevelWindow(int number) {
  HWND window = WindowHandle(number);
  if (window) DestroyWindow(window);
  ForgetWindow(number);
  auto& parents = Host().parents;
  auto& before = Host().before;
  auto saved =
      std::find_if(before.begin(), before.end(), [window](const auto& entry) { return entry.window == window; });
  HWND focus = nullptr;
  // New controls go where they went before this window opened.
  if (saved != before.end()) {
    if (std::find(parents.begin(), parents.end(), window) != parents.end()) parents = saved->parents;
    focus = saved->focus;
    before.erase(saved);
  }
  std::erase_if(parents, [](HWND parent) { return !IsWindow(parent); });
  GiveFocusBack(focus);
}

bool HasWindowFlag(HWND window, unsigned flag) {
  auto found = Host().flags.find(window);
  return found != Host().flags.end() && (found->second & flag) != 0;
}

void SetWindowHook(int number, WindowHook hook) {
  HWND window = WindowHandle(number);
  if (window) Host().hooks[window] = hook;
}

HWND CreateContainer(int number, int x, int y, int width, int height, ContainerBorder border) {
  RegisterClasses();
  HWND parent = CurrentParent();
  if (!parent) return nullptr;
  int id = ReserveControlNumber(number);
  DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  DWORD exStyle = WS_EX_CONTROLPARENT;
  switch (border) {
    case ContainerBorder::Flat: style |= WS_BORDER; break;
    case ContainerBorder::StaticEdge: exStyle |= WS_EX_STATICEDGE; break;
    case ContainerBorder::Raised: exStyle |= WS_EX_WINDOWEDGE | WS_EX_DLGMODALFRAME; break;
    case ContainerBorder::Sunken: exStyle |= WS_EX_CLIENTEDGE; break;
    case ContainerBorder::None: break;
  }
  const base::LayoutBox box = PixelBox(x, y, width, height);
  HWND container = CreateWindowExW(exStyle, kContainerClass, L"", style, box.x, box.y, box.width, box.height, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                                   nullptr);
  if (!container) return nullptr;
  RememberDesignBox(container, x, y, width, height);
  RegisterControl(id, container);
  Host().parents.push_back(container);
  return container;
}

void OpenChildList(int number) {
  HWND control = ControlHandle(number);
  if (!control) return;
  HWND host = static_cast<HWND>(GetPropW(control, kChildHostProperty));
  Host().parents.push_back(host ? host : control);
}

void CloseChildList() {
  auto& parents = Host().parents;
  if (parents.size() > 1) parents.pop_back();
}

HWND CurrentParent() {
  auto& parents = Host().parents;
  while (!parents.empty() && !IsWindow(parents.back())) parents.pop_back();
  return parents.empty() ? nullptr : parents.back();
}

void SetChildHost(HWND control, HWND childHost) { SetPropW(control, kChildHostProperty, childHost); }

void SetControlColor(int number, int attribute, COLORREF colour) {
  ControlColors& colors = Host().colors[number];
  int value = colour == static_cast<COLORREF>(-1) ? -1 : static_cast<int>(colour & 0xFFFFFF);
  if (attribute == kFrontColor) colors.front = value;
  if (attribute == kBackColor) colors.back = value;
  if (HWND control = ControlHandle(number)) InvalidateRect(control, nullptr, TRUE);
}

int GetControlColor(int number, int attribute) {
  const auto& colors = Host().colors;
  auto found = colors.find(number);
  if (found == colors.end()) return -1;
  if (attribute == kFrontColor) return found->second.front;
  if (attribute == kBackColor) return found->second.back;
  return -1;
}

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
      auto handler = Host().notifyHandlers.find(number);
      if (handler != Host().notifyHandlers.end() && handler->second(lParam, result)) return true;
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
    Host().notifyHandlers[number] = handler;
  } else {
    Host().notifyHandlers.erase(number);
  }
}

LRESULT CallRootHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  HWND root = GetAncestor(window, GA_ROOT);
  auto& hooks = Host().hooks;
  auto hook = hooks.find(root);
  if (hook == hooks.end() || !hook->second) return kNotHandled;
  return hook->second(root, message, wParam, lParam, kNotHandled);
}

}  // namespace ui
