#include "ui/ControlColors.h"

#include <map>

#include "ui/Objects.h"

namespace ui {

namespace {

struct Colors {
  int front = -1;
  int back = -1;
};

std::map<int, Colors>& ColorsByNumber() {
  static std::map<int, Colors> colors;
  return colors;
}

// Brushes of the colours in use; a handful at most, kept for the whole run.
HBRUSH SolidBrush(COLORREF colour) {
  static std::map<COLORREF, HBRUSH> brushes;
  auto found = brushes.find(colour);
  if (found != brushes.end()) return found->second;
  HBRUSH brush = CreateSolidBrush(colour);
  if (brush) brushes[colour] = brush;
  return brush;
}

}  // namespace

void SetControlColor(int number, int attribute, COLORREF colour) {
  Colors& colors = ColorsByNumber()[number];
  int value = colour == static_cast<COLORREF>(-1) ? -1 : static_cast<int>(colour & 0xFFFFFF);
  if (attribute == kFrontColor) colors.front = value;
  if (attribute == kBackColor) colors.back = value;
  if (HWND control = ControlHandle(number)) InvalidateRect(control, nullptr, TRUE);
}

int GetControlColor(int number, int attribute) {
  const auto& colors = ColorsByNumber();
  auto found = colors.find(number);
  if (found == colors.end()) return -1;
  if (attribute == kFrontColor) return found->second.front;
  if (attribute == kBackColor) return found->second.back;
  return -1;
}

// A control's own colours, or the colour of the container it sits in.
// Texts and buttons sit on their container's colour; fields and lists keep their own white.
bool ColorControl(HWND host, UINT message, HDC dc, HWND control, LRESULT* result) {
  const auto& colors = ColorsByNumber();
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
  HBRUSH brush = SolidBrush(static_cast<COLORREF>(back));
  *result = reinterpret_cast<LRESULT>(brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
  return true;
}

void FillContainerBackground(HWND container, HDC dc) {
  const int back = GetControlColor(GetDlgCtrlID(container), kBackColor);
  HBRUSH brush = back == -1 ? nullptr : SolidBrush(static_cast<COLORREF>(back));
  RECT area;
  GetClientRect(container, &area);
  FillRect(dc, &area, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
}

}  // namespace ui
