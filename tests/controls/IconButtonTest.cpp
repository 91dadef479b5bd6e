#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "ControlTestSupport.h"
#include "controls/IconButton.h"
#include "controls/ThemeApi.h"
#include "ui/Objects.h"

namespace controls {
namespace {

using controlstest::BoundsOf;
using controlstest::CountColour;
using controlstest::CountOther;
using controlstest::Hex;
using controlstest::Picture;

constexpr COLORREF kIconColour = RGB(220, 20, 30);
constexpr int kWidth = 110;
constexpr int kHeight = 35;

LRESULT DrawingHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT notHandled) {
  return DrawIconButton(window, message, wParam, lParam, notHandled);
}

COLORREF Sys(int index) { return GetSysColor(index); }

class IconButtonTest : public testing::Test {
 protected:
  void SetUp() override {
    LoadThemeApi();
    savedThemes = ThemesActive();
    window = std::make_unique<controlstest::TestWindow>(controlstest::kControlsTestWindow, 400, 200, DrawingHook);
    image.icon = controlstest::SolidIcon(24, kIconColour);
    image.width = 24;
    image.height = 24;
    button = CreateIconButton(ui::kNewNumber, 20, 20, kWidth, kHeight, L"Renommer", &image, IconLeft);
    ASSERT_NE(button, nullptr);
    UpdateWindow(window->handle());
  }
  void TearDown() override {
    window.reset();
    DestroyIcon(image.icon);
    ForceThemesActive(savedThemes);
  }

  // Sends the parent a draw request of that state, as the button would, and reads what the button shows.
  Picture Render(UINT itemState, int look = -1) {
    if (look >= 0) ForceThemesActive(look);
    UpdateWindow(window->handle());
    DRAWITEMSTRUCT request{};
    request.CtlType = ODT_BUTTON;
    request.CtlID = static_cast<UINT>(GetDlgCtrlID(button));
    request.itemAction = ODA_DRAWENTIRE;
    request.itemState = itemState;
    request.hwndItem = button;
    request.hDC = nullptr;  // never used: the button draws through its own device context
    GetClientRect(button, &request.rcItem);
    result = SendMessageW(window->handle(), WM_DRAWITEM, request.CtlID, reinterpret_cast<LPARAM>(&request));
    return controlstest::ReadWindow(button);
  }

  static RECT Whole() { return {0, 0, kWidth, kHeight}; }
  // Where the caption goes: from x 44, between the rows of the font.
  static RECT CaptionArea() { return {40, 8, kWidth - 6, 27}; }

  // Leftmost column of caption ink: pixels darker than the face in the caption area.
  static int FirstInkColumn(const Picture& picture, COLORREF ink) {
    RECT box = BoundsOf(picture, ink, CaptionArea());
    return box.right < box.left ? -1 : box.left;
  }

  int savedThemes = 0;
  std::unique_ptr<controlstest::TestWindow> window;
  ui::Image image;
  HWND button = nullptr;
  LRESULT result = 0;
};

TEST_F(IconButtonTest, AnsweredDrawRequestsReturnOne) {
  Render(0, 0);
  EXPECT_EQ(result, 1) << "the hook painted the button";
  HWND plain = CreateWindowExW(0, L"Button", L"x", WS_CHILD | BS_OWNERDRAW, 0, 0, 50, 20, window->handle(), nullptr,
                               nullptr, nullptr);
  DRAWITEMSTRUCT request{};
  request.CtlType = ODT_BUTTON;
  request.hwndItem = plain;
  EXPECT_EQ(DrawIconButton(window->handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&request), 77), 77)
      << "a window without the record is left to the caller";
  EXPECT_EQ(DrawIconButton(window->handle(), WM_PAINT, 0, 0, 78), 78) << "other messages are left alone";
  DestroyWindow(plain);
}

TEST_F(IconButtonTest, ButtonCarriesItsRecord) {
  IconButtonState* state = IconButtonStateOf(button);
  ASSERT_NE(state, nullptr) << "record under BIGEPROPERTIES";
  EXPECT_EQ(state->control, GetDlgCtrlID(button));
  EXPECT_EQ(state->image, &image);
  EXPECT_EQ(state->layout, IconLeft);
  EXPECT_EQ(state->hot, 0);
  EXPECT_EQ(GetWindowLongPtrW(button, GWL_STYLE) & 0x0F, BS_OWNERDRAW) << "owner-drawn push button";
  EXPECT_TRUE(GetWindowLongPtrW(button, GWL_STYLE) & WS_TABSTOP);
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(button, GWLP_WNDPROC)), &IconButtonProc) << "subclassed";
}

TEST_F(IconButtonTest, IconLeftPlacesIconAndCaption) {
  Picture picture = Render(0, 0);
  RECT icon = BoundsOf(picture, kIconColour, Whole());
  EXPECT_EQ(icon.left, 10) << "icon's first column";
  EXPECT_EQ(icon.top, 6) << "icon's first row: (35 - 24) / 2 + 1";
  EXPECT_EQ(icon.right, 33) << "24 pixels wide";
  EXPECT_EQ(icon.bottom, 29) << "24 pixels high";
  int ink = FirstInkColumn(picture, RGB(0, 0, 0));
  EXPECT_GE(ink, 44) << "caption starts at x 44";
  EXPECT_LE(ink, 46) << "caption starts at x 44 (the R's side bearing aside)";
}

TEST_F(IconButtonTest, ClassicNormalEdges) {
  Picture p = Render(0, 0);
  EXPECT_EQ(p.At(50, 0), Sys(COLOR_BTNHIGHLIGHT)) << Hex(p.At(50, 0)) << " top row light";
  EXPECT_EQ(p.At(0, 17), Sys(COLOR_BTNHIGHLIGHT)) << "left column light";
  EXPECT_EQ(p.At(50, kHeight - 1), Sys(COLOR_WINDOWFRAME)) << "bottom row dark";
  EXPECT_EQ(p.At(kWidth - 1, 17), Sys(COLOR_WINDOWFRAME)) << "right column dark";
  EXPECT_EQ(p.At(50, kHeight - 2), Sys(COLOR_BTNSHADOW)) << "shadow inside the bottom";
  EXPECT_EQ(p.At(kWidth - 2, 17), Sys(COLOR_BTNSHADOW)) << "shadow inside the right";
  EXPECT_EQ(p.At(50, 1), Sys(COLOR_BTNFACE)) << "face inside";
  EXPECT_EQ(CountOther(p, Sys(COLOR_BTNFACE), {4, 4, 8, kHeight - 4}), 0) << "no focus rectangle when not focused";
}

TEST_F(IconButtonTest, ClassicPressedEdges) {
  Picture p = Render(ODS_SELECTED, 0);
  EXPECT_EQ(p.At(50, 0), Sys(COLOR_WINDOWFRAME)) << "dark frame: top";
  EXPECT_EQ(p.At(0, 17), Sys(COLOR_WINDOWFRAME)) << "left";
  EXPECT_EQ(p.At(50, kHeight - 1), Sys(COLOR_WINDOWFRAME)) << "bottom";
  EXPECT_EQ(p.At(kWidth - 1, 17), Sys(COLOR_WINDOWFRAME)) << "right";
  EXPECT_EQ(p.At(50, 1), Sys(COLOR_BTNSHADOW)) << "shadow ring: top";
  EXPECT_EQ(p.At(1, 17), Sys(COLOR_BTNSHADOW)) << "left";
  EXPECT_EQ(p.At(50, kHeight - 2), Sys(COLOR_BTNSHADOW)) << "bottom";
  EXPECT_EQ(p.At(kWidth - 2, 17), Sys(COLOR_BTNSHADOW)) << "right";
}

TEST_F(IconButtonTest, ClassicFocusedEdges) {
  Picture p = Render(ODS_FOCUS, 0);
  EXPECT_EQ(p.At(50, kHeight - 2), Sys(COLOR_WINDOWFRAME)) << "double dark bottom";
  EXPECT_EQ(p.At(kWidth - 2, 17), Sys(COLOR_WINDOWFRAME)) << "double dark right";
  EXPECT_EQ(p.At(50, 1), Sys(COLOR_BTNHIGHLIGHT)) << "light inside the top";
  EXPECT_EQ(p.At(1, 17), Sys(COLOR_BTNHIGHLIGHT)) << "light inside the left";
  EXPECT_EQ(p.At(50, kHeight - 3), Sys(COLOR_BTNSHADOW)) << "shadow above the double bottom";
  EXPECT_EQ(p.At(kWidth - 3, 17), Sys(COLOR_BTNSHADOW)) << "shadow left of the double right";
}

TEST_F(IconButtonTest, FocusRectangleFourPixelsInside) {
  for (UINT state : {static_cast<UINT>(ODS_FOCUS), static_cast<UINT>(ODS_SELECTED)}) {
    for (int look : {0, 1}) {
      Picture p = Render(state, look);
      const COLORREF face = p.At(kWidth / 2, 3);
      std::string what = "state " + std::to_string(state) + ", themed " + std::to_string(look);
      EXPECT_GT(CountOther(p, face, {36, 4, 100, 5}), 10) << what << ": dotted line on row 4";
      EXPECT_EQ(CountOther(p, face, {36, 3, 100, 4}), 0) << what << ": nothing on row 3";
      EXPECT_GT(CountOther(p, p.At(3, 17), {4, 14, 5, 22}), 2) << what << ": dotted line on column 4";
      EXPECT_GT(CountOther(p, face, {36, kHeight - 5, 100, kHeight - 4}), 10) << what << ": row H - 5";
    }
  }
}

TEST_F(IconButtonTest, PressedShiftsIconAndCaptionOnePixel) {
  for (int look : {0, 1}) {
    Picture normal = Render(0, look);
    Picture pressed = Render(ODS_SELECTED, look);
    RECT before = BoundsOf(normal, kIconColour, Whole());
    RECT after = BoundsOf(pressed, kIconColour, Whole());
    EXPECT_EQ(after.left, before.left + 1) << "icon one pixel right, themed " << look;
    EXPECT_EQ(after.top, before.top + 1) << "icon one pixel down, themed " << look;
    EXPECT_EQ(FirstInkColumn(pressed, RGB(0, 0, 0)), FirstInkColumn(normal, RGB(0, 0, 0)) + 1)
        << "caption one pixel right, themed " << look;
    RECT inkBefore = BoundsOf(normal, RGB(0, 0, 0), CaptionArea());
    RECT inkAfter = BoundsOf(pressed, RGB(0, 0, 0), CaptionArea());
    EXPECT_EQ(inkAfter.top, inkBefore.top + 1) << "caption one pixel down, themed " << look;
  }
}

TEST_F(IconButtonTest, DisabledCaptionIsEmbossed) {
  Picture p = Render(ODS_DISABLED, 0);
  RECT shadow = BoundsOf(p, Sys(COLOR_BTNSHADOW), CaptionArea());
  RECT light = BoundsOf(p, Sys(COLOR_BTNHIGHLIGHT), CaptionArea());
  ASSERT_LE(shadow.left, shadow.right) << "caption in the shadow colour";
  ASSERT_LE(light.left, light.right) << "caption in the highlight colour";
  EXPECT_EQ(light.left, shadow.left + 1) << "highlight one pixel right of the shadow";
  EXPECT_EQ(light.top, shadow.top + 1) << "highlight one pixel below the shadow";
  EXPECT_EQ(light.right, shadow.right + 1);
  EXPECT_EQ(light.bottom, shadow.bottom + 1);
  EXPECT_EQ(CountColour(p, RGB(0, 0, 0), CaptionArea()), 0) << "no black caption";
  EXPECT_EQ(CountColour(p, kIconColour, Whole()), 0) << "the icon is drawn grey, not in its colour";
  EXPECT_GT(CountOther(p, Sys(COLOR_BTNFACE), {10, 6, 34, 30}), 50) << "but the icon is drawn";
  EXPECT_EQ(CountOther(p, Sys(COLOR_BTNFACE), {36, 4, 100, 5}), 0) << "no focus rectangle";
}

TEST_F(IconButtonTest, HotChangesNeitherTheClassicNorTheDisabledLook) {
  IconButtonState* state = IconButtonStateOf(button);
  Picture classicCold = Render(0, 0);
  Picture disabledCold = Render(ODS_DISABLED, 1);
  state->hot = 1;
  EXPECT_TRUE(Render(0, 0) == classicCold) << "classic look ignores the hot flag";
  EXPECT_TRUE(Render(ODS_DISABLED, 1) == disabledCold) << "themed disabled look ignores the hot flag";
}

TEST_F(IconButtonTest, WineHasAVisualStyleActive) {
  LoadThemeApi();
  EXPECT_NE(SharedThemeApi().library, nullptr) << "UxTheme.dll loaded at run time";
  EXPECT_NE(SharedThemeApi().drawThemeBackground, nullptr) << "functions looked up by name";
  EXPECT_EQ(ThemesActive(), 1) << "the default prefix's light style";
}

// The push button's theme background of a state, drawn straight into memory for comparison.
Picture ThemeReference(HWND window, int state) {
  const ThemeApi& api = SharedThemeApi();
  HTHEME theme = api.openThemeData(window, L"Button");
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, kWidth, kHeight);
  HGDIOBJ old = SelectObject(dc, bitmap);
  RECT area{0, 0, kWidth, kHeight};
  FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
  api.drawThemeBackground(theme, dc, 1, state, &area, nullptr);
  api.closeThemeData(theme);
  Picture picture;
  picture.width = kWidth;
  picture.height = kHeight;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) picture.pixels.push_back(GetPixel(dc, x, y));
  }
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return picture;
}

// Whether the button's background (its border rows and a strip clear of icon, caption and focus rectangle)
// matches a theme state's.
bool BackgroundMatches(const Picture& button, const Picture& reference) {
  for (int x = 0; x < kWidth; ++x) {
    for (int y : {0, 1, 2, kHeight - 3, kHeight - 2, kHeight - 1}) {
      if (button.At(x, y) != reference.At(x, y)) return false;
    }
  }
  for (int y = 0; y < kHeight; ++y) {
    if (button.At(1, y) != reference.At(1, y) || button.At(kWidth - 2, y) != reference.At(kWidth - 2, y)) return false;
  }
  return true;
}

TEST_F(IconButtonTest, ThemedStatesFollowFocusAndHot) {
  ASSERT_NE(SharedThemeApi().openThemeData, nullptr);
  struct Case {
    UINT itemState;
    int hot;
    int themeState;
    const char* name;
  } const cases[] = {
      {0, 0, kPushNormal, "normal"},
      {0, 1, kPushHot, "normal and hot"},
      {ODS_FOCUS, 0, kPushDefaulted, "focused"},
      {ODS_FOCUS, 1, kPushHot, "focused and hot"},
      {ODS_SELECTED, 0, kPushPressed, "pressed"},
      {ODS_DISABLED, 0, kPushDisabled, "disabled"},
  };
  IconButtonState* state = IconButtonStateOf(button);
  for (const Case& c : cases) {
    state->hot = c.hot;
    Picture p = Render(c.itemState, 1);
    EXPECT_TRUE(BackgroundMatches(p, ThemeReference(window->handle(), c.themeState)))
        << c.name << ": background of theme state " << c.themeState;
  }
}

TEST_F(IconButtonTest, ThemedAndClassicLooksDiffer) {
  Picture themed = Render(0, 1);
  Picture classic = Render(0, 0);
  EXPECT_FALSE(themed == classic) << "the flag chooses the look";
  EXPECT_EQ(classic.At(50, 0), Sys(COLOR_BTNHIGHLIGHT)) << "classic top edge";
}

TEST_F(IconButtonTest, MouseMoveMakesHotAndLeaveCools) {
  IconButtonState* state = IconButtonStateOf(button);
  SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(state->hot, 1) << "first move over the button";
  SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(6, 5));
  EXPECT_EQ(state->hot, 1) << "further moves keep it";
  SendMessageW(button, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(state->hot, 0) << "leave notification";
}

TEST_F(IconButtonTest, ThemeChangeReloadsTheThemeFunctions) {
  ForceThemesActive(0);
  SendMessageW(button, WM_THEMECHANGED, 0, 0);
  EXPECT_EQ(ThemesActive(), 1) << "reloaded from IsThemeActive";
  ForceThemesActive(0);
  SendMessageW(button, WM_SYSCOLORCHANGE, 0, 0);
  EXPECT_EQ(ThemesActive(), 1) << "system colour change reloads too";
}

TEST_F(IconButtonTest, CaptionIsCutAt1023Characters) {
  // IconRight ends the caption at a fixed place, so its last drawn characters are visible.
  IconButtonStateOf(button)->layout = IconRight;
  std::wstring exact = std::wstring(1022, L'.') + L"W";
  SetWindowTextW(button, exact.c_str());
  Picture cut = Render(0, 0);
  SetWindowTextW(button, (exact + std::wstring(600, L'.')).c_str());
  Picture longer = Render(0, 0);
  SetWindowTextW(button, std::wstring(1023, L'.').c_str());
  Picture dots = Render(0, 0);
  EXPECT_TRUE(longer == cut) << "characters after the 1023rd are not drawn";
  EXPECT_FALSE(dots == cut) << "the 1023rd character shows";
}

TEST_F(IconButtonTest, DestroyMessageRemovesTheRecordAndTheSubclass) {
  HWND other = CreateIconButton(ui::kNewNumber, 150, 20, 60, 30, L"x", nullptr, IconLeft);
  ASSERT_NE(IconButtonStateOf(other), nullptr);
  // The destroy message on its own, so that the window can still be looked at afterwards.
  SendMessageW(other, WM_DESTROY, 0, 0);
  EXPECT_EQ(IconButtonStateOf(other), nullptr) << "property removed";
  EXPECT_NE(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(other, GWLP_WNDPROC)), &IconButtonProc)
      << "previous procedure put back";
  DestroyWindow(other);
}

TEST_F(IconButtonTest, WindowWithoutRecordGetsNoSubclassBehaviour) {
  HWND plain = CreateWindowExW(0, L"Button", L"x", WS_CHILD, 0, 0, 50, 20, window->handle(), nullptr, nullptr,
                               nullptr);
  EXPECT_EQ(IconButtonProc(plain, WM_GETTEXTLENGTH, 0, 0), 0) << "no record: nothing passed on, 0";
  DestroyWindow(plain);
}

}  // namespace
}  // namespace controls
