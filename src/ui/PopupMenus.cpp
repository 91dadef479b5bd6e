#include "ui/PopupMenus.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/Objects.h"

namespace ui {

namespace {

// Menus draw a 32-bit bitmap with premultiplied alpha beside the entry's text; made from the picture's icon.
HBITMAP MenuBitmapFromIcon(HICON icon, int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  ReleaseDC(nullptr, screen);
  if (!bitmap) return nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap);
  DrawIconEx(dc, 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
  SelectObject(dc, old);
  DeleteDC(dc);
  return bitmap;
}

// The row a menu of the keyboard belongs to: the focused row when it is selected, else the first selected one.
int KeyboardMenuRow(HWND list) {
  auto focused = static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
  if (focused >= 0 && SendMessageW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(focused), LVIS_SELECTED)) {
    return focused;
  }
  return static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void ShowPopupMenuAt(int menuNumber, HWND owner, POINT at) {
  HMENU menu = MenuHandle(menuNumber);
  if (!menu || !owner) return;
  // The owner must be the foreground window, or the menu does not close when the user clicks elsewhere.
  SetForegroundWindow(owner);
  TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, owner, nullptr);
  PostMessageW(owner, WM_NULL, 0, 0);
}

}  // namespace

HMENU CreateNumberedPopupMenu(int number) {
  // Made again after a change of scale: the old menu goes, its entries' bitmaps stay until the end.
  if (HMENU old = MenuHandle(number)) DestroyMenu(old);
  HMENU menu = CreatePopupMenu();
  if (menu) RegisterMenu(number, menu);
  return menu;
}

void AddMenuEntry(int menuNumber, int command, const wchar_t* text, int imageNumber) {
  HMENU menu = MenuHandle(menuNumber);
  if (!menu) return;
  MENUITEMINFOW item{};
  item.cbSize = sizeof(item);
  item.fMask = MIIM_ID | MIIM_STRING | MIIM_FTYPE;
  item.fType = MFT_STRING;
  item.wID = static_cast<UINT>(command);
  item.dwTypeData = const_cast<wchar_t*>(text);
  const Image* image = imageNumber >= 0 ? FindImage(imageNumber) : nullptr;
  if (image && image->icon) {
    item.fMask |= MIIM_BITMAP;
    item.hbmpItem = MenuBitmapFromIcon(image->icon, image->width, image->height);
    KeepMenuBitmap(item.hbmpItem);
  }
  InsertMenuItemW(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &item);
}

void AddMenuSeparator(int menuNumber) {
  if (HMENU menu = MenuHandle(menuNumber)) AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
}

void EnableMenuEntry(int menuNumber, int command, bool enabled) {
  if (HMENU menu = MenuHandle(menuNumber)) {
    EnableMenuItem(menu, static_cast<UINT>(command), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
  }
}

void ShowPopupMenuAtCursor(int menuNumber, HWND owner) {
  POINT at{};
  GetCursorPos(&at);
  ShowPopupMenuAt(menuNumber, owner, at);
}

bool ShowPopupMenuUnderListRow(int menuNumber, int listNumber, HWND owner) {
  HWND list = ControlHandle(listNumber);
  int row = list ? KeyboardMenuRow(list) : -1;
  if (row < 0) return false;
  SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
  RECT name{};
  name.left = LVIR_LABEL;
  if (!SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&name))) return false;
  // A list scrolled sideways may hide the name's left edge: the menu stays over the list.
  RECT client{};
  GetClientRect(list, &client);
  POINT at{std::clamp(name.left, client.left, client.right - 1), std::clamp(name.bottom, client.top, client.bottom)};
  ClientToScreen(list, &at);
  ShowPopupMenuAt(menuNumber, owner, at);
  return true;
}

}  // namespace ui
