#include "ui/Monitors.h"

#include <shellscalingapi.h>

namespace ui {

namespace {

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

}  // namespace ui
