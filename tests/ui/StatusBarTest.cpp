// The status bar: fields given by their widths with the last one taking the rest, pictures and texts in them.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/TestWindow.h"
#include "ui/SolidIcon.h"
#include "ui/StatusBar.h"
#include "ui/TopLevelWindows.h"

namespace {

using wintest::TestWindow;

std::vector<int> FieldEdges(HWND bar) {
  int edges[16] = {};
  int count = static_cast<int>(SendMessageW(bar, SB_GETPARTS, 16, reinterpret_cast<LPARAM>(edges)));
  return std::vector<int>(edges, edges + (count < 0 ? 0 : count));
}

TEST(UiStatusBar, TheFieldsHaveTheirWidthsAndTheLastTakesTheRest) {
  struct Case {
    const char* name;
    std::vector<int> widths;
    std::vector<int> expectedEdges;
  };
  const Case cases[] = {
      {"the main window's picture field", {20}, {20, -1}},
      {"three fields", {20, 100}, {20, 120, -1}},
      {"one field only", {}, {-1}},
  };
  for (const Case& c : cases) {
    TestWindow window(wintest::kTestWindow, ui::kWindowSystemMenu | ui::kWindowInvisible, 1014, 718);
    HWND bar = ui::CreateStatusBar(960, window.handle());
    ASSERT_NE(bar, nullptr) << c.name;
    ui::SetStatusFields(960, c.widths.data(), static_cast<int>(c.widths.size()));
    EXPECT_EQ(FieldEdges(bar), c.expectedEdges) << c.name;

    RECT barArea{};
    GetClientRect(bar, &barArea);
    RECT last{};
    SendMessageW(bar, SB_GETRECT, c.widths.size(), reinterpret_cast<LPARAM>(&last));
    EXPECT_GE(last.right, barArea.right - 2) << c.name << ": the last field reaches the right edge";
  }
}

TEST(UiStatusBar, FieldsShowTheirTextPictureAndLook) {
  TestWindow window;
  HWND bar = ui::CreateStatusBar(962, window.handle());
  ASSERT_NE(bar, nullptr);
  const int widths[] = {20};
  ui::SetStatusFields(962, widths, 1);
  ui::Image image;
  image.icon = uitest::MakeSolidIcon(RGB(0, 160, 0));
  image.width = image.height = 16;
  int picture = ui::RegisterImage(ui::kNewNumber, image);

  ui::SetStatusFieldImage(962, 0, picture, ui::FieldLook::Normal);
  ui::SetStatusFieldText(962, 1, L"Tarvelle Rename V 1.40", ui::FieldLook::Raised);

  EXPECT_NE(SendMessageW(bar, SB_GETICON, 0, 0), 0) << "the picture field shows the icon";
  LRESULT first = SendMessageW(bar, SB_GETTEXTLENGTHW, 0, 0);
  EXPECT_EQ(LOWORD(first), 0) << "the picture field has no text";
  EXPECT_EQ(HIWORD(first) & SBT_POPOUT, 0) << "the picture field has the normal look";

  wchar_t text[64] = {};
  LRESULT second = SendMessageW(bar, SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(text));
  EXPECT_EQ(std::wstring(text), L"Tarvelle Rename V 1.40");
  EXPECT_EQ(HIWORD(second) & SBT_POPOUT, SBT_POPOUT) << "the text field is raised";

  ui::SetStatusFieldText(962, 1, L"Prêt", ui::FieldLook::Normal);
  second = SendMessageW(bar, SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(text));
  EXPECT_EQ(std::wstring(text), L"Prêt");
  EXPECT_EQ(HIWORD(second) & SBT_POPOUT, 0) << "back to the normal look";
}

}  // namespace
