#include <gtest/gtest.h>

#include <vector>

#include "controls/PaneItemKind.h"
#include "controls/PaneLayoutMath.h"

namespace controls {
namespace {

constexpr int kScrollBar = 17;

// The main window's pane: two groups, 300 x 633.
std::vector<PaneBandItem> MainWindowPane(int firstCollapsed = 0, int secondCollapsed = 0) {
  return {{GroupHeader, 35, firstCollapsed}, {HostItem, 30, 0},  {LinkItem, 25, 0},
          {LinkItem, 25, 0},                 {GroupHeader, 35, secondCollapsed}, {HostItem, 453, 0}};
}

TEST(PaneLayoutMath, MainWindowPaneIsTallerThanItsFrame) {
  int total = PaneContentHeight(MainWindowPane());
  EXPECT_EQ(total, 115 + 15 + 488 + 20) << "both groups open, gap and margins included";
  EXPECT_EQ(PaneCanvasWidth(300, 633, total, kScrollBar), 300 - kScrollBar)
      << "content taller than the frame leaves room for the scroll bar";
}

TEST(PaneLayoutMath, FoldingTheFirstGroupFitsTheFrame) {
  int total = PaneContentHeight(MainWindowPane(1, 0));
  EXPECT_EQ(total, 35 + 15 + 488 + 20) << "only the folded header of the first group counts";
  EXPECT_EQ(PaneCanvasWidth(300, 633, total, kScrollBar), 300) << "content fits: full width";
}

TEST(PaneLayoutMath, FoldingTheSecondGroupKeepsItsHeader) {
  EXPECT_EQ(PaneContentHeight(MainWindowPane(0, 1)), 10 + 115 + 15 + 35 + 10);
}

TEST(PaneLayoutMath, ContentExactlyAsTallAsTheFrameNeedsNoScrollBar) {
  EXPECT_EQ(PaneCanvasWidth(300, 633, 633, kScrollBar), 300) << "only taller content takes the bar's width";
  EXPECT_EQ(PaneCanvasWidth(300, 633, 634, kScrollBar), 283);
}

struct HeightCase {
  const char* name;
  std::vector<PaneBandItem> items;
  int expected;
};

TEST(PaneLayoutMath, GapAndMarginRules) {
  const HeightCase cases[] = {
      {"no items: no margins either", {}, 0},
      {"items of height 0 only", {{GroupHeader, 0, 0}, {LinkItem, 0, 0}}, 0},
      {"one header", {{GroupHeader, 35, 0}}, 55},
      {"two headers with an empty group between: 15-pixel gap", {{GroupHeader, 35, 0}, {GroupHeader, 35, 0}}, 105},
      {"header of height 0 then a header: no gap", {{GroupHeader, 0, 0}, {GroupHeader, 35, 0}}, 55},
      {"fixed header never folds", {{FixedHeader, 35, 1}, {LinkItem, 25, 0}}, 80},
      {"items before the first header always show", {{LinkItem, 25, 0}, {GroupHeader, 35, 1}, {LinkItem, 25, 0}},
       25 + 15 + 35 + 20},
      {"folded group's members count for nothing",
       {{GroupHeader, 35, 1}, {LinkItem, 25, 0}, {SeparatorItem, 5, 0}, {GroupHeader, 35, 0}}, 35 + 15 + 35 + 20},
  };
  for (const HeightCase& c : cases) EXPECT_EQ(PaneContentHeight(c.items), c.expected) << c.name;
}

}  // namespace
}  // namespace controls
