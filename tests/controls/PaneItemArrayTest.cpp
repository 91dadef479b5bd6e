#include <gtest/gtest.h>

#include "controls/PaneItemArray.h"

namespace controls {
namespace {

int a = 1, b = 2, c = 3;

class PaneItemArrayTest : public testing::Test {
 protected:
  void SetUp() override { array = CreatePaneItemArray(); }
  void TearDown() override { FreePaneItemArray(array); }

  // Grows and inserts as the pane does.
  void Insert(int index, void* item) {
    ASSERT_TRUE(ResizePaneItemArray(array, count + 1));
    InsertPaneItem(array, count, index, item);
    ++count;
  }
  void Remove(int index) {
    RemovePaneItemAt(array, count, index);
    --count;
    ASSERT_TRUE(ResizePaneItemArray(array, count));
  }

  PaneItemArray array = nullptr;
  int count = 0;
};

TEST_F(PaneItemArrayTest, StartsWithOneEmptySlot) {
  ASSERT_NE(array, nullptr);
  EXPECT_EQ(PaneItemArrayLimit(array), 0) << "n = 0";
  EXPECT_EQ(PaneItemAt(array, 0), nullptr) << "slot 1 empty";
  EXPECT_EQ(PaneItemAt(array, -1), nullptr) << "below 0 addresses nothing";
  EXPECT_EQ(PaneItemAt(array, 1), nullptr) << "above n addresses nothing";
}

TEST_F(PaneItemArrayTest, InsertingMovesTheLaterPointersUp) {
  Insert(0, &a);
  Insert(0, &b);     // b a
  Insert(1, &c);     // b c a
  EXPECT_EQ(PaneItemArrayLimit(array), 3) << "grown to n = count before the last insert + 1";
  EXPECT_EQ(PaneItemAt(array, 0), &b);
  EXPECT_EQ(PaneItemAt(array, 1), &c);
  EXPECT_EQ(PaneItemAt(array, 2), &a);
  EXPECT_EQ(PaneItemAt(array, 3), nullptr) << "the spare slot stays empty";
}

TEST_F(PaneItemArrayTest, RemovingMovesTheLaterPointersDownAndShrinks) {
  Insert(0, &a);
  Insert(1, &b);
  Insert(2, &c);  // a b c
  Remove(0);      // b c
  EXPECT_EQ(PaneItemArrayLimit(array), 2) << "shrunk to n = new count";
  EXPECT_EQ(PaneItemAt(array, 0), &b);
  EXPECT_EQ(PaneItemAt(array, 1), &c);
  EXPECT_EQ(PaneItemAt(array, 2), nullptr) << "the freed slot holds no stale pointer";
  Remove(1);  // b
  EXPECT_EQ(PaneItemAt(array, 0), &b);
  EXPECT_EQ(PaneItemAt(array, 1), nullptr);
}

TEST_F(PaneItemArrayTest, AppendingAtTheEnd) {
  for (int i = 0; i < 40; ++i) Insert(count, &a);
  Insert(count, &c);
  EXPECT_EQ(PaneItemAt(array, 40), &c) << "41st item appended after forty";
  EXPECT_EQ(PaneItemArrayLimit(array), 41);
}

}  // namespace
}  // namespace controls
