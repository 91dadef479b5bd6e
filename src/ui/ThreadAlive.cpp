#include "ui/ThreadAlive.h"

#include <windows.h>

namespace ui {

void ShowThreadAlive() {
  constexpr ULONGLONG kInterval = 1000;
  static ULONGLONG last = 0;
  ULONGLONG now = GetTickCount64();
  if (now - last < kInterval) return;
  last = now;
  MSG message;
  PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);
}

}  // namespace ui
