#include "ui/LayoutScale.h"

#include <shellscalingapi.h>

#include <cmath>
#include <map>

namespace ui {

namespace {

double currentScale = 1.0;

std::map<HWND, base::LayoutBox>& DesignBoxes() {
  static std::map<HWND, base::LayoutBox> boxes;
  return boxes;
}

base::WorkArea ToWorkArea(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

base::WorkArea MonitorWorkArea(HMONITOR monitor) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (monitor && GetMonitorInfoW(monitor, &info)) return ToWorkArea(info.rcWork);
  RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  return ToWorkArea(area);
}

}  // namespace

void BecomePerMonitorAware() {
  if (GetAwarenessFromDpiAwarenessContext(GetThreadDpiAwarenessContext()) == DPI_AWARENESS_UNAWARE) {
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
  }
}

double LayoutScale() { return currentScale; }

void SetLayoutScale(double scale) { currentScale = scale > 0 ? scale : 1.0; }

int Scaled(int designValue) { return base::ScaledEdge(designValue, currentScale); }

int ScaledSize(int designLength) { return base::ScaledLength(designLength, currentScale); }

int DesignValue(int pixels) { return static_cast<int>(std::floor(pixels / currentScale + 1e-9)); }

int LayoutDotsPerInch() { return base::ScaledDotsPerInch(currentScale); }

int SmallIconSize() { return GetSystemMetricsForDpi(SM_CXSMICON, static_cast<UINT>(LayoutDotsPerInch())); }

base::WorkArea WorkAreaOf(HWND window) {
  if (!window) return PrimaryWorkArea();
  return MonitorWorkArea(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
}

base::WorkArea PrimaryWorkArea() { return MonitorWorkArea(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY)); }

int PrimaryMonitorDotsPerInch() {
  UINT x = 0, y = 0;
  HMONITOR primary = MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY);
  if (primary && SUCCEEDED(GetDpiForMonitor(primary, MDT_EFFECTIVE_DPI, &x, &y)) && y > 0) {
    return static_cast<int>(y);
  }
  return static_cast<int>(GetDpiForSystem());
}

base::LayoutBox PixelBox(int x, int y, int width, int height) {
  return base::ScaledBox({x, y, width, height}, currentScale);
}

void RememberDesignBox(HWND window, int x, int y, int width, int height) {
  if (window) DesignBoxes()[window] = {x, y, width, height};
}

void PlaceAtDesignBox(HWND window, int x, int y, int width, int height) {
  if (!window) return;
  RememberDesignBox(window, x, y, width, height);
  const base::LayoutBox box = PixelBox(x, y, width, height);
  SetWindowPos(window, nullptr, box.x, box.y, box.width, box.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void ForgetDesignBox(HWND window) { DesignBoxes().erase(window); }

void ReplaceAllAtScale() {
  auto& boxes = DesignBoxes();
  for (auto it = boxes.begin(); it != boxes.end();) {
    if (!IsWindow(it->first)) {
      it = boxes.erase(it);
      continue;
    }
    const base::LayoutBox box = PixelBox(it->second.x, it->second.y, it->second.width, it->second.height);
    SetWindowPos(it->first, nullptr, box.x, box.y, box.width, box.height,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    ++it;
  }
}

}  // namespace ui
