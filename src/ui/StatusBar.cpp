#include "ui/StatusBar.h"

#include <commctrl.h>

#include <map>
#include <string>
#include <vector>

#include "ui/ControlFont.h"
#include "ui/Objects.h"
#include "ui/WindowRecords.h"
#include "ui/WindowScaling.h"

namespace ui {

namespace {

// What a bar was told, to be told again at another scale.
struct Field {
  int image = -1;
  std::wstring text;
  bool hasText = false;
  FieldLook look = FieldLook::Normal;
};
struct BarRecord {
  std::vector<int> widths;  // 96-DPI widths of every field but the last
  std::map<int, Field> fields;
};

WindowRecords<BarRecord>& Bars() {
  static WindowRecords<BarRecord> bars;
  return bars;
}

WPARAM FieldStyle(int field, FieldLook look) {
  return static_cast<WPARAM>(field) | (look == FieldLook::Raised ? SBT_POPOUT : 0);
}

void ApplyFields(HWND bar, const std::vector<int>& widths) {
  // The status bar takes right edges; the last field runs to the window's edge (-1).
  std::vector<int> edges;
  int right = 0;
  for (int width : widths) {
    right += width;
    edges.push_back(Scaled(right));
  }
  edges.push_back(-1);
  SendMessageW(bar, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

void ApplyImage(HWND bar, int field, int imageNumber, FieldLook look) {
  const Image* image = FindImage(imageNumber);
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

}  // namespace

HWND CreateStatusBar(int number, HWND window) {
  if (!window) return nullptr;
  int id = ReserveControlNumber(number);
  if (id < 0) return nullptr;
  HWND bar = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, window,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  if (!bar) return nullptr;
  RegisterControl(id, bar);
  Bars()[bar];
  // At 96 DPI the bar keeps the system's own status font; at other scales it takes the one made for the scale.
  if (LayoutScale() != 1.0) SendMessageW(bar, WM_SETFONT, reinterpret_cast<WPARAM>(DefaultControlFont()), FALSE);
  return bar;
}

void SetStatusFields(int number, const int* widths, int count) {
  HWND bar = ControlHandle(number);
  if (!bar) return;
  BarRecord& record = Bars()[bar];
  record.widths.assign(widths, widths + count);
  ApplyFields(bar, record.widths);
}

void SetStatusFieldImage(int number, int field, int imageNumber, FieldLook look) {
  HWND bar = ControlHandle(number);
  if (!bar) return;
  Bars()[bar].fields[field] = {imageNumber, L"", false, look};
  ApplyImage(bar, field, imageNumber, look);
}

void SetStatusFieldText(int number, int field, const wchar_t* text, FieldLook look) {
  HWND bar = ControlHandle(number);
  if (!bar) return;
  Bars()[bar].fields[field] = {-1, text ? text : L"", true, look};
  SendMessageW(bar, SB_SETTEXTW, FieldStyle(field, look), reinterpret_cast<LPARAM>(text));
}

void RefitStatusBars() {
  Bars().ForEach([](HWND bar, const BarRecord& record) {
    SendMessageW(bar, WM_SIZE, 0, 0);  // its height for the new font, at the bottom of its resized window
    ApplyFields(bar, record.widths);
    for (const auto& [field, shown] : record.fields) {
      if (shown.hasText) {
        SendMessageW(bar, SB_SETTEXTW, FieldStyle(field, shown.look), reinterpret_cast<LPARAM>(shown.text.c_str()));
      } else {
        ApplyImage(bar, field, shown.image, shown.look);
      }
    }
  });
}

}  // namespace ui
