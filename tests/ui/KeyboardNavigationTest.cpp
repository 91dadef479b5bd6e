// Keys in the program's windows while the event loop dispatches: Tab moves between controls.
#include <windows.h>

#include <gtest/gtest.h>

#include "ui/Controls.h"
#include "ui/UiTestWindow.h"

namespace {

using uitest::Describe;
using uitest::TakeEvents;
using uitest::TestWindow;

void PressKey(HWND target, WPARAM key) {
  PostMessageW(target, WM_KEYDOWN, key, 0);
  PostMessageW(target, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001));
}

TEST(UiKeyboardNavigation, TabMovesTheFocusToTheNextControlAcrossContainers) {
  TestWindow window(uitest::kTestWindow, ui::kWindowSystemMenu);
  SetForegroundWindow(window.handle());
  HWND first = ui::CreateEditField(830, 5, 5, 100, 20, L"");
  ui::CreateContainer(831, 5, 40, 300, 100, ui::ContainerBorder::Flat);
  HWND second = ui::CreateEditField(832, 5, 5, 100, 20, L"");
  ui::CloseChildList();
  ASSERT_TRUE(first && second);
  SetFocus(first);
  ASSERT_EQ(GetFocus(), first) << "the test needs the focus in its window";
  PressKey(first, VK_TAB);
  std::vector<ui::Event> events = TakeEvents();
  EXPECT_EQ(GetFocus(), second) << "Tab goes on to the field inside the container";
  EXPECT_TRUE(events.empty()) << Describe(events);
}

}  // namespace
