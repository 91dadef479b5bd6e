#include "ui/TopLevelWindows.h"

#include "ui/FocusReturn.h"
#include "ui/Monitors.h"
#include "ui/Objects.h"
#include "ui/WindowClasses.h"
#include "ui/WindowRecords.h"
#include "ui/WindowScaling.h"

namespace ui {

namespace {

struct TopLevelRecord {
  unsigned flags = 0;
  int designWidth = 0;  // the client area at 96 DPI
  int designHeight = 0;
  unsigned long long opened = 0;  // the order of opening
  HWND focusAtOpening = nullptr;  // given back when the window closes
};

WindowRecords<TopLevelRecord>& TopLevels() {
  static WindowRecords<TopLevelRecord> records;
  return records;
}

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

// Gives the window's client area its 96-DPI size at the layout scale, its frame drawn at dotsPerInch.
void SizeClientArea(HWND window, const TopLevelRecord& record, int dotsPerInch, POINT place) {
  const int width = ScaledSize(record.designWidth);
  const int height = ScaledSize(record.designHeight);
  const base::FrameSize outer =
      OuterSizeForClient(static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)),
                         static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)), width, height, dotsPerInch);
  SetWindowPos(window, nullptr, place.x, place.y, outer.width, outer.height, SWP_NOZORDER | SWP_NOACTIVATE);
  // Where the frame is not yet drawn at the new scale, the client area comes out otherwise: mend it by the
  // difference, so that the client area is the layout's whatever the frame.
  RECT client{};
  GetClientRect(window, &client);
  const int wrongWidth = width - client.right;
  const int wrongHeight = height - client.bottom;
  if (wrongWidth != 0 || wrongHeight != 0) {
    SetWindowPos(window, nullptr, 0, 0, outer.width + wrongWidth, outer.height + wrongHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
  }
}

}  // namespace

base::FrameSize OuterSizeForClient(DWORD style, DWORD exStyle, int clientWidth, int clientHeight, int dotsPerInch) {
  RECT outer{0, 0, clientWidth, clientHeight};
  AdjustWindowRectExForDpi(&outer, style, FALSE, exStyle, static_cast<UINT>(dotsPerInch));
  return {outer.right - outer.left, outer.bottom - outer.top};
}

base::FrameSize TopLevelFrame(unsigned flags, int dotsPerInch) {
  const WindowStyles styles = TopLevelStyles(flags);
  return OuterSizeForClient(styles.style, styles.exStyle, 0, 0, dotsPerInch);
}

HWND OpenTopLevelWindow(int number, int x, int y, int width, int height, const wchar_t* title, unsigned flags,
                        HWND owner) {
  if (!RegisterWindowClasses()) return nullptr;
  const WindowStyles styles = TopLevelStyles(flags);
  // The frame is drawn at the monitor's own scale, the client area at the layout's.
  const int dotsPerInch = owner ? static_cast<int>(GetDpiForWindow(owner)) : PrimaryMonitorDotsPerInch();
  const base::FrameSize outer =
      OuterSizeForClient(styles.style, styles.exStyle, ScaledSize(width), ScaledSize(height), dotsPerInch);
  // Within the work area of the monitor, never under a taskbar.
  base::WindowPlace place{Scaled(x), Scaled(y)};
  if (flags & kWindowScreenCentered) {
    place = base::CentredInWorkArea(PrimaryWorkArea(), outer.width, outer.height);
  } else if ((flags & kWindowOwnerCentered) && owner) {
    RECT around;
    GetWindowRect(owner, &around);
    place = base::CentredOver({around.left, around.top, around.right, around.bottom}, WorkAreaOf(owner), outer.width,
                              outer.height);
  }
  const HWND focus = GetFocus();
  HWND window = CreateWindowExW(styles.exStyle, kTopLevelClass, title, styles.style, place.x, place.y, outer.width,
                                outer.height, owner, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!window) return nullptr;
  static unsigned long long openings = 0;
  RegisterWindow(number, window);
  TopLevels()[window] = {flags, width, height, ++openings, focus};
  if (!(flags & kWindowInvisible)) ShowWindow(window, SW_SHOWNORMAL);
  return window;
}

void CloseTopLevelWindow(int number) {
  HWND window = WindowHandle(number);
  const TopLevelRecord* record = TopLevels().Find(window);
  const HWND focus = record ? record->focusAtOpening : nullptr;
  if (window) DestroyWindow(window);
  ForgetWindow(number);
  GiveFocusBack(focus);
}

bool HasWindowFlag(HWND window, unsigned flag) {
  const TopLevelRecord* record = TopLevels().Find(window);
  return record && (record->flags & flag) != 0;
}

HWND NewestTopLevelWindow() {
  HWND newest = nullptr;
  unsigned long long latest = 0;
  TopLevels().ForEach([&](HWND window, const TopLevelRecord& record) {
    if (record.opened > latest) {
      newest = window;
      latest = record.opened;
    }
  });
  return newest;
}

void SizeTopLevelWindowsAtScale(HWND moved, int dotsPerInch, const RECT& suggested) {
  TopLevels().ForEach([&](HWND window, const TopLevelRecord& record) {
    if (window == moved) {
      SizeClientArea(window, record, dotsPerInch, {suggested.left, suggested.top});
      return;
    }
    RECT now{};
    GetWindowRect(window, &now);
    SizeClientArea(window, record, static_cast<int>(GetDpiForWindow(window)), {now.left, now.top});
  });
}

void RedrawTopLevelWindows() {
  TopLevels().ForEach([](HWND window, const TopLevelRecord&) {
    RedrawWindow(window, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  });
}

}  // namespace ui
