#include "controls/IconButton.h"

#include <cstdlib>
#include <new>

#include "controls/IconButtonLook.h"
#include "controls/ThemeApi.h"
#include "ui/Controls.h"
#include "ui/WindowScaling.h"

namespace controls {

namespace {

constexpr int kPushButtonPart = 1;

// Draws the theme background of the push button in a state; false when the theme cannot be used.
bool DrawThemedBackground(HWND requester, HWND button, HDC dc, const RECT& area, int state) {
  const ThemeApi& api = SharedThemeApi();
  if (!api.openThemeData || !api.drawThemeBackground || !api.closeThemeData) return false;
  HTHEME theme = api.openThemeData(requester, L"Button");
  if (!theme) return false;
  if (api.isThemeBackgroundPartiallyTransparent && api.drawThemeParentBackground &&
      api.isThemeBackgroundPartiallyTransparent(theme, kPushButtonPart, state)) {
    api.drawThemeParentBackground(button, dc, &area);
  }
  api.drawThemeBackground(theme, dc, kPushButtonPart, state, &area, nullptr);
  api.closeThemeData(theme);
  return true;
}

void DrawClassicBackground(HDC dc, IconButtonLook look, int width, int height) {
  ClassicEdges edges = ClassicEdgesFor(look, width, height);
  RECT fill{edges.fillLeft, edges.fillTop, edges.fillRight, edges.fillBottom};
  FillRect(dc, &fill, GetSysColorBrush(COLOR_BTNFACE));
  HGDIOBJ oldPen = nullptr;
  for (const EdgeLine& line : edges.lines) {
    HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(line.colorIndex));
    HGDIOBJ previous = SelectObject(dc, pen);
    if (!oldPen) oldPen = previous;
    MoveToEx(dc, line.x1, line.y1, nullptr);
    LineTo(dc, line.x2, line.y2);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
  }
}

void DrawBackground(HWND requester, HWND button, HDC dc, const RECT& area, IconButtonLook look, bool hot) {
  int width = area.right - area.left;
  int height = area.bottom - area.top;
  if (ThemesActive() &&
      DrawThemedBackground(requester, button, dc, area, PushButtonThemeStateFor(look, hot))) {
    return;
  }
  DrawClassicBackground(dc, look, width, height);
}

void DrawCaption(HDC dc, int x, int y, const wchar_t* caption, int length) {
  if (length > 0) TextOutW(dc, x, y, caption, length);
}

}  // namespace

IconButtonState* IconButtonStateOf(HWND button) {
  return button ? static_cast<IconButtonState*>(GetPropW(button, kIconButtonProperty)) : nullptr;
}

HWND CreateIconButton(int number, int x, int y, int width, int height, const wchar_t* caption,
                      const ui::Image* image, IconLayout layout) {
  HWND button = ui::CreateControlWindow(number, L"Button", caption ? caption : L"",
                                        WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_OWNERDRAW, 0, x, y,
                                        width, height);
  if (!button) return nullptr;
  auto* state = static_cast<IconButtonState*>(std::calloc(1, sizeof(IconButtonState)));
  if (!state) {
    // Without its record nobody would paint the owner-drawn button: better no button than an invisible one.
    ui::ForgetControl(GetDlgCtrlID(button));
    DestroyWindow(button);
    return nullptr;
  }
  state->control = GetDlgCtrlID(button);
  state->image = image;
  state->layout = layout;
  state->hot = 0;
  state->prevProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&IconButtonProc)));
  SetPropW(button, kIconButtonProperty, state);
  return button;
}

LRESULT CALLBACK IconButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  IconButtonState* state = IconButtonStateOf(window);
  if (!state) return 0;
  LRESULT result = CallWindowProcW(state->prevProc, window, message, wParam, lParam);
  switch (message) {
    case WM_THEMECHANGED:
    case WM_SYSCOLORCHANGE:
      LoadThemeApi();
      InvalidateRect(window, nullptr, FALSE);
      break;
    case WM_MOUSEMOVE:
      if (state->hot == 0) {
        state->hot = 1;
        InvalidateRect(window, nullptr, FALSE);
        TRACKMOUSEEVENT track{};
        track.cbSize = sizeof(track);
        track.dwFlags = TME_LEAVE;
        track.hwndTrack = window;
        track.dwHoverTime = 1;
        TrackMouseEvent(&track);
      }
      break;
    case WM_MOUSELEAVE:
      if (state->hot == 1) state->hot = 0;
      InvalidateRect(window, nullptr, TRUE);
      break;
    case WM_DESTROY:
      RemovePropW(window, kIconButtonProperty);
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(state->prevProc));
      std::free(state);
      break;
    default:
      break;
  }
  return result;
}

LRESULT DrawIconButton(HWND window, UINT message, WPARAM, LPARAM lParam, LRESULT defaultResult) {
  if (message != WM_DRAWITEM || !lParam) return defaultResult;
  const auto* request = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
  HWND button = request->hwndItem;
  IconButtonState* state = IconButtonStateOf(button);
  if (!state) return defaultResult;

  // The button's own device context: the one in the request is not used.
  HDC dc = GetDC(button);
  const RECT& area = request->rcItem;
  int width = area.right - area.left;
  int height = area.bottom - area.top;

  HFONT font = reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0));
  HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
  LOGFONTW description{};
  GetObjectW(GetCurrentObject(dc, OBJ_FONT), sizeof(description), &description);
  int fontHeight = std::abs(static_cast<int>(description.lfHeight));

  wchar_t caption[kIconButtonCaptionLimit + 1] = {};
  int length = GetWindowTextW(button, caption, kIconButtonCaptionLimit + 1);
  if (length < 0) length = 0;
  if (length > kIconButtonCaptionLimit) length = kIconButtonCaptionLimit;
  SIZE extent{};
  GetTextExtentPoint32W(dc, caption, length, &extent);

  const ui::Image* image = state->image;
  HICON icon = image ? image->icon : nullptr;
  int iconWidth = icon ? image->width : 0;
  int iconHeight = icon ? image->height : 0;
  IconButtonPlacement place = PlaceIconAndCaption(state->layout, width, height, iconWidth, iconHeight, extent.cx,
                                                  extent.cy, fontHeight, ui::LayoutScale());

  if (request->CtlType == ODT_BUTTON) {
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    IconButtonLook look = IconButtonLookOf(request->itemState);
    DrawBackground(window, button, dc, area, look, state->hot != 0);
    int shift = IconButtonShift(look);
    int oldMode = SetBkMode(dc, TRANSPARENT);
    if (look == IconButtonLook::Disabled) {
      if (icon) {
        DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon), 0, place.iconX, place.iconY, 0, 0,
                   DST_ICON | DSS_DISABLED);
      }
      COLORREF oldColor = SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
      DrawCaption(dc, place.captionX + 1, place.captionY + 1, caption, length);
      SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
      DrawCaption(dc, place.captionX, place.captionY, caption, length);
      SetTextColor(dc, oldColor);
    } else {
      if (icon) DrawIconEx(dc, place.iconX + shift, place.iconY + shift, icon, 0, 0, 0, nullptr, DI_NORMAL | DI_COMPAT);
      DrawCaption(dc, place.captionX + shift, place.captionY + shift, caption, length);
    }
    SetBkMode(dc, oldMode);
    if (IconButtonShowsFocus(look)) {
      RECT focus = area;
      InflateRect(&focus, -ui::Scaled(kFocusInset), -ui::Scaled(kFocusInset));
      DrawFocusRect(dc, &focus);
    }
  }
  if (oldFont) SelectObject(dc, oldFont);
  ReleaseDC(button, dc);
  return 1;
}

}  // namespace controls
