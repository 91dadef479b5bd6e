#include "controls/Hyperlink.h"

#include <new>
#include <string>

#include "ui/Controls.h"
#include "ui/DialogKeys.h"

namespace controls {

namespace {

HFONT UnderlinedFrom(HFONT font) {
  LOGFONTW description{};
  if (!font || !GetObjectW(font, sizeof(description), &description)) {
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(description), &description);
  }
  description.lfUnderline = TRUE;
  return CreateFontIndirectW(&description);
}

void SetFont(HWND window, HyperlinkState* state, HFONT font, bool redraw) {
  HFONT underlined = UnderlinedFrom(font);
  if (!underlined) return;
  if (state->underlinedFont) DeleteObject(state->underlinedFont);
  state->font = font;
  state->underlinedFont = underlined;
  if (redraw) InvalidateRect(window, nullptr, TRUE);
}

std::wstring TextOf(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

bool ShowsFocus(HWND window) {
  return GetFocus() == window && ui::FocusCuesShown(window);
}

// The text's box as drawn, one pixel larger on each side, within the link.
RECT FocusBox(HDC dc, const std::wstring& text, const RECT& area, UINT format) {
  RECT box = area;
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, format | DT_CALCRECT);
  const LONG height = box.bottom - box.top;
  box.top = area.top + (area.bottom - area.top - height) / 2;
  box.bottom = box.top + height;
  InflateRect(&box, 1, 1);
  IntersectRect(&box, &box, &area);
  return box;
}

// One paint path for WM_PAINT and WM_PRINTCLIENT.
void Paint(HWND window, const HyperlinkState* state, HDC dc) {
  RECT area;
  GetClientRect(window, &area);
  HWND parent = GetParent(window);
  HBRUSH brush = nullptr;
  if (parent) {
    brush = reinterpret_cast<HBRUSH>(
        SendMessageW(parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(window)));
  }
  FillRect(dc, &area, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));

  std::wstring text = TextOf(window);
  int oldMode = SetBkMode(dc, TRANSPARENT);
  COLORREF oldColor = SetTextColor(dc, state->linkColor);
  HGDIOBJ oldFont = SelectObject(dc, state->underlinedFont);
  constexpr UINT kTextFormat = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, kTextFormat);
  if (ShowsFocus(window)) {
    RECT box = FocusBox(dc, text, area, kTextFormat);
    DrawFocusRect(dc, &box);
  }
  SelectObject(dc, oldFont);
  SetTextColor(dc, oldColor);
  SetBkMode(dc, oldMode);
}

bool IsInside(HWND window, LPARAM lParam) {
  RECT area;
  GetClientRect(window, &area);
  POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  return PtInRect(&area, at) != FALSE;
}

void NotifyClick(HWND window) {
  HWND parent = GetParent(window);
  int number = GetDlgCtrlID(window);
  if (parent) SendMessageW(parent, WM_COMMAND, MAKEWPARAM(number, 0), reinterpret_cast<LPARAM>(window));
}

LRESULT CALLBACK HyperlinkProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  HyperlinkState* state = HyperlinkStateOf(window);
  if (!state && message != WM_NCCREATE) return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_NCCREATE: {
      auto* made = new (std::nothrow) HyperlinkState;
      if (!made) return FALSE;
      SetPropW(window, kHyperlinkProperty, made);
      SetFont(window, made, nullptr, false);
      break;
    }
    case WM_NCDESTROY:
      RemovePropW(window, kHyperlinkProperty);
      if (state->underlinedFont) DeleteObject(state->underlinedFont);
      delete state;
      return 0;
    case WM_SETFONT:
      SetFont(window, state, reinterpret_cast<HFONT>(wParam), LOWORD(lParam) != 0);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(state->font);
    case WM_SETTEXT: {
      LRESULT result = DefWindowProcW(window, message, wParam, lParam);
      InvalidateRect(window, nullptr, TRUE);
      return result;
    }
    case WM_ERASEBKGND:
      return 1;  // the paint fills the whole area
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      Paint(window, state, dc);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_PRINTCLIENT:
      Paint(window, state, reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_LBUTTONDOWN:
      state->pressed = true;
      SetCapture(window);
      return 0;
    case WM_LBUTTONUP: {
      bool clicked = state->pressed && IsInside(window, lParam);
      state->pressed = false;
      if (GetCapture() == window) ReleaseCapture();
      if (clicked) NotifyClick(window);
      return 0;
    }
    case WM_CAPTURECHANGED:
      state->pressed = false;
      return 0;
    case WM_GETDLGCODE:
      return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case WM_KEYDOWN:
      if (wParam == VK_SPACE && !(lParam & (1 << 30))) state->spacePressed = true;
      return 0;
    case WM_KEYUP:
      if (wParam == VK_SPACE && state->spacePressed) {
        state->spacePressed = false;
        NotifyClick(window);
      }
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      state->spacePressed = false;
      InvalidateRect(window, nullptr, TRUE);
      return 0;
    case WM_UPDATEUISTATE: {
      LRESULT result = DefWindowProcW(window, message, wParam, lParam);
      InvalidateRect(window, nullptr, TRUE);
      return result;
    }
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void RegisterHyperlinkClass() {
  static bool registered = false;
  if (registered) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = HyperlinkProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_HAND);
  wc.lpszClassName = kHyperlinkClass;
  registered = RegisterClassExW(&wc) != 0;
}

}  // namespace

HyperlinkState* HyperlinkStateOf(HWND link) {
  return link ? static_cast<HyperlinkState*>(GetPropW(link, kHyperlinkProperty)) : nullptr;
}

HWND CreateHyperlink(int number, int x, int y, int width, int height, const wchar_t* text, COLORREF linkColor) {
  RegisterHyperlinkClass();
  HWND link = ui::CreateControlWindow(number, kHyperlinkClass, text ? text : L"", WS_TABSTOP, 0, x, y, width, height);
  HyperlinkState* state = HyperlinkStateOf(link);
  if (!state) return link;
  state->linkColor = linkColor;
  InvalidateRect(link, nullptr, TRUE);
  return link;
}

}  // namespace controls
