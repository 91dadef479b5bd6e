#include "app/ScaleChange.h"

#include <commctrl.h>

#include "app/Greeting.h"
#include "app/MainControls.h"
#include "app/MainWindow.h"
#include "app/StartupResources.h"
#include "base/Numbers.h"
#include "controls/TaskPane.h"
#include "filelist/RowIcons.h"
#include "ui/Controls.h"
#include "ui/LayoutScale.h"
#include "ui/Objects.h"
#include "ui/WindowHost.h"

namespace app {

namespace {

int windowDotsPerInch = base::kDesignDotsPerInch;

// The list's first shown row, to be shown first again once the rows have their new height.
int TopRow() {
  HWND list = ui::ControlHandle(base::kFileList);
  return list ? static_cast<int>(SendMessageW(list, LVM_GETTOPINDEX, 0, 0)) : 0;
}

void ShowTopRow(int top) {
  HWND list = ui::ControlHandle(base::kFileList);
  if (!list || top <= 0) return;
  RECT row{};
  row.left = LVIR_BOUNDS;
  if (!SendMessageW(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row))) return;
  const int now = static_cast<int>(SendMessageW(list, LVM_GETTOPINDEX, 0, 0));
  SendMessageW(list, LVM_SCROLL, 0, (top - now) * (row.bottom - row.top));
}

void ResizeClientArea(HWND window, int dotsPerInch, const RECT& suggested) {
  RECT outer{0, 0, ui::ScaledSize(kMainClientWidth), ui::ScaledSize(kMainClientHeight)};
  AdjustWindowRectExForDpi(&outer, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)), FALSE,
                           static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)), static_cast<UINT>(dotsPerInch));
  SetWindowPos(window, nullptr, suggested.left, suggested.top, outer.right - outer.left, outer.bottom - outer.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  // Where the frame is not yet drawn at the new scale, the client area comes out otherwise: mend it by the
  // difference, so that the client area is the layout's whatever the frame.
  RECT client{};
  GetClientRect(window, &client);
  const int wrongWidth = ui::ScaledSize(kMainClientWidth) - client.right;
  const int wrongHeight = ui::ScaledSize(kMainClientHeight) - client.bottom;
  if (wrongWidth != 0 || wrongHeight != 0) {
    SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left + wrongWidth, outer.bottom - outer.top + wrongHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
  }
}

}  // namespace

void SetMainWindowDotsPerInch(int dotsPerInch) {
  if (dotsPerInch > 0) windowDotsPerInch = dotsPerInch;
}

void ApplyDpiChange(HWND window, int newDotsPerInch, const RECT& suggested) {
  if (newDotsPerInch <= 0) return;
  // The scale keeps its ratio to the monitor's: a window that was lowered to fit stays lowered as much.
  const double before = ui::LayoutScale();
  const double after = before * newDotsPerInch / windowDotsPerInch;
  windowDotsPerInch = newDotsPerInch;
  const int topRow = TopRow();
  HFONT oldFont = ui::DefaultControlFont();

  ui::SetLayoutScale(after);
  LoadButtonIcons();
  LoadGreetingFont();
  LoadPictures();
  DrawGreetingOnBanner();
  ResizeClientArea(window, newDotsPerInch, suggested);
  ui::ReplaceAllAtScale();
  ui::RefreshControlFonts(oldFont);
  ui::RefreshControlImages();
  ui::RebuildSmallImages();
  ui::RescaleListColumns(base::kFileList, after / before);
  ui::RescaleListColumns(base::kExplorer, after / before);
  if (HWND list = ui::ControlHandle(base::kFileList)) filelist::RebuildRowImages(list);
  controls::LoadPaneFonts();
  RefitTaskPaneContent();
  CreatePopupMenus();  // their entries' pictures at the new size
  if (HWND bar = ui::ControlHandle(base::kStatusBar)) SendMessageW(bar, WM_SIZE, 0, 0);
  LayOutMainStatusBar();
  ShowTopRow(topRow);
  // Every window was moved without repainting; all are painted once, at once: the task pane puts its host areas
  // back in their bands as it paints.
  RedrawWindow(window, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

}  // namespace app
