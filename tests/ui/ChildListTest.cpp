// Where new controls go: the stack of parents that a window opens, containers push and CloseChildList pops.
#include <windows.h>

#include <gtest/gtest.h>

#include "ui/Controls.h"
#include "support/TestWindow.h"

namespace {

using wintest::TestWindow;

TEST(UiChildList, ContainersPushAndCloseChildListPopsButNeverBelowTheWindow) {
  TestWindow window;
  ASSERT_EQ(ui::CurrentParent(), window.handle()) << "an opened window is the current parent";
  HWND outer = ui::CreateContainer(790, 0, 0, 300, 200, ui::ContainerBorder::None);
  ASSERT_NE(outer, nullptr);
  EXPECT_EQ(GetParent(outer), window.handle()) << "the container goes into the window";
  EXPECT_EQ(ui::CurrentParent(), outer) << "a new container is the current parent";
  HWND inner = ui::CreateContainer(791, 0, 0, 100, 100, ui::ContainerBorder::Sunken);
  ASSERT_NE(inner, nullptr);
  EXPECT_EQ(GetParent(inner), outer) << "a container made inside another goes into it";
  HWND field = ui::CreateEditField(792, 0, 0, 50, 20, L"");
  ASSERT_NE(field, nullptr);
  EXPECT_EQ(GetParent(field), inner) << "a control goes into the innermost open container";

  ui::CloseChildList();
  EXPECT_EQ(ui::CurrentParent(), outer) << "after one close";
  HWND button = ui::CreateButtonControl(793, 0, 0, 50, 20, L"OK");
  EXPECT_EQ(GetParent(button), outer) << "a control after one close";
  ui::CloseChildList();
  EXPECT_EQ(ui::CurrentParent(), window.handle()) << "after two closes";
  for (int extra = 0; extra < 3; ++extra) ui::CloseChildList();
  EXPECT_EQ(ui::CurrentParent(), window.handle()) << "closing more lists than were opened keeps the window";
  HWND text = ui::CreateTextControl(794, 0, 0, 50, 20, L"");
  EXPECT_EQ(GetParent(text), window.handle());
}

TEST(UiChildList, OpenChildListGoesIntoTheControlOrTheHostItNames) {
  TestWindow window;
  HWND panel = ui::CreateContainer(795, 0, 0, 300, 200, ui::ContainerBorder::Flat);
  HWND scroller = ui::CreateContainer(796, 0, 0, 100, 100, ui::ContainerBorder::None);
  HWND canvas = ui::CreateContainer(797, 0, 0, 100, 400, ui::ContainerBorder::None);
  ASSERT_TRUE(panel && scroller && canvas);
  ui::CloseChildList();
  ui::CloseChildList();
  ui::CloseChildList();
  ASSERT_EQ(ui::CurrentParent(), window.handle());
  ui::SetChildHost(scroller, canvas);

  struct Case {
    const char* name;
    int number;
    HWND expectedParent;
  };
  const Case cases[] = {
      {"a plain container", 795, panel},
      {"a container that names its canvas", 796, canvas},
      {"a number that names no control", 798, window.handle()},
  };
  for (const Case& c : cases) {
    ui::OpenChildList(c.number);
    EXPECT_EQ(ui::CurrentParent(), c.expectedParent) << c.name;
    HWND control = ui::CreateCheckBox(ui::kNewNumber, 0, 0, 50, 20, L"Case");
    ASSERT_NE(control, nullptr) << c.name;
    EXPECT_EQ(GetParent(control), c.expectedParent) << c.name;
    ui::CloseChildList();
    EXPECT_EQ(ui::CurrentParent(), window.handle()) << c.name << ": after CloseChildList";
  }
}

TEST(UiChildList, ADestroyedParentIsLeftForTheOneBelowIt) {
  TestWindow window;
  HWND container = ui::CreateContainer(799, 0, 0, 300, 200, ui::ContainerBorder::None);
  ASSERT_NE(container, nullptr);
  DestroyWindow(container);
  EXPECT_EQ(ui::CurrentParent(), window.handle()) << "controls must not go into a destroyed container";
}

TEST(UiChildList, OpeningAWindowMakesItTheParentOfNewControls) {
  TestWindow first;
  ASSERT_NE(ui::CreateContainer(800, 0, 0, 300, 200, ui::ContainerBorder::None), nullptr);
  TestWindow second(wintest::kOtherTestWindow);
  EXPECT_EQ(ui::CurrentParent(), second.handle()) << "the newest window, not the container of the first";
  HWND button = ui::CreateButtonControl(801, 0, 0, 50, 20, L"Fermer");
  EXPECT_EQ(GetParent(button), second.handle());
}

}  // namespace
