#include "app/Routing.h"

#include <gtest/gtest.h>

namespace {

int lastCalled = 0;
void First() { lastCalled = 1; }
void Second() { lastCalled = 2; }
void Third() { lastCalled = 3; }

constexpr int kChange = 768;
constexpr int kRightClick = 1;

const app::ControlRoute kRoutes[] = {
    {7, 0, kChange, First},
    {10, 0, kRightClick, Second},
    {10, 0, app::kAnyEventType, Third},  // never reached: the first row with a number decides
    {50, 0, app::kAnyEventType, Third},
    {13, 0, app::kAnyEventType, nullptr},
};

TEST(ControlRouting, TheFirstRowWithTheNumberDecidesAndItsTypeMustMatch) {
  struct Case {
    int control;
    int type;
    app::Action expected;
  };
  const Case cases[] = {
      {7, kChange, First},       {7, 0, nullptr},          {10, kRightClick, Second},
      {10, 0, nullptr},          {50, 0, Third},           {50, kChange, Third},
      {13, 0, nullptr},          {99, 0, nullptr},         {-1, 0, nullptr},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(app::FindControlAction(kRoutes, c.control, c.type), c.expected)
        << "control " << c.control << " type " << c.type;
  }
}

TEST(MenuAndCloseRouting, FindTheirRowsByNumberOnly) {
  const app::MenuRoute menus[] = {{5, First}, {6, Second}, {52, nullptr}};
  EXPECT_EQ(app::FindMenuAction(menus, 5), First) << "command 5";
  EXPECT_EQ(app::FindMenuAction(menus, 6), Second) << "command 6";
  EXPECT_EQ(app::FindMenuAction(menus, 52), nullptr) << "a row without its operation yet";
  EXPECT_EQ(app::FindMenuAction(menus, 1), nullptr) << "an unlisted command is ignored";

  const app::CloseRoute closes[] = {{64, First}, {0, Third}};
  EXPECT_EQ(app::FindCloseAction(closes, 0), Third) << "main window";
  EXPECT_EQ(app::FindCloseAction(closes, 64), First) << "About window";
  EXPECT_EQ(app::FindCloseAction(closes, 3), nullptr) << "any other window is ignored";
  app::FindCloseAction(closes, 0)();
  EXPECT_EQ(lastCalled, 3) << "the found action is the one of its row";
}

}  // namespace
