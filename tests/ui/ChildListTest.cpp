// Where new controls go: into the newest window, or the parent a ChildList names for as long as it lives.
#include <windows.h>

#include <gtest/gtest.h>

#include "support/TestWindow.h"
#include "ui/ChildList.h"
#include "ui/Containers.h"
#include "ui/Controls.h"

namespace {

using wintest::TestWindow;

TEST(UiChildList, ListsNestAndEachEndsWithItsScope) {
  TestWindow window;
  ASSERT_EQ(ui::CurrentParent(), window.handle()) << "an opened window is the current parent";
  HWND outer = ui::CreateContainer(790, 0, 0, 300, 200, ui::ContainerBorder::None);
  ASSERT_NE(outer, nullptr);
  EXPECT_EQ(GetParent(outer), window.handle()) << "the container goes into the window";
  EXPECT_EQ(ui::CurrentParent(), window.handle()) << "making a container opens no list";
  {
    ui::ChildList inOuter(outer);
    HWND inner = ui::CreateContainer(791, 0, 0, 100, 100, ui::ContainerBorder::Sunken);
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(GetParent(inner), outer) << "a container made inside another goes into it";
    {
      ui::ChildList inInner(inner);
      HWND field = ui::CreateEditField(792, 0, 0, 50, 20, L"");
      ASSERT_NE(field, nullptr);
      EXPECT_EQ(GetParent(field), inner) << "a control goes into the innermost list's parent";
    }
    HWND button = ui::CreateButtonControl(793, 0, 0, 50, 20, L"OK");
    EXPECT_EQ(GetParent(button), outer) << "once the inner list ended";
  }
  HWND text = ui::CreateTextControl(794, 0, 0, 50, 20, L"");
  EXPECT_EQ(GetParent(text), window.handle()) << "once both ended";
}

TEST(UiChildList, AListOfANumberGoesIntoTheControlOrTheHostItNames) {
  TestWindow window;
  HWND panel = ui::CreateContainer(795, 0, 0, 300, 200, ui::ContainerBorder::Flat);
  HWND scroller = ui::CreateContainer(796, 0, 0, 100, 100, ui::ContainerBorder::None);
  HWND canvas = ui::CreateContainer(797, 0, 0, 100, 400, ui::ContainerBorder::None);
  ASSERT_TRUE(panel && scroller && canvas);
  ui::SetChildHost(scroller, canvas);
  const struct {
    const char* name;
    int number;
    HWND expectedParent;
  } cases[] = {{"a plain container", 795, panel}, {"a container that names its canvas", 796, canvas}};
  for (const auto& c : cases) {
    ui::ChildList inside(c.number);
    HWND control = ui::CreateCheckBox(ui::kNewNumber, 0, 0, 50, 20, L"Case");
    ASSERT_NE(control, nullptr) << c.name;
    EXPECT_EQ(GetParent(control), c.expectedParent) << c.name;
  }
}

TEST(UiChildList, AParentThatCouldNotBeMadeMakesControlsFailNotStrayIntoTheWindow) {
  TestWindow window;
  {
    ui::ChildList inNothing(798);  // names no control
    EXPECT_EQ(ui::CreateButtonControl(ui::kNewNumber, 0, 0, 50, 20, L"OK"), nullptr);
  }
  EXPECT_NE(ui::CreateButtonControl(ui::kNewNumber, 0, 0, 50, 20, L"OK"), nullptr) << "once the list ended";
}

TEST(UiChildList, ADestroyedParentIsLeftForTheOneBelowIt) {
  TestWindow window;
  HWND container = ui::CreateContainer(799, 0, 0, 300, 200, ui::ContainerBorder::None);
  ASSERT_NE(container, nullptr);
  ui::ChildList inContainer(container);
  DestroyWindow(container);
  EXPECT_EQ(ui::CurrentParent(), window.handle()) << "controls must not go into a destroyed container";
}

TEST(UiChildList, AWindowOpenedLaterTakesTheControlsUntilItCloses) {
  TestWindow first;
  HWND container = ui::CreateContainer(800, 0, 0, 300, 200, ui::ContainerBorder::None);
  ASSERT_NE(container, nullptr);
  ui::ChildList inContainer(container);
  {
    TestWindow second(wintest::kOtherTestWindow);
    EXPECT_EQ(ui::CurrentParent(), second.handle()) << "the newest window, not the container of the first";
    HWND button = ui::CreateButtonControl(801, 0, 0, 50, 20, L"Fermer");
    EXPECT_EQ(GetParent(button), second.handle());
  }
  EXPECT_EQ(ui::CurrentParent(), container) << "once the second window closed, the first one's list holds again";
}

}  // namespace
