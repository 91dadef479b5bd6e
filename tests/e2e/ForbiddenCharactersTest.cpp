// End-to-end tests of the forbidden-characters window: its look and text, its two ways of closing, and its own
// event loop, which leaves the main window's controls their platform behaviour but drops the program's reactions.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/Numbers.h"
#include "base/ProgramInfo.h"
#include "e2e/Driver.h"
#include "e2e/ProgramFixtures.h"
#include "e2e/ScratchFolder.h"
#include "e2e/Screenshot.h"

namespace e2e {

namespace {

constexpr const wchar_t* kTitle = L"Caractères interdits ";  // with its trailing space
using namespace base;  // the program's control and command numbers
constexpr int kMarkerBox = base::kAppendSeparatorBox;  // the append panel's separator box, looked at by no test here

// The fourteen lines, written out as the user reads them.
const wchar_t* const kLines[] = {
    L"   /   et   \\        Slah et anti-slash, séparateurs de nom (fichier/dossier)",
    L" ",
    L"     :               Les deux points, réservés aux lecteurs.",
    L" ",
    L"     \"               Les guillemets, utilisées comme délimiteur.",
    L" ",
    L"     *  et  ?          L'étoile (multiplication) et le point d'interrogation, les Jokers.",
    L" ",
    L"     <  >  et  |       Inférieur, supérieur et OU, redirections de flux (en ligne de commande).",
    L" ",
    L" Sur système FAT les caractères suivants sont aussi interdits.",
    L" Il s'agit des crochets, du signe égal, de la virgule et du point virgule.",
    L" ",
    L"     [   ]    =    ,    et    ;  ",
};

HWND ChildOfClass(HWND parent, const wchar_t* windowClass) {
  return FindWindowExW(parent, nullptr, windowClass, nullptr);
}

// Runs the program from a folder of its own without DataFiles, so that a click on "Aide ?" that was acted upon
// would show the missing-help message.
class ForbiddenCharactersTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(NothingOfTheProgramAround());
    std::wstring program = folder_.CopyProgram();
    ASSERT_FALSE(program.empty()) << "the program is copied into " << folder_.Path();
    ASSERT_TRUE(program_.Start(program));
    ASSERT_TRUE(program_.WaitForMainWindow());
  }
  void TearDown() override { CloseProgram(program_); }

  HWND Control(int number) { return program_.Control(number); }

  // Clicks "Caractères ?", or presses Space on it, and waits for the window.
  testing::AssertionResult Open(HWND* window, bool byKeyboard = false) {
    HWND button = Control(kCharactersButton);
    if (byKeyboard) {
      if (testing::AssertionResult pressed = PressWithSpace(button); !pressed) return pressed;
    } else {
      Click(button);
    }
    // Shown once complete: visible, with its text box and its button.
    auto complete = [&] {
      *window = FindTopLevelWindow(program_.ProcessId(), kTitle);
      return *window && IsWindowVisible(*window) && ChildOfClass(*window, L"RICHEDIT50W") &&
             ChildOfClass(*window, L"Button");
    };
    if (WaitUntil(complete, kReactionLimit)) {
      return testing::AssertionSuccess();
    }
    return testing::AssertionFailure() << "no window \"Caractères interdits \"; the program shows:"
                                       << DescribeWindowsOf(program_.ProcessId());
  }

  // The main event loop is back when a click on mode box 15 makes the program untick box 14.
  testing::AssertionResult MainLoopReacts() {
    Click(Control(kRenumberModeBox));
    if (WaitUntil([&] { return !IsTicked(Control(kReplaceModeBox)) && IsTicked(Control(kRenumberModeBox)); },
                  kReactionLimit)) {
      return testing::AssertionSuccess();
    }
    return testing::AssertionFailure() << "a click on mode box 15 got no reaction from the program";
  }

  ScratchFolder folder_;
  RunningProgram program_;
};

TEST_F(ForbiddenCharactersTest, ShowsItsFourteenLinesInATopmostToolWindowCentredOverTheMainWindow) {
  HWND window = nullptr;
  ASSERT_TRUE(Open(&window));
  RECT client{};
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, 550) << "client width";
  EXPECT_EQ(client.bottom, 260) << "client height";
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  const LONG exStyle = GetWindowLongW(window, GWL_EXSTYLE);
  EXPECT_TRUE(style & WS_SYSMENU) << "a close box";
  EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW) << "a small tool-window caption";
  EXPECT_TRUE(exStyle & WS_EX_TOPMOST) << "above all other windows";
  RECT outer{}, main{};
  GetWindowRect(window, &outer);
  GetWindowRect(program_.MainWindow(), &main);
  EXPECT_NEAR(outer.left + outer.right, main.left + main.right, 2) << "centred across the main window";
  EXPECT_NEAR(outer.top + outer.bottom, main.top + main.bottom, 2) << "centred down the main window";
  EXPECT_GE(outer.left, 0);
  EXPECT_GE(outer.top, 0);

  HWND box = ChildOfClass(window, L"RICHEDIT50W");
  ASSERT_NE(box, nullptr) << "a rich-text box";
  RECT place = PlaceInParent(box);
  EXPECT_EQ(place.left, 5);
  EXPECT_EQ(place.top, 5);
  EXPECT_EQ(place.right - place.left, 540);
  EXPECT_EQ(place.bottom - place.top, 220);
  EXPECT_TRUE(GetWindowLongW(box, GWL_STYLE) & ES_READONLY) << "read-only";
  EXPECT_TRUE(GetWindowLongW(box, GWL_STYLE) & ES_MULTILINE) << "several lines";
  std::wstring expected;
  for (const wchar_t* line : kLines) expected += (expected.empty() ? L"" : L"\r\n") + std::wstring(line);
  EXPECT_EQ(Text(box), expected) << "the fourteen lines, spaces included";

  HWND close = ChildOfClass(window, L"Button");
  ASSERT_NE(close, nullptr) << "a button";
  EXPECT_EQ(Text(close), L"Fermer");
  place = PlaceInParent(close);
  EXPECT_EQ(place.left, 225);
  EXPECT_EQ(place.top, 230);
  EXPECT_EQ(place.right - place.left, 100);
  EXPECT_EQ(place.bottom - place.top, 25);
  EXPECT_TRUE(SaveWindowScreenshot("forbidden-characters-window", window));
}

TEST_F(ForbiddenCharactersTest, FermerAndTheCloseBoxCloseItAndTheMainWindowWorksAgain) {
  for (const char* way : {"Fermer", "close box"}) {
    SCOPED_TRACE(way);
    HWND window = nullptr;
    ASSERT_TRUE(Open(&window));
    if (std::string(way) == "Fermer") {
      Click(ChildOfClass(window, L"Button"));
    } else {
      PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    ASSERT_TRUE(WaitUntilGone(window));
    EXPECT_TRUE(program_.IsRunning());
    EXPECT_TRUE(MainLoopReacts());
    ASSERT_TRUE(SetTicked(Control(kReplaceModeBox), true));  // the program's reaction: back to box 14 alone
  }
}

TEST_F(ForbiddenCharactersTest, ClicksOnTheMainWindowMeanwhileAreNeverActedUpon) {
  HWND window = nullptr;
  ASSERT_TRUE(Open(&window));
  Click(Control(kRenameButton));
  Click(Control(kHelpButton));
  Click(Control(kAboutButton));
  ASSERT_TRUE(SetTicked(Control(kRenumberModeBox), true)) << "the box itself still ticks";
  ASSERT_TRUE(WaitForPostedInput(Control(kMarkerBox)));
  EXPECT_TRUE(IsTicked(Control(kReplaceModeBox))) << "box 14 stays ticked: the mode reaction did not run";
  EXPECT_TRUE(IsWindowVisible(Control(kReplacePanel))) << "the replace panel stays on show";
  EXPECT_FALSE(IsWindowVisible(Control(kRenumberPanel))) << "the renumber panel stays hidden";

  Click(ChildOfClass(window, L"Button"));
  ASSERT_TRUE(WaitUntilGone(window));
  // Time for any reaction that was only held back, then nothing of it may show.
  WaitUntil([] { return false; }, Milliseconds(1500));
  ASSERT_TRUE(WaitForPostedInput(Control(kMarkerBox)));
  EXPECT_TRUE(MessageBoxesOf(program_.ProcessId()).empty()) << "no message; the program shows:"
                                                            << DescribeWindowsOf(program_.ProcessId());
  EXPECT_EQ(FindTopLevelWindow(program_.ProcessId(), base::kAboutTitle), nullptr)
      << "no About window";
  EXPECT_TRUE(IsTicked(Control(kReplaceModeBox)) && IsTicked(Control(kRenumberModeBox)))
      << "both boxes still ticked: the click was not acted upon later";
}

TEST_F(ForbiddenCharactersTest, ACloseRequestToTheMainWindowClosesOnlyThisWindow) {
  HWND window = nullptr;
  ASSERT_TRUE(Open(&window));
  PostMessageW(program_.MainWindow(), WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitUntilGone(window));
  WaitUntil([] { return false; }, Milliseconds(1000));
  ASSERT_TRUE(program_.IsRunning()) << "the program goes on";
  EXPECT_TRUE(IsWindowVisible(program_.MainWindow())) << "the main window is still shown";
  EXPECT_TRUE(MainLoopReacts());
}

TEST_F(ForbiddenCharactersTest, TabGoesFromFermerIntoTheReadOnlyTextAndOutAgain) {
  HWND window = nullptr;
  ASSERT_TRUE(Open(&window, true));
  HWND close = ChildOfClass(window, L"Button");
  HWND box = ChildOfClass(window, L"RICHEDIT50W");
  ASSERT_TRUE(WaitForFocus(close)) << "\"Fermer\" as the window opens";
  ASSERT_TRUE(PressRealKeys(window, {VK_TAB}));
  ASSERT_TRUE(WaitForFocus(box)) << "the text box after Tab";
  ASSERT_TRUE(PressRealKeys(window, {VK_TAB}));
  EXPECT_TRUE(WaitForFocus(close)) << "\"Fermer\" after a second Tab: the text box lets Tab go";
  ASSERT_TRUE(PressRealKeys(window, {VK_SHIFT, VK_TAB}));
  ASSERT_TRUE(WaitForFocus(box)) << "the text box after Shift+Tab";
  ASSERT_TRUE(PressRealKeys(window, {VK_SHIFT, VK_TAB}));
  EXPECT_TRUE(WaitForFocus(close)) << "\"Fermer\" after a second Shift+Tab";
  EXPECT_TRUE(IsWindowVisible(window)) << "Tab closes nothing";
  ASSERT_TRUE(PressRealKeys(window, {VK_ESCAPE}));
  EXPECT_TRUE(WaitUntilGone(window));
}

TEST_F(ForbiddenCharactersTest, EscapeOrEnterOnFermerClosesItAndCaracteresHasTheFocusAgain) {
  for (UINT key : {VK_ESCAPE, VK_RETURN}) {
    SCOPED_TRACE(key == VK_ESCAPE ? "Escape" : "Enter on \"Fermer\"");
    HWND window = nullptr;
    ASSERT_TRUE(Open(&window, true));
    ASSERT_TRUE(WaitForFocus(ChildOfClass(window, L"Button"))) << "on \"Fermer\"";
    ASSERT_TRUE(PressRealKeys(window, {key}));
    ASSERT_TRUE(WaitUntilGone(window));
    EXPECT_TRUE(WaitForFocus(Control(kCharactersButton))) << "\"Caractères ?\" once the window is closed";
    EXPECT_TRUE(MainLoopReacts());
    ASSERT_TRUE(SetTicked(Control(kReplaceModeBox), true));
  }
}

}  // namespace

}  // namespace e2e
