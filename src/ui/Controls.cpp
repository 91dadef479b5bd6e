#include "ui/Controls.h"

#include <commctrl.h>

#include "ui/ChildList.h"
#include "ui/ComboBoxImages.h"
#include "ui/ControlFont.h"
#include "ui/ControlImages.h"
#include "ui/Objects.h"
#include "ui/WindowScaling.h"

namespace ui {

HWND CreateControlWindow(int number, const wchar_t* windowClass, const wchar_t* text, DWORD style, DWORD exStyle,
                         int x, int y, int width, int height) {
  HWND parent = CurrentParent();
  if (!parent) return nullptr;
  int id = ReserveControlNumber(number);
  if (id < 0) return nullptr;
  const base::LayoutBox box = PixelBox(x, y, width, height);
  HWND control = CreateWindowExW(exStyle, windowClass, text, style | WS_CHILD | WS_VISIBLE, box.x, box.y, box.width,
                                 box.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleW(nullptr), nullptr);
  if (!control) return nullptr;
  RememberDesignBox(control, x, y, width, height);
  RegisterControl(id, control);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(DefaultControlFont()), FALSE);
  return control;
}

HWND CreateImageControl(int number, int x, int y, int width, int height, int imageNumber) {
  const Image* image = FindImage(imageNumber);
  DWORD kind = image && image->icon ? SS_ICON : SS_BITMAP;
  HWND control = CreateControlWindow(number, L"Static", L"", kind | SS_NOTIFY, 0, x, y, width, height);
  if (control) SetControlImage(GetDlgCtrlID(control), imageNumber);
  return control;
}

HWND CreateTextControl(int number, int x, int y, int width, int height, const wchar_t* text, unsigned flags) {
  // Left-aligned texts are one line: a text a little wider than its control shows all it can, never a hidden
  // second line.
  DWORD style = (flags & kTextCentered) ? SS_CENTER : SS_LEFTNOWORDWRAP;
  if (flags & kTextNotify) style |= SS_NOTIFY;
  DWORD exStyle = (flags & kTextSunkenBorder) ? WS_EX_STATICEDGE : 0;
  return CreateControlWindow(number, L"Static", text, style | SS_NOPREFIX, exStyle, x, y, width, height);
}

HWND CreateButtonControl(int number, int x, int y, int width, int height, const wchar_t* text) {
  return CreateControlWindow(number, L"Button", text, BS_PUSHBUTTON | WS_TABSTOP, 0, x, y, width, height);
}

HWND CreateImageButton(int number, int x, int y, int width, int height, int imageNumber) {
  const Image* image = FindImage(imageNumber);
  DWORD kind = image && image->bitmap ? BS_BITMAP : BS_ICON;
  HWND control = CreateControlWindow(number, L"Button", L"", BS_PUSHBUTTON | kind | WS_TABSTOP, 0, x, y, width,
                                     height);
  if (control) SetControlImage(GetDlgCtrlID(control), imageNumber);
  return control;
}

HWND CreateCheckBox(int number, int x, int y, int width, int height, const wchar_t* text) {
  return CreateControlWindow(number, L"Button", text, BS_AUTOCHECKBOX | WS_TABSTOP, 0, x, y, width, height);
}

HWND CreateOptionButton(int number, int x, int y, int width, int height, const wchar_t* text, bool firstOfGroup) {
  DWORD style = BS_AUTORADIOBUTTON | (firstOfGroup ? WS_GROUP | WS_TABSTOP : 0);
  return CreateControlWindow(number, L"Button", text, style, 0, x, y, width, height);
}

HWND CreateEditField(int number, int x, int y, int width, int height, const wchar_t* text, unsigned flags) {
  DWORD style = ES_AUTOHSCROLL | WS_TABSTOP;
  if (flags & kEditReadOnly) style |= ES_READONLY;
  if (flags & kEditDigitsOnly) style |= ES_NUMBER;
  return CreateControlWindow(number, L"Edit", text, style, WS_EX_CLIENTEDGE, x, y, width, height);
}

HWND CreateComboBox(int number, int x, int y, int width, int height, unsigned flags, int dropHeight) {
  DWORD style = WS_TABSTOP | WS_VSCROLL | ((flags & kComboEditable) ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST);
  if (flags & kComboUpperCase) style |= CBS_UPPERCASE;
  if (flags & kComboWithImages) {
    HWND combo = CreateControlWindow(number, WC_COMBOBOXEXW, L"", style, 0, x, y, width, height + dropHeight);
    if (combo) SendMessageW(combo, CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(ComboBoxImageList()));
    return combo;
  }
  return CreateControlWindow(number, L"ComboBox", L"", style, 0, x, y, width, height + dropHeight);
}

void AddComboEntry(int number, const wchar_t* text, int imageNumber) {
  HWND combo = ControlHandle(number);
  if (!combo) return;
  if (ClassNameOf(combo) == WC_COMBOBOXEXW) {
    COMBOBOXEXITEMW item{};
    item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
    item.iItem = -1;
    item.pszText = const_cast<wchar_t*>(text);
    item.iImage = item.iSelectedImage = imageNumber >= 0 ? ComboBoxImageIndex(imageNumber) : -1;
    SendMessageW(combo, CBEM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  } else {
    // An upper-case combo box may convert the caller's buffer in place: hand it a copy.
    std::wstring copy = text ? text : L"";
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(copy.c_str()));
  }
}

void SelectComboEntry(int number, int index) {
  if (HWND combo = ControlHandle(number)) SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int SelectedComboEntry(int number) {
  HWND combo = ControlHandle(number);
  return combo ? static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0)) : -1;
}

std::wstring SelectedComboText(int number) {
  HWND combo = ControlHandle(number);
  if (!combo) return {};
  if (ClassNameOf(combo) != WC_COMBOBOXEXW) return ControlText(number);
  int index = static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0));
  if (index < 0) return {};
  wchar_t text[512] = {};
  COMBOBOXEXITEMW item{};
  item.mask = CBEIF_TEXT;
  item.iItem = index;
  item.pszText = text;
  item.cchTextMax = 512;
  SendMessageW(combo, CBEM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  return text;
}

HWND CreateProgressBar(int number, int x, int y, int width, int height, int minimum, int maximum) {
  HWND bar = CreateControlWindow(number, PROGRESS_CLASSW, L"", 0, 0, x, y, width, height);
  if (bar) SendMessageW(bar, PBM_SETRANGE32, static_cast<WPARAM>(minimum), maximum);
  return bar;
}

std::wstring ClassNameOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

std::wstring ControlText(int number) {
  HWND control = ControlHandle(number);
  if (!control) return {};
  int length = GetWindowTextLengthW(control);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  int got = GetWindowTextW(control, text.data(), length + 1);
  text.resize(static_cast<size_t>(got < 0 ? 0 : got));
  return text;
}

void SetControlText(int number, const std::wstring& text) {
  if (HWND control = ControlHandle(number)) SetWindowTextW(control, text.c_str());
}

bool IsControlChecked(int number) {
  HWND control = ControlHandle(number);
  return control && SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void SetControlChecked(int number, bool checked) {
  if (HWND control = ControlHandle(number)) SendMessageW(control, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void ShowControl(int number, bool visible) {
  if (HWND control = ControlHandle(number)) ShowWindow(control, visible ? SW_SHOW : SW_HIDE);
}

bool IsControlVisible(int number) {
  HWND control = ControlHandle(number);
  return control && (GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) != 0;
}

void EnableControl(int number, bool enabled) {
  if (HWND control = ControlHandle(number)) EnableWindow(control, enabled ? TRUE : FALSE);
}

void SetControlFont(int number, HFONT font) {
  if (HWND control = ControlHandle(number)) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void FocusControl(int number) {
  if (HWND control = ControlHandle(number)) SetFocus(control);
}

void ForEachProgramControl(const std::function<void(HWND)>& visit) {
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND top, LPARAM data) -> BOOL {
        EnumChildWindows(
            top,
            [](HWND child, LPARAM inner) -> BOOL {
              (*reinterpret_cast<const std::function<void(HWND)>*>(inner))(child);
              return TRUE;
            },
            data);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&visit));
}

}  // namespace ui
