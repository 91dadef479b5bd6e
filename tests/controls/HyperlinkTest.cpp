// In-process tests of the hyperlink control: its look painted into memory, the click it reports and its cursor.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "ControlTestSupport.h"
#include "controls/Hyperlink.h"
#include "support/TestWindow.h"
#include "ui/ControlColors.h"
#include "ui/Controls.h"
#include "ui/Events.h"

namespace {

using controlstest::Hex;

constexpr int kLink = 930;
constexpr COLORREF kLinkColor = RGB(238, 25, 30);
constexpr COLORREF kWhite = RGB(255, 255, 255);

class HyperlinkTest : public testing::Test {
 protected:
  void SetUp() override {
    window = std::make_unique<controlstest::TestWindow>(controlstest::kControlsTestWindow, 300, 100);
    link = controls::CreateHyperlink(kLink, 10, 10, 100, 20, L"tarvelle.fr", kLinkColor);
    ASSERT_NE(link, nullptr);
    ui::SetControlColor(kLink, ui::kBackColor, kWhite);
    wintest::TakeEvents();
  }
  void TearDown() override {
    ui::SetControlColor(kLink, ui::kBackColor, static_cast<COLORREF>(-1));
    window.reset();
  }

  std::unique_ptr<controlstest::TestWindow> window;
  HWND link = nullptr;
};

TEST_F(HyperlinkTest, TextIsUnderlinedInTheLinkColourOnTheBackgroundItsParentGives) {
  const controlstest::Picture picture = controlstest::PrintClient(link);
  const RECT whole{0, 0, 100, 20};
  const RECT text = controlstest::BoundsOf(picture, kLinkColor, whole);
  ASSERT_LE(text.left, text.right) << "no pixel in the link colour " << Hex(kLinkColor);
  EXPECT_GT(text.right - text.left, 40) << "the text runs across the link";

  // The underline is the lowest row of the text: unbroken in the link colour under the whole text.
  int underline = 0;
  for (int x = text.left; x <= text.right; ++x) underline += picture.At(x, text.bottom) == kLinkColor ? 1 : 0;
  EXPECT_EQ(underline, text.right - text.left + 1) << "row " << text.bottom << " under the text";
  const RECT aboveUnderline{text.left, text.top, text.right + 1, text.bottom};
  EXPECT_LT(controlstest::CountColour(picture, kLinkColor, aboveUnderline),
            (text.right - text.left + 1) * (text.bottom - text.top) / 2)
      << "above the underline the glyphs leave most pixels blank";

  // Outside the text's box only the background shows.
  int notWhite = controlstest::CountOther(picture, kWhite, whole) -
                 controlstest::CountOther(picture, kWhite, RECT{text.left, text.top, text.right + 1, text.bottom + 1});
  EXPECT_EQ(notWhite, 0) << "pixels around the text that are not the white background";
}

TEST_F(HyperlinkTest, AClickIsReportedOnlyWhenTheButtonIsReleasedOverTheLink) {
  struct Case {
    const char* name;
    POINT release;
    size_t events;
  };
  const Case cases[] = {{"released over the link", {20, 10}, 1}, {"released outside", {150, 10}, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SendMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 10));
    SendMessageW(link, WM_LBUTTONUP, 0, MAKELPARAM(c.release.x, c.release.y));
    const auto events = wintest::TakeEvents();
    ASSERT_EQ(events.size(), c.events) << wintest::Describe(events);
    if (c.events == 1) {
      EXPECT_EQ(events[0].kind, ui::kControlEvent);
      EXPECT_EQ(events[0].control, kLink);
      EXPECT_EQ(events[0].type, ui::kClick);
      EXPECT_EQ(events[0].window, controlstest::kControlsTestWindow);
    }
    EXPECT_NE(GetCapture(), link) << "the link lets the mouse go";
  }
  SendMessageW(link, WM_LBUTTONUP, 0, MAKELPARAM(20, 10));
  EXPECT_TRUE(wintest::TakeEvents().empty()) << "a release without a press over the link is no click";
}

// The UI state a window answers, as Windows keeps it; Wine 8 answers 0 (cues shown) whatever it was told.
LRESULT uiStateAnswer = 0;
WNDPROC linkProc = nullptr;
LRESULT CALLBACK AnswerUiState(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_QUERYUISTATE) return uiStateAnswer;
  return CallWindowProcW(linkProc, window, message, wParam, lParam);
}

TEST_F(HyperlinkTest, DrawsTheFocusRectangleAroundItsTextOnlyWithTheFocusWhileTheFocusCuesShow) {
  HWND other = ui::CreateButtonControl(kLink + 1, 150, 10, 60, 20, L"Autre");
  ASSERT_NE(other, nullptr);
  linkProc =
      reinterpret_cast<WNDPROC>(SetWindowLongPtrW(link, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AnswerUiState)));
  struct Case {
    const char* name;
    bool focused;
    LRESULT uiState;
    bool drawn;
  };
  const Case cases[] = {{"focused, cues shown", true, 0, true},
                        {"focused, focus cues hidden", true, UISF_HIDEFOCUS, false},
                        {"not focused, cues shown", false, 0, false}};
  const RECT whole{0, 0, 100, 20};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetFocus(c.focused ? link : other);
    ASSERT_EQ(GetFocus() == link, c.focused) << "the test needs the focus where the case says";
    uiStateAnswer = c.uiState;
    const controlstest::Picture picture = controlstest::PrintClient(link);
    const RECT text = controlstest::BoundsOf(picture, kLinkColor, whole);
    ASSERT_LE(text.left, text.right) << "the text is drawn";
    // The rectangle inverts every other pixel of the white background: black dots.
    const RECT dots = controlstest::BoundsOf(picture, RGB(0, 0, 0), whole);
    if (!c.drawn) {
      EXPECT_GT(dots.left, dots.right) << "no dotted rectangle";
      continue;
    }
    ASSERT_LE(dots.left, dots.right) << "a dotted rectangle";
    EXPECT_LE(dots.left, text.left) << "from the text's left edge";
    EXPECT_GT(dots.right, text.right) << "past the text's right edge";
    EXPECT_LT(dots.top, text.top) << "above the text";
    EXPECT_GT(dots.bottom, text.bottom) << "below the underline";
  }
  // A change of the cues is shown at once.
  ValidateRect(link, nullptr);
  SendMessageW(link, WM_UPDATEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0);
  EXPECT_TRUE(GetUpdateRect(link, nullptr, FALSE)) << "the link is painted again after WM_UPDATEUISTATE";
  SetWindowLongPtrW(link, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(linkProc));
}

TEST_F(HyperlinkTest, ShowsTheHandOverItself) {
  SetCursor(LoadCursorW(nullptr, IDC_ARROW));
  SendMessageW(link, WM_SETCURSOR, reinterpret_cast<WPARAM>(link), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
}

}  // namespace
