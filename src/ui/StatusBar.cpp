#include "ui/StatusBar.h"

#include <commctrl.h>

#include <vector>

#include "ui/Controls.h"
#include "ui/LayoutScale.h"
#include "ui/Objects.h"

namespace ui {

namespace {
WPARAM FieldStyle(int field, FieldLook look) {
  return static_cast<WPARAM>(field) | (look == FieldLook::Raised ? SBT_POPOUT : 0);
}
}  // namespace

HWND CreateStatusBar(int number, HWND window) {
  if (!window) return nullptr;
  int id = ReserveControlNumber(number);
  HWND bar = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, window,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  if (!bar) return nullptr;
  RegisterControl(id, bar);
  // At 96 DPI the bar keeps the system's own status font; at other scales it takes the one made for the scale.
  if (LayoutScale() != 1.0) SendMessageW(bar, WM_SETFONT, reinterpret_cast<WPARAM>(DefaultControlFont()), FALSE);
  return bar;
}

void SetStatusFields(int number, const int* widths, int count) {
  HWND bar = ControlHandle(number);
  if (!bar) return;
  // The status bar takes right edges; the last field runs to the window's edge (-1).
  std::vector<int> edges;
  int right = 0;
  for (int i = 0; i < count; ++i) {
    right += widths[i];
    edges.push_back(Scaled(right));
  }
  edges.push_back(-1);
  SendMessageW(bar, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

void SetStatusFieldImage(int number, int field, int imageNumber, FieldLook look) {
  HWND bar = ControlHandle(number);
  const Image* image = FindImage(imageNumber);
  if (!bar) return;
  SendMessageW(bar, SB_SETTEXTW, FieldStyle(field, look), reinterpret_cast<LPARAM>(L""));
  if (!image || !image->icon) return;
  SendMessageW(bar, SB_SETICON, static_cast<WPARAM>(field), reinterpret_cast<LPARAM>(image->icon));
  // The bar draws a field's icon at the small-icon size of its monitor, which a scale lowered to fit the screen
  // makes larger than the field's own scaled width: the field grows to hold it, the ones after it move along.
  int edges[16] = {};
  const int count = static_cast<int>(SendMessageW(bar, SB_GETPARTS, 16, reinterpret_cast<LPARAM>(edges)));
  if (field < 0 || field >= count || edges[field] < 0) return;
  const int left = field == 0 ? 0 : edges[field - 1];
  const int needed = GetSystemMetricsForDpi(SM_CXSMICON, GetDpiForWindow(bar)) + Scaled(4);
  const int missing = needed - (edges[field] - left);
  if (missing <= 0) return;
  for (int i = field; i < count; ++i) {
    if (edges[i] >= 0) edges[i] += missing;
  }
  SendMessageW(bar, SB_SETPARTS, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(edges));
}

void SetStatusFieldText(int number, int field, const wchar_t* text, FieldLook look) {
  if (HWND bar = ControlHandle(number)) SendMessageW(bar, SB_SETTEXTW, FieldStyle(field, look), reinterpret_cast<LPARAM>(text));
}

}  // namespace ui
