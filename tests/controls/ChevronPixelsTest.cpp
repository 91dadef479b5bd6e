#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "controls/ChevronPixels.h"

namespace controls {
namespace {

std::set<std::pair<int, int>> Distinct(const ChevronPixels& pixels) {
  std::set<std::pair<int, int>> distinct;
  for (const PanePoint& p : pixels) distinct.insert({p.x, p.y});
  return distinct;
}

TEST(ChevronPixels, FoldedChevronsAreTheOpenOnesUpsideDown) {
  const ChevronPixels& open = ChevronPixelsFor(0);
  const ChevronPixels& folded = ChevronPixelsFor(1);
  for (int i = 0; i < kChevronPixelCount; ++i) {
    EXPECT_EQ(folded[static_cast<size_t>(i)], (PanePoint{open[static_cast<size_t>(i)].x, -open[static_cast<size_t>(i)].y - 1}))
        << "entry " << i << " mirrors the open table across the row between -1 and 0";
  }
}

TEST(ChevronPixels, TwoEntriesRepeatAPixel) {
  EXPECT_EQ(Distinct(ChevronPixelsFor(0)).size(), 24u) << "26 entries, 24 pixels";
  EXPECT_EQ(Distinct(ChevronPixelsFor(1)).size(), 24u);
}

TEST(ChevronPixels, OpenGroupPointsUp) {
  const auto pixels = Distinct(ChevronPixelsFor(0));
  // Each chevron's apex is its single top pixel; its arms widen downwards to x -3 and 3.
  EXPECT_TRUE(pixels.count({0, -4}) && pixels.count({0, 0})) << "apexes of the upper and lower chevrons";
  EXPECT_FALSE(pixels.count({-1, -4}) || pixels.count({1, -4})) << "nothing beside the upper apex";
  EXPECT_TRUE(pixels.count({-3, -1}) && pixels.count({3, -1}) && pixels.count({-3, 3}) && pixels.count({3, 3}))
      << "arm ends";
  EXPECT_FALSE(pixels.count({0, -1}) || pixels.count({0, 3})) << "chevrons are open at the bottom";
}

TEST(ChevronPixels, FoldedGroupPointsDown) {
  const auto pixels = Distinct(ChevronPixelsFor(1));
  EXPECT_TRUE(pixels.count({0, -1}) && pixels.count({0, 3})) << "apexes at the bottom of each chevron";
  EXPECT_TRUE(pixels.count({-3, -4}) && pixels.count({3, 0})) << "arm ends at the top";
  EXPECT_FALSE(pixels.count({0, -4}) || pixels.count({0, 0})) << "open at the top";
}

}  // namespace
}  // namespace controls
