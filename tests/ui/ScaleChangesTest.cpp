// A change of layout scale reaches every control by its being made: no line elsewhere names it.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "support/TestWindow.h"
#include "ui/ControlFont.h"
#include "ui/Controls.h"
#include "ui/Objects.h"
#include "ui/ReportLists.h"
#include "ui/ScaleChanges.h"
#include "ui/StatusBar.h"
#include "ui/WindowScaling.h"

namespace {

using wintest::TestWindow;

RECT PlaceInParent(HWND control) {
  RECT box{};
  GetWindowRect(control, &box);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&box), 2);
  return box;
}

void ChangeScale(HWND window, double scale) {
  RECT now{};
  GetWindowRect(window, &now);
  ui::ChangeLayoutScale(scale, window, 96, now);
}

TEST(UiScaleChanges, ControlsMadeAfterStartUpFollowAChangeOfScaleAndTheirSubscriptionsEndWithThem) {
  ASSERT_EQ(ui::LayoutScale(), 1.0);
  TestWindow window(wintest::kTestWindow, ui::kWindowSystemMenu | ui::kWindowInvisible, 400, 300);
  HWND text = ui::CreateTextControl(ui::kNewNumber, 10, 20, 100, 16, L"Nom");
  HWND list = ui::CreateReportList(ui::kNewNumber, 10, 40, 300, 150, L"Nom", 120, 0);
  HWND bar = ui::CreateStatusBar(ui::kNewNumber, window.handle());
  ASSERT_TRUE(text && list && bar);
  const int widths[] = {20};
  ui::SetStatusFields(GetDlgCtrlID(bar), widths, 1);
  const HFONT fontAt96 = ui::DefaultControlFont();
  int told = 0;
  RECT textWhenTold{};
  ui::OnScaleChange(list, ui::ScaleStep::Look, [&] {
    ++told;
    textWhenTold = PlaceInParent(text);
  });
  HWND gone = ui::CreateButtonControl(ui::kNewNumber, 0, 0, 10, 10, L"");
  int toldGone = 0;
  ui::OnScaleChange(gone, ui::ScaleStep::Look, [&] { ++toldGone; });
  DestroyWindow(gone);

  ChangeScale(window.handle(), 1.5);
  RECT client{};
  GetClientRect(window.handle(), &client);
  EXPECT_EQ(client.right, 600) << "the window's client area";
  EXPECT_EQ(client.bottom, 450);
  const RECT box = PlaceInParent(text);
  EXPECT_EQ(box.left, 15);
  EXPECT_EQ(box.top, 30);
  EXPECT_EQ(box.right - box.left, 150);
  EXPECT_EQ(box.bottom - box.top, 24);
  EXPECT_NE(ui::DefaultControlFont(), fontAt96);
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(text, WM_GETFONT, 0, 0)), ui::DefaultControlFont())
      << "the control font of the new scale";
  EXPECT_EQ(SendMessageW(list, LVM_GETCOLUMNWIDTH, 0, 0), 180) << "the list's column";
  int edges[2] = {};
  SendMessageW(bar, SB_GETPARTS, 2, reinterpret_cast<LPARAM>(edges));
  EXPECT_GE(edges[0], 30) << "the status bar's field";
  EXPECT_EQ(told, 1) << "a piece with a look of its own is told once";
  EXPECT_EQ(textWhenTold.left, 15) << "once the windows have their places at the new scale";
  EXPECT_EQ(toldGone, 0) << "a subscription ends with its window";

  ChangeScale(window.handle(), 1.0);
  EXPECT_EQ(PlaceInParent(text).left, 10) << "and back";
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(text, WM_GETFONT, 0, 0)), fontAt96);
  EXPECT_EQ(told, 2);
}

}  // namespace
