#include "rename/PassDisplay.h"

#include <windows.h>
#include <commctrl.h>

#include "base/Numbers.h"
#include "ui/Objects.h"
#include "ui/ThreadAlive.h"

namespace renaming {

namespace {

// Well under the tenth of a second at which a display looks stuck.
constexpr ULONGLONG kPaintInterval = 50;

}  // namespace

PassDisplay::PassDisplay() : lastPaint_(GetTickCount64()) {}

void PassDisplay::RowStarted(const std::wstring& fullPath) {
  row_ = fullPath;
  pending_ = true;
  PaintWhenDue();
}

void PassDisplay::Progressed(int percent) {
  percent_ = percent;
  pending_ = true;
  PaintWhenDue();
}

void PassDisplay::PaintWhenDue() {
  if (GetTickCount64() - lastPaint_ >= kPaintInterval) Flush();
  ui::ShowThreadAlive();
}

void PassDisplay::Flush() {
  if (!pending_) return;
  if (HWND line = ui::ControlHandle(base::kActivityLine)) SetWindowTextW(line, row_.c_str());
  if (HWND bar = ui::ControlHandle(base::kProgressBar)) SendMessageW(bar, PBM_SETPOS, static_cast<WPARAM>(percent_), 0);
  for (int number : {static_cast<int>(base::kActivityLine), static_cast<int>(base::kProgressBar)}) {
    if (HWND control = ui::ControlHandle(number)) {
      RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    }
  }
  pending_ = false;
  lastPaint_ = GetTickCount64();
}

}  // namespace renaming
