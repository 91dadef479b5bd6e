#include "ui/Controls.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <vector>

#include "ui/LayoutScale.h"
#include "ui/Objects.h"
#include "ui/WindowHost.h"

namespace ui {

namespace {

HIMAGELIST& SmallImageList() {
  static HIMAGELIST list = ImageList_Create(SmallIconSize(), SmallIconSize(), ILC_COLOR32 | ILC_MASK, 8, 8);
  return list;
}

// Icons already placed in the shared small-image list, by picture number, in the list's order.
std::vector<std::pair<int, int>>& PlacedImages() {
  static std::vector<std::pair<int, int>> placed;
  return placed;
}

int ImageListIndex(int imageNumber) {
  for (const auto& [number, index] : PlacedImages()) {
    if (number == imageNumber) return index;
  }
  const Image* image = FindImage(imageNumber);
  if (!image || !image->icon) return -1;
  int index = ImageList_AddIcon(SmallImageList(), image->icon);
  PlacedImages().emplace_back(imageNumber, index);
  return index;
}

// The picture each image control and image button shows, by window.
std::map<HWND, int>& ShownImages() {
  static std::map<HWND, int> shown;
  return shown;
}

// Every control window of the program's windows, through the number registry's windows.
template <typename Visit>
void ForEachChildOfProgram(Visit visit) {
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND top, LPARAM data) -> BOOL {
        EnumChildWindows(
            top,
            [](HWND child, LPARAM inner) -> BOOL {
              (*reinterpret_cast<Visit*>(inner))(child);
              return TRUE;
            },
            data);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&visit));
}

}  // namespace

// The system's default control font (DEFAULT_GUI_FONT) names "MS Shell Dlg", which Windows draws with Microsoft
// Sans Serif; asking for that face by name gives the same font there and the same metrics where the alias is
// mapped to a wider face, so the fixed control widths hold their texts everywhere.
namespace {

// Texts to compare fonts by: French words of the kind the captions hold, and every letter.
constexpr const wchar_t* kSampleTexts[] = {L"Ajouter des caractères en gardant le nom d'origine : [ ex: nom_1 ]",
                                           L"abcdefghijklmnopqrstuvwxyz ABCDEFGHIJKLMNOPQRSTUVWXYZ 0123456789 éèàç"};
constexpr int kSampleCount = 2;

struct SampleWidths {
  int widths[kSampleCount] = {};
};

SampleWidths MeasureSamples(const LOGFONTW& description) {
  HFONT font = CreateFontIndirectW(&description);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  SampleWidths measured;
  for (int i = 0; i < kSampleCount; ++i) {
    SIZE extent{};
    GetTextExtentPoint32W(dc, kSampleTexts[i], lstrlenW(kSampleTexts[i]), &extent);
    measured.widths[i] = extent.cx;
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(font);
  return measured;
}

bool FitsRoom(const SampleWidths& measured, const SampleWidths& design, double ratio) {
  for (int i = 0; i < kSampleCount; ++i) {
    if (measured.widths[i] > design.widths[i] * ratio) return false;
  }
  return true;
}

}  // namespace

// The stock font is made for the system's dots per inch; the program's is made for its layout scale: the tallest
// whose text is no wider than the 96-DPI text times the scale, so that a caption that fits its place at 96 DPI
// fits it at every scale. Glyph widths do not follow the height exactly, least of all in small sizes, hence the
// measure. One font per scale in use, kept for the whole run: a change of scale may leave controls of another
// window on the old one.
HFONT DefaultControlFont() {
  static std::map<int, HFONT> fonts;
  const int dotsPerInch = LayoutDotsPerInch();
  auto found = fonts.find(dotsPerInch);
  if (found != fonts.end()) return found->second;
  LOGFONTW description{};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(description), &description);
  lstrcpynW(description.lfFaceName, L"Microsoft Sans Serif", LF_FACESIZE);
  const int systemDpi = static_cast<int>(GetDpiForSystem());
  if (systemDpi > 0 && (systemDpi != base::kDesignDotsPerInch || LayoutScale() != 1.0)) {
    description.lfHeight = MulDiv(description.lfHeight, base::kDesignDotsPerInch, systemDpi);
    const SampleWidths design = MeasureSamples(description);
    // Below 100 % the system's check boxes and edges keep their 96-DPI size: captions get a little less than
    // their share of the smaller controls.
    const double ratio = LayoutScale() < 1.0 ? LayoutScale() * 0.97 : LayoutScale();
    const int sign = description.lfHeight < 0 ? -1 : 1;
    int height = static_cast<int>(std::abs(description.lfHeight) * LayoutScale());  // toward zero: never taller
    for (; height > 1; --height) {
      description.lfHeight = sign * height;
      if (FitsRoom(MeasureSamples(description), design, ratio)) break;
    }
    description.lfHeight = sign * std::max(height, 1);
  }
  HFONT made = CreateFontIndirectW(&description);
  if (!made) made = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  fonts[dotsPerInch] = made;
  return made;
}

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
    if (combo) SendMessageW(combo, CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(SmallImageList()));
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
    item.iImage = item.iSelectedImage = imageNumber >= 0 ? ImageListIndex(imageNumber) : -1;
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

HWND CreateReportList(int number, int x, int y, int width, int height, const wchar_t* firstColumn, int firstWidth,
                      unsigned flags) {
  DWORD style = LVS_REPORT | LVS_SHOWSELALWAYS | WS_TABSTOP;
  if (!(flags & kListMultiSelect)) style |= LVS_SINGLESEL;
  if (!(flags & kListNoBorder)) style |= WS_BORDER;
  if (flags & kListVirtual) style |= LVS_OWNERDATA;
  DWORD exStyle = (flags & kListClientEdge) ? WS_EX_CLIENTEDGE : 0;
  HWND list = CreateControlWindow(number, WC_LISTVIEWW, L"", style, exStyle, x, y, width, height);
  if (!list) return nullptr;
  DWORD listExStyle = LVS_EX_LABELTIP;
  if (flags & kListFullRowSelect) listExStyle |= LVS_EX_FULLROWSELECT;
  if (flags & kListGridLines) listExStyle |= LVS_EX_GRIDLINES;
  if (flags & kListDoubleBuffer) listExStyle |= LVS_EX_DOUBLEBUFFER;
  SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, listExStyle, listExStyle);
  AddListColumn(GetDlgCtrlID(list), 0, firstColumn, firstWidth);
  return list;
}

void AddListColumn(int number, int column, const wchar_t* title, int width) {
  HWND list = ControlHandle(number);
  if (!list) return;
  LVCOLUMNW col{};
  col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  col.pszText = const_cast<wchar_t*>(title);
  col.cx = Scaled(width);
  col.iSubItem = column;
  SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&col));
}

void SetListColumnTitle(int number, int column, const std::wstring& title) {
  HWND list = ControlHandle(number);
  if (!list || column < 0) return;
  LVCOLUMNW col{};
  col.mask = LVCF_TEXT;
  col.pszText = const_cast<wchar_t*>(title.c_str());
  SendMessageW(list, LVM_SETCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&col));
}

int ListSubItemOfColumn(int number, int index) {
  HWND list = ControlHandle(number);
  LVCOLUMNW col{};
  col.mask = LVCF_SUBITEM;
  if (!list || !SendMessageW(list, LVM_GETCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&col))) {
    return -1;
  }
  return col.iSubItem;
}

int ListColumnOfSubItem(int number, int subItem) {
  HWND list = ControlHandle(number);
  auto header = list ? reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0)) : nullptr;
  const int columns = header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
  for (int index = 0; index < columns; ++index) {
    if (ListSubItemOfColumn(number, index) == subItem) return index;
  }
  return -1;
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

void SetControlImage(int number, int imageNumber) {
  HWND control = ControlHandle(number);
  const Image* image = FindImage(imageNumber);
  if (!control || !image) return;
  ShownImages()[control] = imageNumber;
  bool isButton = ClassNameOf(control) == L"Button";
  if (image->icon) {
    SendMessageW(control, isButton ? BM_SETIMAGE : STM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(image->icon));
  } else {
    SendMessageW(control, isButton ? BM_SETIMAGE : STM_SETIMAGE, IMAGE_BITMAP,
                 reinterpret_cast<LPARAM>(image->bitmap));
  }
}

}  // namespace ui

namespace ui {

void RefreshControlFonts(HFONT oldDefault) {
  HFONT now = DefaultControlFont();
  if (now == oldDefault) return;
  ForEachChildOfProgram([oldDefault, now](HWND child) {
    auto font = reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0));
    // A status bar keeps the system's font at 96 DPI; it follows the scale like the others.
    if (font == oldDefault || (!font && ClassNameOf(child) == STATUSCLASSNAMEW)) {
      SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(now), FALSE);
    }
  });
}

void RefreshControlImages() {
  auto& shown = ShownImages();
  for (auto it = shown.begin(); it != shown.end();) {
    if (!IsWindow(it->first)) {
      it = shown.erase(it);
      continue;
    }
    const int number = GetDlgCtrlID(it->first);
    const int imageNumber = it->second;
    ++it;
    if (ControlHandle(number)) SetControlImage(number, imageNumber);
  }
}

void RebuildSmallImages() {
  HIMAGELIST old = SmallImageList();
  HIMAGELIST fresh = ImageList_Create(SmallIconSize(), SmallIconSize(), ILC_COLOR32 | ILC_MASK, 8, 8);
  if (!fresh) return;
  // Same order, same indexes: the boxes' entries keep naming their images.
  for (const auto& [number, index] : PlacedImages()) {
    const Image* image = FindImage(number);
    if (image && image->icon) ImageList_AddIcon(fresh, image->icon);
  }
  SmallImageList() = fresh;
  ForEachChildOfProgram([old, fresh](HWND child) {
    if (ClassNameOf(child) != WC_COMBOBOXEXW) return;
    if (reinterpret_cast<HIMAGELIST>(SendMessageW(child, CBEM_GETIMAGELIST, 0, 0)) != old) return;
    SendMessageW(child, CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(fresh));
    InvalidateRect(child, nullptr, TRUE);
  });
  if (old) ImageList_Destroy(old);
}

void RescaleListColumns(int number, double ratio) {
  HWND list = ControlHandle(number);
  if (!list) return;
  auto header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  const int columns = header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
  for (int column = 0; column < columns; ++column) {
    const int width = static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
    SendMessageW(list, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column),
                 MAKELPARAM(base::ScaledEdge(width, ratio), 0));
  }
}

}  // namespace ui
