#include "ui/Tooltips.h"

#include <commctrl.h>

#include "ui/Objects.h"

namespace ui {

namespace {

// The tool record without its trailing reserved field: 44 bytes in 32-bit builds, the form the balloons use.
const UINT kToolRecordSize = TTTOOLINFOW_V2_SIZE;

// Owned by the control's top-level window, so the tip goes when that window is closed.
HWND CreateTipWindow(DWORD style, HWND control) {
  return CreateWindowExW(0, L"ToolTips_Class32", L"", style, 0, 0, 0, 0, GetAncestor(control, GA_ROOT), nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

bool AddTool(HWND tip, HWND control, const wchar_t* text) {
  TTTOOLINFOW tool{};
  tool.cbSize = kToolRecordSize;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = control;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = const_cast<wchar_t*>(text);
  return SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)) != 0;
}

// A button that shows only a picture takes the tip's words as its window text, which it does not draw and which
// screen readers read as its name.
void NamePictureButton(HWND control, const wchar_t* name) {
  if (!name || !*name || GetWindowTextLengthW(control) > 0) return;
  wchar_t windowClass[16] = {};
  GetClassNameW(control, windowClass, 16);
  const LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE);
  if (lstrcmpiW(windowClass, L"Button") == 0 && (style & (BS_ICON | BS_BITMAP))) SetWindowTextW(control, name);
}

}  // namespace

HWND AttachBalloonTip(int control, const wchar_t* title, const wchar_t* text, HICON icon) {
  HWND target = ControlHandle(control);
  if (!target) return nullptr;
  HWND tip = CreateTipWindow(WS_POPUP | TTS_NOPREFIX | TTS_BALLOON, target);
  if (!tip) return nullptr;
  SendMessageW(tip, TTM_SETTIPTEXTCOLOR, GetSysColor(COLOR_INFOTEXT), 0);
  SendMessageW(tip, TTM_SETTIPBKCOLOR, GetSysColor(COLOR_INFOBK), 0);
  SendMessageW(tip, TTM_SETMAXTIPWIDTH, 0, 200);
  AddTool(tip, target, text);
  NamePictureButton(target, title && *title ? title : text);
  if (title && *title) SendMessageW(tip, TTM_SETTITLEW, reinterpret_cast<WPARAM>(icon), reinterpret_cast<LPARAM>(title));
  return tip;
}

HWND AttachStandardTip(int control, const wchar_t* text) {
  HWND target = ControlHandle(control);
  if (!target) return nullptr;
  HWND tip = CreateTipWindow(WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, target);
  if (!tip) return nullptr;
  AddTool(tip, target, text);
  NamePictureButton(target, text);
  return tip;
}

}  // namespace ui
