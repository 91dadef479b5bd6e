// Keys in the program's windows while the event loop dispatches: Tab moves between controls.
#include <windows.h>

#include <gtest/gtest.h>

#include "support/TestWindow.h"
#include "ui/ChildList.h"
#include "ui/Containers.h"
#include "ui/Controls.h"
#include "ui/TopLevelWindows.h"

namespace {

using wintest::Describe;
using wintest::TakeEvents;
using wintest::TestWindow;

void PressKey(HWND target, WPARAM key) {
  PostMessageW(target, WM_KEYDOWN, key, 0);
  PostMessageW(target, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001));
}

TEST(UiKeyboardNavigation, TabMovesTheFocusToTheNextControlAcrossContainers) {
  TestWindow window(wintest::kTestWindow, ui::kWindowSystemMenu);
  SetForegroundWindow(window.handle());
  HWND first = ui::CreateEditField(830, 5, 5, 100, 20, L"");
  HWND second = nullptr;
  {
    ui::ChildList inPanel(ui::CreateContainer(831, 5, 40, 300, 100, ui::ContainerBorder::Flat));
    second = ui::CreateEditField(832, 5, 5, 100, 20, L"");
  }
  ASSERT_TRUE(first && second);
  SetFocus(first);
  ASSERT_EQ(GetFocus(), first) << "the test needs the focus in its window";
  PressKey(first, VK_TAB);
  std::vector<ui::Event> events = TakeEvents();
  EXPECT_EQ(GetFocus(), second) << "Tab goes on to the field inside the container";
  EXPECT_TRUE(events.empty()) << Describe(events);
}

TEST(UiKeyboardNavigation, EscapeAndEnterInAFieldAreNoEvents) {
  struct Case {
    const char* name;
    WPARAM key;
  };
  const Case cases[] = {{"Escape", VK_ESCAPE}, {"Enter", VK_RETURN}};
  for (const Case& c : cases) {
    TestWindow window(wintest::kTestWindow, ui::kWindowSystemMenu);
    SetForegroundWindow(window.handle());
    // Controls 1 and 2 exist in the main window (the side image and the task pane).
    ASSERT_NE(ui::CreateTextControl(1, 300, 5, 50, 20, L"Image"), nullptr);
    HWND container = ui::CreateContainer(2, 0, 40, 300, 200, ui::ContainerBorder::None);
    ASSERT_NE(container, nullptr);
    HWND field = nullptr;
    {
      ui::ChildList inContainer(container);
      field = ui::CreateEditField(833, 5, 5, 100, 20, L"");
    }
    ASSERT_NE(field, nullptr);
    SetFocus(field);
    PressKey(field, c.key);
    std::vector<ui::Event> events = TakeEvents();
    EXPECT_TRUE(events.empty()) << c.name << " in a text field: " << Describe(events);
  }
}

}  // namespace
