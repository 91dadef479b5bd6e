#include <gtest/gtest.h>

#include <vector>

#include "controls/PaneBands.h"
#include "controls/PaneItemKind.h"

namespace controls {
namespace {

struct MeetCase {
  int y, h, top, bottom;
  bool expected;
  const char* why;
};

TEST(PaneBands, BandMeetsUpdateWithTwelvePixelAllowance) {
  const MeetCase cases[] = {
      {10, 35, 0, 100, true, "band inside the update"},
      {200, 35, 0, 100, false, "band far below"},
      {10, 35, 50, 100, false, "band ending above the update"},
      {10, 35, 30, 100, true, "band ending inside the update"},
      {10, 35, 20, 30, true, "band covering the whole update"},
      {112, 35, 0, 100, true, "band starting within 12 rows below the bottom: its icon overhangs"},
      {113, 35, 0, 100, false, "band starting 13 rows below the bottom"},
      {45, 25, 45, 70, true, "band exactly the update"},
      {50, 0, 50, 60, false, "empty band at the update's top"},
  };
  for (const MeetCase& c : cases) {
    EXPECT_EQ(BandMeetsUpdate(c.y, c.h, c.top, c.bottom), c.expected) << c.why;
  }
}

TEST(PaneBands, GapMeetsUpdate) {
  const MeetCase cases[] = {
      {100, 15, 90, 110, true, "gap starting inside"},
      {100, 15, 105, 120, true, "gap ending inside"},
      {100, 15, 103, 106, true, "update inside the gap"},
      {100, 15, 120, 200, false, "update below the gap"},
      {100, 15, 0, 99, false, "update ending just above the gap"},
  };
  for (const MeetCase& c : cases) EXPECT_EQ(GapMeetsUpdate(c.y, c.top, c.bottom), c.expected) << c.why;
}

std::vector<PaneBandItem> TwoGroups(int firstCollapsed) {
  return {{GroupHeader, 35, firstCollapsed}, {LinkItem, 25, 0}, {LinkItem, 25, 0}, {GroupHeader, 35, 0},
          {LinkItem, 25, 0}};
}

TEST(PaneBands, WholeCanvasPlacesEveryBand) {
  std::vector<PaneBand> bands = PlanPanePaint(TwoGroups(0), 0, 1000);
  ASSERT_EQ(bands.size(), 5u) << "every item visited";
  const int expectedY[] = {10, 45, 70, 110, 145};
  for (size_t i = 0; i < bands.size(); ++i) {
    EXPECT_EQ(bands[i].y, expectedY[i]) << "top of band " << i;
    EXPECT_TRUE(bands[i].shown && bands[i].drawn) << "band " << i << " open and reached";
  }
  EXPECT_FALSE(bands[0].fillsGapAbove) << "no gap before the first header";
  EXPECT_TRUE(bands[3].fillsGapAbove) << "the gap before the second header is filled";
}

TEST(PaneBands, FoldedMembersAreNotShownAndTakeNoRoom) {
  std::vector<PaneBand> bands = PlanPanePaint(TwoGroups(1), 0, 1000);
  ASSERT_EQ(bands.size(), 5u);
  EXPECT_FALSE(bands[1].shown) << "link of the folded group";
  EXPECT_FALSE(bands[2].drawn) << "folded items are never drawn";
  EXPECT_EQ(bands[3].y, 10 + 35 + 15) << "second header right after the folded one and the gap";
}

TEST(PaneBands, WalkStopsAtTheUpdateBottom) {
  // Update covering the first header only: the walk ends as soon as y reaches the bottom.
  std::vector<PaneBand> bands = PlanPanePaint(TwoGroups(0), 0, 45);
  ASSERT_EQ(bands.size(), 1u) << "the link below the header is not visited";
  EXPECT_TRUE(bands[0].drawn);
}

TEST(PaneBands, PartialUpdateBelowAHeaderSkipsTheBandsAbove) {
  // The invalidation made by folding: from the second header's top down.
  std::vector<PaneBand> bands = PlanPanePaint(TwoGroups(0), 110, 633);
  ASSERT_EQ(bands.size(), 5u);
  EXPECT_FALSE(bands[0].drawn) << "first header lies above";
  EXPECT_FALSE(bands[1].drawn) << "first link lies above";
  EXPECT_TRUE(bands[3].drawn) << "second header";
  EXPECT_FALSE(bands[3].fillsGapAbove) << "the gap lies wholly above the update";
  EXPECT_TRUE(PlanPanePaint(TwoGroups(0), 100, 633)[3].fillsGapAbove) << "an update reaching into the gap fills it";
}

}  // namespace
}  // namespace controls
