#include "ui/WindowDisabled.h"

#include <windows.h>

#include "ui/Objects.h"

namespace ui {

WindowDisabled::WindowDisabled(int windowNumber) : windowNumber_(windowNumber) {
  if (HWND window = WindowHandle(windowNumber_)) EnableWindow(window, FALSE);
}

WindowDisabled::~WindowDisabled() {
  if (HWND window = WindowHandle(windowNumber_)) EnableWindow(window, TRUE);
}

}  // namespace ui
