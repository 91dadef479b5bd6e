#include "app/Program.h"

#include <windows.h>

#include "app/ProgramInfo.h"

namespace app {

namespace {
LRESULT CALLBACK TempProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_CLOSE) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}
}  // namespace

int RunProgram() {
  WNDCLASSW wc{};
  wc.lpfnWndProc = TempProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"TarvelleTemp";
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  RegisterClassW(&wc);
  RECT r{0, 0, 1014, 718};
  AdjustWindowRect(&r, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, FALSE);
  HWND w = CreateWindowW(L"TarvelleTemp", kProgramTitle, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 100, 100,
                         r.right - r.left, r.bottom - r.top, nullptr, nullptr, wc.hInstance, nullptr);
  if (!w) return 1;
  ShowWindow(w, SW_SHOWNORMAL);
  MSG m;
  while (GetMessageW(&m, nullptr, 0, 0) > 0) {
    TranslateMessage(&m);
    DispatchMessageW(&m);
  }
  return 0;
}

}  // namespace app
