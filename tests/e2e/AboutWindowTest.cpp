// End-to-end tests of the About window: what it shows and where, the main window disabled while it is open, its
// two ways of closing, and links that leave it open.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "base/Numbers.h"
#include "base/ProgramInfo.h"
#include "e2e/Driver.h"
#include "e2e/ProgramFixtures.h"
#include "e2e/Screenshot.h"

namespace e2e {

namespace {

using namespace base;  // the program's control and command numbers

// What each link hands to the shell, and the message the program shows when the shell cannot take it.
struct LinkCase {
  int link;
  const wchar_t* failureTitle;
  const wchar_t* failureText;
};
const LinkCase kWebsiteLink{base::kAboutWebsiteLink, L"Connexion...", L"Impossible de se connecter au site"};
const LinkCase kSupportLink{base::kAboutSupportLink, L"Messagerie...", L"Impossible d'utiliser votre messagerie!"};

class AboutWindowTest : public FreshRunTest {
 protected:
  // Clicks the About button, or presses Space on it, and waits for the window.
  testing::AssertionResult OpenAbout(HWND* about, bool byKeyboard = false) {
    HWND button = Program().Control(kAboutButton);
    if (byKeyboard) {
      if (testing::AssertionResult pressed = PressWithSpace(button); !pressed) return pressed;
    } else {
      Click(button);
    }
    // Shown once complete: visible, with its close button.
    auto complete = [&] {
      *about = FindTopLevelWindow(Program().ProcessId(), base::kAboutTitle);
      return *about && IsWindowVisible(*about) && FindControl(*about, base::kAboutCloseButton);
    };
    if (WaitUntil(complete, kReactionLimit)) {
      return testing::AssertionSuccess();
    }
    return testing::AssertionFailure() << "no About window; the program shows:"
                                       << DescribeWindowsOf(Program().ProcessId());
  }

  // The shell was given the link's address: its handler started (a process more than before, in the job of the
  // test's programs), or the program said in its message that it could not start, which is answered here.
  testing::AssertionResult LinkRan(const LinkCase& link, DWORD processesBefore) {
    HWND box = nullptr;
    auto ran = [&] {
      for (HWND candidate : MessageBoxesOf(Program().ProcessId())) {
        if (WindowTitle(candidate) == link.failureTitle) box = candidate;
      }
      return box || StartedProcessCount() > processesBefore;
    };
    if (!WaitUntil(ran, kReactionLimit)) {
      return testing::AssertionFailure() << "link " << link.link << " started nothing and showed no message; the "
                                         << "program shows:" << DescribeWindowsOf(Program().ProcessId());
    }
    if (!box) return testing::AssertionSuccess();
    if (MessageBoxText(box) != link.failureText) {
      return testing::AssertionFailure() << "the message \"" << link.failureTitle << "\" reads \""
                                         << MessageBoxText(box) << "\"";
    }
    if (testing::AssertionResult pressed = PressMessageBoxButton(box, kButtonOk); !pressed) return pressed;
    return WaitUntilGone(box);
  }

  // A left click as the mouse makes it, in the middle of the control.
  void ClickWithMouse(HWND control) {
    RECT area{};
    GetClientRect(control, &area);
    POINT middle{area.right / 2, area.bottom / 2};
    POINT screen = middle;
    ClientToScreen(control, &screen);
    PlacePointer(screen);
    PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(middle.x, middle.y));
    PostMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(middle.x, middle.y));
  }
};

TEST_F(AboutWindowTest, ShowsEveryElementAtItsPlaceWithTheMainWindowDisabled) {
  HWND about = nullptr;
  ASSERT_TRUE(OpenAbout(&about));
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowEnabled(Window()); }, kReactionLimit)) << "main window disabled";

  RECT client{};
  GetClientRect(about, &client);
  EXPECT_EQ(client.right, 500) << "client width";
  EXPECT_EQ(client.bottom, 225) << "client height";
  const LONG style = GetWindowLongW(about, GWL_STYLE);
  EXPECT_EQ(style & WS_CAPTION, WS_CAPTION) << "has a caption";
  EXPECT_FALSE(style & WS_SYSMENU) << "no system menu, hence no close box";
  EXPECT_FALSE(style & WS_THICKFRAME) << "not resizable";
  RECT outer{};
  GetWindowRect(about, &outer);
  EXPECT_NEAR((outer.left + outer.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1) << "centred across the screen";
  EXPECT_NEAR((outer.top + outer.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1) << "centred down the screen";

  struct Element {
    int number;
    RECT place;
    const wchar_t* windowClass;
    const wchar_t* text;  // null: not checked
  };
  const std::wstring notice = std::wstring(base::kProgramTitle) +
                              L"\r\rPour toute question vous pouvez contacter l'auteur en utilisant l'adresse e-mail "
                              L"ci-dessus.\r© 2026 Tarvelle Logiciels";
  const Element elements[] = {
      {base::kAboutPanel, {0, 0, 500, 205}, nullptr, nullptr},
      {base::kAboutPicture, {0, 0, 247, 197}, L"Static", nullptr},
      {base::kAboutWebsiteIcon, {300, 20, 320, 40}, L"Static", nullptr},
      {base::kAboutWebsiteLink, {325, 20, 405, 40}, nullptr, L"tarvelle.fr"},
      {base::kAboutSupportIcon, {300, 45, 320, 65}, L"Static", nullptr},
      {base::kAboutSupportLink, {325, 45, 425, 65}, nullptr, L"Contacter le support"},
      {base::kAboutNotice, {260, 80, 490, 170}, L"Static", notice.c_str()},
      {base::kAboutCloseButton, {260, 170, 490, 195}, L"Button", L"Fermer cette fenêtre"},
  };
  HWND panel = FindControl(about, base::kAboutPanel);
  ASSERT_NE(panel, nullptr) << "panel 65";
  EXPECT_TRUE(GetWindowLongW(panel, GWL_STYLE) & WS_BORDER) << "the panel has a one-pixel border";
  for (const Element& element : elements) {
    SCOPED_TRACE(testing::Message() << "element " << element.number);
    HWND control = FindControl(about, element.number);
    ASSERT_NE(control, nullptr) << "exists";
    if (element.number != base::kAboutPanel) {
      EXPECT_EQ(GetParent(control), panel) << "sits in the panel";
    }
    RECT place = PlaceInParent(control);
    EXPECT_TRUE(EqualRect(&place, &element.place)) << "place " << DescribePlace(place);
    if (element.windowClass) {
      EXPECT_EQ(WindowClass(control), element.windowClass) << "kind";
    }
    if (element.text) {
      EXPECT_EQ(Text(control), element.text) << "text";
    }
  }
  EXPECT_TRUE(GetWindowLongW(FindControl(about, base::kAboutNotice), GWL_STYLE) & SS_CENTER) << "the notice is centred";

  HWND bar = FindControl(about, base::kAboutStatusBar);
  ASSERT_NE(bar, nullptr) << "status bar 77";
  EXPECT_EQ(GetParent(bar), about) << "the status bar belongs to the window, under the panel";
  EXPECT_GE(PlaceInParent(bar).top, 205) << "below the panel";
  EXPECT_EQ(SendMessageW(bar, SB_GETPARTS, 0, 0), 2) << "two fields";
  for (WPARAM field : {0, 1}) {
    EXPECT_TRUE(HIWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, field, 0)) & SBT_POPOUT) << "field " << field << " raised";
  }
  EXPECT_GT(LOWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, 1, 0)), 0) << "field 1 holds the maker's notice";

  const auto tips = ToolTipsOf(Program().ProcessId());
  struct Tip {
    int link;
    const wchar_t* text;
  };
  for (const Tip& expected :
       {Tip{base::kAboutWebsiteLink, L"Se connecter au site web https://www.tarvelle.fr/index.html"},
        Tip{base::kAboutSupportLink, L"Envoyer un e-mail au support"}}) {
    HWND link = FindControl(about, expected.link);
    bool found = false;
    for (const ToolTip& tip : tips) {
      if (tip.toolWindow != link) continue;
      found = true;
      EXPECT_EQ(tip.text, expected.text) << "tooltip of link " << expected.link;
      EXPECT_FALSE(GetWindowLongW(tip.window, GWL_STYLE) & TTS_BALLOON) << "an ordinary tooltip";
    }
    EXPECT_TRUE(found) << "a tooltip watches link " << expected.link;
  }

  PlacePointer({0, 0});
  WaitUntil([] { return false; }, Milliseconds(300));
  EXPECT_TRUE(SaveWindowScreenshot("about-window", about));
}

TEST_F(AboutWindowTest, ItsButtonAndTheCloseKeystrokeCloseItAndEnableTheMainWindow) {
  for (const char* way : {"button", "Alt+F4"}) {
    SCOPED_TRACE(way);
    HWND about = nullptr;
    ASSERT_TRUE(OpenAbout(&about));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowEnabled(Window()); }, kReactionLimit)) << "main window disabled";
    if (std::string(way) == "button") {
      Click(FindControl(about, base::kAboutCloseButton));
    } else {
      // Alt held: bit 29 of the key data.
      PostMessageW(about, WM_SYSKEYDOWN, VK_F4, 1 | (1 << 29));
      PostMessageW(about, WM_SYSKEYUP, VK_F4, 1 | (1 << 29) | (1u << 30) | (1u << 31));
    }
    ASSERT_TRUE(WaitUntilGone(about));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(Window()) != FALSE; }, kReactionLimit))
        << "main window enabled again";
    EXPECT_TRUE(Program().IsRunning()) << "closing the About window does not end the program";
  }
}

TEST_F(AboutWindowTest, ClickingALinkLeavesTheWindowOpen) {
  HWND about = nullptr;
  ASSERT_TRUE(OpenAbout(&about));
  for (const LinkCase& link : {kWebsiteLink, kSupportLink}) {
    SCOPED_TRACE(testing::Message() << "link " << link.link);
    const DWORD processes = StartedProcessCount();
    ClickWithMouse(FindControl(about, link.link));
    EXPECT_TRUE(LinkRan(link, processes));
    EXPECT_TRUE(IsWindow(about) && IsWindowVisible(about)) << "the About window is still open";
    EXPECT_FALSE(IsWindowEnabled(Window())) << "the main window is still disabled";
  }
  Click(FindControl(about, base::kAboutCloseButton));
  EXPECT_TRUE(WaitUntilGone(about));
}

TEST_F(AboutWindowTest, OpenedFromTheKeyboardItsCloseButtonHasTheFocusAndEscapeGivesItBackToTheAboutButton) {
  HWND about = nullptr;
  ASSERT_TRUE(OpenAbout(&about, true));
  HWND close = FindControl(about, base::kAboutCloseButton);
  EXPECT_TRUE(WaitForFocus(close)) << "on the close button as the window opens";
  ASSERT_TRUE(PressRealKeys(about, {VK_ESCAPE}));
  ASSERT_TRUE(WaitUntilGone(about)) << "Escape closes the window";
  EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(Window()) != FALSE; }, kReactionLimit))
      << "main window enabled again";
  EXPECT_TRUE(WaitForFocus(Program().Control(kAboutButton))) << "back on the About button";
}

TEST_F(AboutWindowTest, TabReachesEachLinkWhichEnterOrSpaceRunsAndEnterOnTheCloseButtonClosesTheWindow) {
  HWND about = nullptr;
  ASSERT_TRUE(OpenAbout(&about, true));
  struct KeyCase {
    const LinkCase* link;
    UINT key;
    const char* name;
  };
  // From the close button, Tab goes round to the first link.
  for (const KeyCase& c : {KeyCase{&kWebsiteLink, VK_RETURN, "website link, Enter"},
                           KeyCase{&kSupportLink, VK_SPACE, "support link, Space"}}) {
    SCOPED_TRACE(c.name);
    HWND link = FindControl(about, c.link->link);
    ASSERT_TRUE(PressRealKeys(about, {VK_TAB}));
    ASSERT_TRUE(WaitForFocus(link)) << "after Tab";
    if (c.key == VK_RETURN) {
      EXPECT_TRUE(SaveWindowScreenshot("about-window-link-focused", about));
    }
    const DWORD processes = StartedProcessCount();
    ASSERT_TRUE(PressRealKeys(about, {c.key}));
    EXPECT_TRUE(LinkRan(*c.link, processes));
    EXPECT_TRUE(IsWindowVisible(about)) << "the About window is still open";
  }
  ASSERT_TRUE(PressRealKeys(about, {VK_TAB}));
  HWND close = FindControl(about, base::kAboutCloseButton);
  ASSERT_TRUE(WaitForFocus(close)) << "Tab goes on to the close button";
  ASSERT_TRUE(PressRealKeys(about, {VK_RETURN}));
  EXPECT_TRUE(WaitUntilGone(about)) << "Enter on the close button closes the window";
}

}  // namespace

}  // namespace e2e
