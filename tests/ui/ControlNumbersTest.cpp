// Numbers of controls: the number is the Windows control id, fresh numbers never collide, and a destroyed control
// no longer answers its number.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "support/TestWindow.h"
#include "ui/ChildList.h"
#include "ui/Containers.h"
#include "ui/Controls.h"
#include "ui/ReportLists.h"
#include "ui/StatusBar.h"
#include "ui/TopLevelWindows.h"

namespace {

using wintest::TestWindow;

struct Creator {
  const char* kind;
  std::function<HWND(int number)> create;
};

std::vector<Creator> AllCreators(HWND window) {
  return {
      {"text", [](int n) { return ui::CreateTextControl(n, 0, 0, 80, 20, L"Texte"); }},
      {"image", [](int n) { return ui::CreateImageControl(n, 0, 0, 16, 16, -1); }},
      {"button", [](int n) { return ui::CreateButtonControl(n, 0, 0, 80, 20, L"Bouton"); }},
      {"image button", [](int n) { return ui::CreateImageButton(n, 0, 0, 40, 35, -1); }},
      {"check box", [](int n) { return ui::CreateCheckBox(n, 0, 0, 80, 20, L"Case"); }},
      {"option button", [](int n) { return ui::CreateOptionButton(n, 0, 0, 80, 20, L"Option", true); }},
      {"edit field", [](int n) { return ui::CreateEditField(n, 0, 0, 80, 20, L"1", ui::kEditDigitsOnly); }},
      {"drop-down list", [](int n) { return ui::CreateComboBox(n, 0, 0, 80, 20, 0); }},
      {"drop-down with images", [](int n) { return ui::CreateComboBox(n, 0, 0, 80, 20, ui::kComboWithImages); }},
      {"report list", [](int n) { return ui::CreateReportList(n, 0, 0, 200, 100, L"Nom", 100, 0); }},
      {"progress bar", [](int n) { return ui::CreateProgressBar(n, 0, 0, 100, 10, 0, 100); }},
      {"container", [](int n) {
         return ui::CreateContainer(n, 0, 0, 100, 100, ui::ContainerBorder::Flat);
       }},
      {"status bar", [window](int n) { return ui::CreateStatusBar(n, window); }},
  };
}

TEST(UiControlNumbers, EveryKindOfControlHasItsNumberAsControlId) {
  TestWindow window;
  ASSERT_NE(window.handle(), nullptr) << "the test window must open";
  int fixed = 700;
  for (const Creator& creator : AllCreators(window.handle())) {
    HWND control = creator.create(fixed);
    ASSERT_NE(control, nullptr) << creator.kind << " with number " << fixed;
    EXPECT_EQ(GetDlgCtrlID(control), fixed) << creator.kind << ": the fixed number is the control id";
    EXPECT_EQ(ui::ControlHandle(fixed), control) << creator.kind << ": its number leads back to it";

    HWND fresh = creator.create(ui::kNewNumber);
    ASSERT_NE(fresh, nullptr) << creator.kind << " with a fresh number";
    int id = GetDlgCtrlID(fresh);
    EXPECT_EQ(ui::ControlHandle(id), fresh) << creator.kind << ": the fresh number " << id << " is its control id";
    ++fixed;
  }
}

TEST(UiControlNumbers, FreshNumbersAreNewAndFitInSixteenBits) {
  TestWindow window;
  ASSERT_NE(window.handle(), nullptr);
  HWND first = ui::CreateTextControl(ui::kNewNumber, 0, 0, 10, 10, L"");
  ASSERT_NE(first, nullptr);
  int firstNumber = GetDlgCtrlID(first);
  // The numbers that would come next are already held by controls made with fixed numbers.
  std::set<int> used{firstNumber};
  for (int step = 1; step <= 3; ++step) {
    ASSERT_NE(ui::CreateTextControl(firstNumber + step, 0, 0, 10, 10, L""), nullptr);
    used.insert(firstNumber + step);
  }
  for (int i = 0; i < 50; ++i) {
    HWND control = ui::CreateButtonControl(ui::kNewNumber, 0, 0, 10, 10, L"");
    ASSERT_NE(control, nullptr) << "fresh control " << i;
    int number = GetDlgCtrlID(control);
    EXPECT_GT(number, 0) << "fresh control " << i;
    EXPECT_LT(number, 65536) << "fresh control " << i << ": WM_COMMAND carries the id in 16 bits";
    EXPECT_TRUE(used.insert(number).second) << "fresh number " << number << " is already held by another control";
    EXPECT_EQ(ui::ControlHandle(number), control) << "fresh number " << number << " must name the new control";
  }
}

TEST(UiControlNumbers, ADestroyedControlNoLongerAnswersItsNumber) {
  TestWindow window;
  ASSERT_NE(window.handle(), nullptr);
  HWND alone = ui::CreateButtonControl(710, 0, 0, 10, 10, L"");
  HWND container = ui::CreateContainer(711, 0, 0, 100, 100, ui::ContainerBorder::None);
  HWND inside = nullptr;
  {
    ui::ChildList inContainer(container);
    inside = ui::CreateEditField(712, 0, 0, 50, 20, L"");
  }
  HWND kept = ui::CreateTextControl(713, 0, 0, 50, 20, L"reste");
  ASSERT_TRUE(alone && container && inside && kept);

  DestroyWindow(alone);
  EXPECT_EQ(ui::ControlHandle(710), nullptr) << "a control destroyed by itself";
  EXPECT_FALSE(ui::IsControl(710));
  DestroyWindow(container);
  EXPECT_EQ(ui::ControlHandle(711), nullptr) << "a destroyed container";
  EXPECT_EQ(ui::ControlHandle(712), nullptr) << "a control destroyed with its container";
  EXPECT_EQ(ui::ControlText(712), L"") << "queries on a destroyed control answer nothing";
  EXPECT_EQ(ui::ControlHandle(713), kept) << "a control that still exists keeps its number";

  ui::CloseTopLevelWindow(window.number());
  EXPECT_EQ(ui::ControlHandle(713), nullptr) << "a control destroyed with its window";
  EXPECT_EQ(ui::WindowHandle(window.number()), nullptr) << "a closed window no longer answers its number";
}

}  // namespace
