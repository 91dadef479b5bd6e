#include <gtest/gtest.h>

#include "controls/PaneMetrics.h"

namespace controls {
namespace {

TEST(PaneMetrics, FontHeightsRoundToTheNearestPixel) {
  struct Case {
    int points, dpi, expected;
  } const cases[] = {
      {11, 96, -15},  // 14.67
      {8, 96, -11},   // 10.67
      {11, 120, -18}, // 18.33
      {8, 120, -13},  // 13.33
      {9, 72, -9},
      {11, 0, -15},   // display not queried: 96
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PointsToFontHeight(c.points, c.dpi), c.expected) << c.points << " points at " << c.dpi << " dpi";
  }
}

TEST(PaneMetrics, NarrowPanesDropDetailsInOrder) {
  struct Case {
    int canvasWidth;
    bool onlyBackground, headerIcon, caption, chevron, linkIcon, linkText, separatorLine;
  } const cases[] = {
      {39, true, false, false, false, false, false, false},   // W 19
      {40, false, false, false, false, false, false, false},  // W 20, T -10
      {50, false, false, false, true, false, false, false},   // T 0: chevron place, no caption, no line
      {70, false, false, false, true, false, false, true},    // T 20
      {71, false, false, true, true, true, false, true},      // T 21
      {75, false, true, true, true, true, false, true},       // T 25
      {91, false, true, true, true, true, true, true},        // T 41
  };
  for (const Case& c : cases) {
    int w = PaneContentWidth(c.canvasWidth);
    int t = PaneTextRoom(w);
    EXPECT_EQ(PanePaintsOnlyBackground(w), c.onlyBackground) << "canvas " << c.canvasWidth;
    EXPECT_EQ(HeaderIconFits(t), c.headerIcon) << "canvas " << c.canvasWidth;
    EXPECT_EQ(HeaderCaptionFits(t), c.caption) << "canvas " << c.canvasWidth;
    EXPECT_EQ(HeaderChevronFits(t), c.chevron) << "canvas " << c.canvasWidth;
    EXPECT_EQ(LinkIconFits(t), c.linkIcon) << "canvas " << c.canvasWidth;
    EXPECT_EQ(LinkTextFits(t), c.linkText) << "canvas " << c.canvasWidth;
    EXPECT_EQ(SeparatorLineFits(t), c.separatorLine) << "canvas " << c.canvasWidth;
  }
}

TEST(PaneMetrics, HeaderPlacesInAThreeHundredPixelPane) {
  const int w = PaneContentWidth(300), t = PaneTextRoom(w);  // 280, 250
  EXPECT_EQ(HeaderCaptionRect(45, 35, t, true), (PaneRect{55, 45, 270, 80})) << "caption right of the icon";
  EXPECT_EQ(HeaderCaptionRect(45, 35, t, false), (PaneRect{20, 45, 270, 80})) << "caption without icon";
  EXPECT_EQ(HeaderHitRect(45, 35, w, true), (PaneRect{55, 45, 290, 80})) << "hit area starts after the icon";
  EXPECT_EQ(HeaderHitRect(45, 35, w, false), (PaneRect{10, 45, 290, 80}));
  EXPECT_EQ(ChevronCentre(45, 35, t), (PanePoint{278, 62})) << "chevron at T + 28, band middle";
  EXPECT_EQ(HeaderIconPlace(45), (PanePoint{0, 33})) << "icon overhangs the band by 12";
  EXPECT_EQ(HeaderGradient(45, 35, w), (PaneRect{20, 45, 290, 80}));
}

TEST(PaneMetrics, HotBoxPathRunsRoundTheChevron) {
  HotBoxPath path = HotBoxAround({100, 50});
  const PanePoint expected[] = {{108, 42}, {108, 58}, {93, 58}, {93, 42}, {108, 42}};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(path.points[i], expected[i]) << "corner " << i;
}

TEST(PaneMetrics, MeasuredTextIsCentredInItsBand) {
  EXPECT_EQ(PlaceMeasuredText({40, 100, 180, 113}, 100, 25), (PaneRect{40, 106, 180, 119})) << "13 rows in 25";
  EXPECT_EQ(PlaceMeasuredText({40, 100, 180, 140}, 100, 25), (PaneRect{40, 100, 180, 125}))
      << "taller text starts at the band's top and is cut at its bottom";
}

TEST(PaneMetrics, LinkAndSeparatorPlaces) {
  EXPECT_EQ(LinkIconPlace(100, 25), (PanePoint{20, 104})) << "16 x 16 icon centred on the band";
  EXPECT_EQ(LinkTextArea(100, 25, 250), (PaneRect{40, 100, 270, 125}));
  EXPECT_EQ(ItemBodyRect(100, 25, 280), (PaneRect{10, 100, 291, 126})) << "outline-free rectangle arguments";
  EXPECT_EQ(SeparatorLineStart(100, 5), (PanePoint{20, 104})) << "line on the band's last row";
  EXPECT_EQ(SeparatorLineEnd(100, 5, 280), (PanePoint{280, 104}));
  EXPECT_EQ(HostPlace(100, 30, 280), (PaneRect{10, 100, 290, 130}));
}

}  // namespace
}  // namespace controls
