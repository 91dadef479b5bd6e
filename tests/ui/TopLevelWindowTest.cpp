// Top-level windows: their inner size is the one asked for, centring never places them at a negative position,
// and their flags give exactly the frame asked for.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "support/TestWindow.h"
#include "ui/ChildList.h"
#include "ui/TopLevelWindows.h"

namespace {

using wintest::TestWindow;

constexpr unsigned kMainWindowFlags =
    ui::kWindowSystemMenu | ui::kWindowMinimizeBox | ui::kWindowScreenCentered | ui::kWindowInvisible;
constexpr unsigned kAboutWindowFlags = ui::kWindowCaption | ui::kWindowScreenCentered | ui::kWindowInvisible;
constexpr unsigned kCharactersWindowFlags = ui::kWindowSystemMenu | ui::kWindowToolCaption |
                                            ui::kWindowOwnerCentered | ui::kWindowTopmost | ui::kWindowInvisible;

struct FlagsCase {
  const char* name;
  unsigned flags;
};
const FlagsCase kFlagCases[] = {
    {"main window", kMainWindowFlags},
    {"About window", kAboutWindowFlags},
    {"forbidden-characters window", kCharactersWindowFlags},
    {"system menu only", ui::kWindowSystemMenu | ui::kWindowInvisible},
    {"shown at once", ui::kWindowSystemMenu | ui::kWindowMinimizeBox},
};

TEST(UiTopLevelWindow, TheInnerAreaHasExactlyTheSizeAskedFor) {
  struct Size {
    int width;
    int height;
  };
  const Size sizes[] = {{1014, 718}, {500, 225}, {550, 260}, {120, 40}};
  for (const FlagsCase& c : kFlagCases) {
    for (const Size& size : sizes) {
      TestWindow window(wintest::kTestWindow, c.flags, size.width, size.height);
      ASSERT_NE(window.handle(), nullptr) << c.name;
      RECT inner{};
      GetClientRect(window.handle(), &inner);
      EXPECT_EQ(inner.right - inner.left, size.width) << c.name << " " << size.width << " x " << size.height;
      EXPECT_EQ(inner.bottom - inner.top, size.height) << c.name << " " << size.width << " x " << size.height;
    }
  }
}

TEST(UiTopLevelWindow, TheFlagsGiveTheirFrameAndNeverAMaximizeBoxOrSizingBorder) {
  for (const FlagsCase& c : kFlagCases) {
    TestWindow window(wintest::kTestWindow, c.flags);
    ASSERT_NE(window.handle(), nullptr) << c.name;
    LONG_PTR style = GetWindowLongPtrW(window.handle(), GWL_STYLE);
    LONG_PTR exStyle = GetWindowLongPtrW(window.handle(), GWL_EXSTYLE);
    EXPECT_EQ(style & WS_MAXIMIZEBOX, 0) << c.name << ": no maximize box";
    EXPECT_EQ(style & WS_THICKFRAME, 0) << c.name << ": not resizable";
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION) << c.name << ": a caption";
    bool systemMenu = c.flags & (ui::kWindowSystemMenu | ui::kWindowMinimizeBox);
    EXPECT_EQ((style & WS_SYSMENU) != 0, systemMenu) << c.name << ": system menu and close box";
    EXPECT_EQ((style & WS_MINIMIZEBOX) != 0, (c.flags & ui::kWindowMinimizeBox) != 0) << c.name << ": minimize box";
    EXPECT_EQ((exStyle & WS_EX_TOOLWINDOW) != 0, (c.flags & ui::kWindowToolCaption) != 0) << c.name;
    EXPECT_EQ((exStyle & WS_EX_TOPMOST) != 0, (c.flags & ui::kWindowTopmost) != 0) << c.name << ": above others";
    EXPECT_EQ(IsWindowVisible(window.handle()) != 0, (c.flags & ui::kWindowInvisible) == 0) << c.name;
  }
}

RECT OuterRect(HWND window) {
  RECT outer{};
  GetWindowRect(window, &outer);
  return outer;
}

TEST(UiTopLevelWindow, ScreenCentringPlacesTheWindowInTheMiddleAndNeverAtANegativePlace) {
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  {
    TestWindow window(wintest::kTestWindow, kMainWindowFlags, 1014, 718);
    RECT outer = OuterRect(window.handle());
    EXPECT_NEAR(outer.left, (screenWidth - (outer.right - outer.left)) / 2, 1) << "centred across";
    EXPECT_NEAR(outer.top, (screenHeight - (outer.bottom - outer.top)) / 2, 1) << "centred down";
  }
  {
    TestWindow window(wintest::kTestWindow, kAboutWindowFlags, screenWidth + 400, screenHeight + 300);
    RECT outer = OuterRect(window.handle());
    EXPECT_EQ(outer.left, 0) << "a window wider than the screen starts at its left edge";
    EXPECT_EQ(outer.top, 0) << "a window taller than the screen starts at its top edge";
  }
}

TEST(UiTopLevelWindow, OwnerCentringPlacesTheWindowOverItsOwnerAndNeverAtANegativePlace) {
  struct Case {
    const char* name;
    int ownerX, ownerY, ownerWidth, ownerHeight;
  };
  const Case cases[] = {
      {"an owner in the middle of the screen", 200, 150, 800, 600},
      {"a small owner in the top left corner", 0, 0, 100, 80},
  };
  for (const Case& c : cases) {
    TestWindow owner(wintest::kTestWindow, ui::kWindowSystemMenu | ui::kWindowInvisible, 100, 100);
    SetWindowPos(owner.handle(), nullptr, c.ownerX, c.ownerY, c.ownerWidth, c.ownerHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    RECT around = OuterRect(owner.handle());
    TestWindow window(wintest::kOtherTestWindow, kCharactersWindowFlags, 550, 260, owner.handle());
    ASSERT_NE(window.handle(), nullptr) << c.name;
    RECT outer = OuterRect(window.handle());
    int width = outer.right - outer.left;
    int height = outer.bottom - outer.top;
    int centredX = around.left + (around.right - around.left - width) / 2;
    int centredY = around.top + (around.bottom - around.top - height) / 2;
    EXPECT_NEAR(outer.left, std::max(0, centredX), 1) << c.name << ": across";
    EXPECT_NEAR(outer.top, std::max(0, centredY), 1) << c.name << ": down";
    EXPECT_GE(outer.left, 0) << c.name;
    EXPECT_GE(outer.top, 0) << c.name;
    EXPECT_EQ(GetWindow(window.handle(), GW_OWNER), owner.handle()) << c.name << ": owned by the owner";
  }
}

}  // namespace

TEST(UiTopLevelWindow, NewControlsGoBackToTheFormerWindowWhenAnotherClosesAgain) {
  TestWindow main(wintest::kTestWindow);
  {
    TestWindow about(wintest::kTestWindow + 1);
    EXPECT_EQ(ui::CurrentParent(), about.handle()) << "controls go into the window opened last";
  }
  EXPECT_EQ(ui::CurrentParent(), main.handle()) << "after it closed, into the one before";
}
