#include "base/LayoutGeometry.h"

#include <gtest/gtest.h>

namespace base {
namespace {

TEST(LayoutGeometry, BoxesThatTouchAt96StillTouchAndKeepTheirSizeWithinAPixel) {
  // The command bar's buttons sit side by side: 5+110, 115+130, 245+110.
  for (double s : {1.0, 1.0669, 1.25, 1.5, 1.75, 2.0}) {
    const LayoutBox first = ScaledBox({5, 2, 110, 35}, s);
    const LayoutBox second = ScaledBox({115, 2, 130, 35}, s);
    EXPECT_EQ(first.x + first.width, second.x) << s;
    EXPECT_NEAR(second.width, 130 * s, 1.0) << s;
    EXPECT_NEAR(first.height, 35 * s, 1.0) << s;
  }
  EXPECT_EQ(ScaledBox({305, 520, 704, 80}, 1.0), (LayoutBox{305, 520, 704, 80}));
  EXPECT_EQ(ScaledBox({305, 520, 704, 80}, 1.5), (LayoutBox{458, 780, 1056, 120}));
  EXPECT_EQ(ScaledLength(1, 0.8), 1) << "a line never vanishes";
  EXPECT_EQ(ScaledDotsPerInch(1.25), 120);
}

TEST(LayoutGeometry, FollowsTheDisplayWhereTheWindowFitsAndIsLoweredJustEnoughWhereNot) {
  const FrameSize frame{6, 34};
  EXPECT_DOUBLE_EQ(FittingLayoutScale(96, 1014, 718, frame, 1280, 1024), 1.0);
  EXPECT_DOUBLE_EQ(FittingLayoutScale(144, 1014, 718, frame, 1920, 1200), 1.5);
  EXPECT_DOUBLE_EQ(FittingLayoutScale(120, 1014, 718, frame, 1920, 1200), 1.25);

  // 150 % on a 1920 x 1080 laptop: 1280 x 672 logical pixels of work area, 1920 x 1008 real ones.
  const double laptop = FittingLayoutScale(144, 1014, 718, {9, 51}, 1920, 1008);
  EXPECT_LT(laptop, 1.5);
  EXPECT_LE(ScaledEdge(718, laptop) + 51, 1008) << "the whole window fits";
  EXPECT_GE(ScaledEdge(718, laptop) + 51, 1008 - 2) << "lowered no more than it must";

  // 100 % on 1366 x 768 with a 40-pixel taskbar.
  const double small = FittingLayoutScale(96, 1014, 718, frame, 1366, 728);
  EXPECT_LE(ScaledEdge(718, small) + 34, 728);
  EXPECT_LE(ScaledEdge(1014, small) + 6, 1366);

  EXPECT_DOUBLE_EQ(FittingLayoutScale(96, 1014, 718, frame, 640, 480), kSmallestLayoutScale) << "never below";
  EXPECT_DOUBLE_EQ(FittingLayoutScale(0, 1014, 718, frame, 1280, 1024), 1.0) << "no DPI known: 96";
}

TEST(LayoutGeometry, WindowsAreCentredWithinTheWorkAreaNeverUnderATaskbar) {
  const WorkArea belowTopBar{0, 40, 1920, 1200};
  EXPECT_EQ(CentredInWorkArea(belowTopBar, 1020, 752), (WindowPlace{450, 244}));
  // Larger than the area: the caption stays reachable at its top left.
  EXPECT_EQ(CentredInWorkArea({0, 0, 800, 600}, 1020, 752), (WindowPlace{0, 0}));
  // Over an owner near the bottom right corner: moved back inside.
  EXPECT_EQ(CentredOver({1500, 900, 1900, 1180}, {0, 0, 1920, 1160}, 600, 400), (WindowPlace{1320, 760}));
  EXPECT_EQ(CentredOver({100, 100, 700, 500}, {0, 0, 1920, 1160}, 200, 100), (WindowPlace{300, 250}));
}

}  // namespace
}  // namespace base
