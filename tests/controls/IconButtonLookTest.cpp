#include <gtest/gtest.h>

#include <vector>

#include "controls/IconButtonLook.h"

namespace controls {
namespace {

TEST(IconButtonLook, FirstMatchingStateBitWins) {
  struct Case {
    unsigned itemState;
    IconButtonLook expected;
    const char* name;
  } const cases[] = {
      {0x0000, IconButtonLook::Normal, "no bit"},
      {0x0001, IconButtonLook::Pressed, "selected"},
      {0x0011, IconButtonLook::Pressed, "selected and focused"},
      {0x0010, IconButtonLook::Focused, "focused"},
      {0x0014, IconButtonLook::Focused, "focused and disabled"},
      {0x0004, IconButtonLook::Disabled, "disabled"},
      {0x0100, IconButtonLook::Normal, "other bits (default button) only"},
  };
  for (const Case& c : cases) EXPECT_EQ(IconButtonLookOf(c.itemState), c.expected) << c.name;
}

TEST(IconButtonLook, HotChangesOnlyFocusedAndNormalThemeStates) {
  EXPECT_EQ(PushButtonThemeStateFor(IconButtonLook::Focused, false), 5) << "focused: defaulted";
  EXPECT_EQ(PushButtonThemeStateFor(IconButtonLook::Focused, true), 2) << "focused and hot";
  EXPECT_EQ(PushButtonThemeStateFor(IconButtonLook::Normal, false), 1);
  EXPECT_EQ(PushButtonThemeStateFor(IconButtonLook::Normal, true), 2);
  for (bool hot : {false, true}) {
    EXPECT_EQ(PushButtonThemeStateFor(IconButtonLook::Pressed, hot), 3) << "pressed, hot " << hot;
    EXPECT_EQ(PushButtonThemeStateFor(IconButtonLook::Disabled, hot), 4) << "disabled ignores hot " << hot;
  }
}

// The colour index each pixel of a width x height button gets from its classic edges: lines end-exclusive as GDI
// draws them, fill as FillRect does; -1 where nothing is drawn, 15 for the fill.
std::vector<std::vector<int>> Render(const ClassicEdges& edges, int width, int height) {
  std::vector<std::vector<int>> pixels(static_cast<size_t>(height), std::vector<int>(static_cast<size_t>(width), -1));
  auto put = [&](int x, int y, int colour) {
    if (x >= 0 && y >= 0 && x < width && y < height) pixels[static_cast<size_t>(y)][static_cast<size_t>(x)] = colour;
  };
  for (int y = edges.fillTop; y < edges.fillBottom; ++y) {
    for (int x = edges.fillLeft; x < edges.fillRight; ++x) put(x, y, 15);
  }
  for (const EdgeLine& line : edges.lines) {
    if (line.y1 == line.y2) {
      for (int x = line.x1; x < line.x2; ++x) put(x, line.y1, line.colorIndex);
    } else {
      for (int y = line.y1; y < line.y2; ++y) put(line.x1, y, line.colorIndex);
    }
  }
  return pixels;
}

TEST(IconButtonLook, ClassicEdgesAreStraightLines) {
  for (IconButtonLook look : {IconButtonLook::Pressed, IconButtonLook::Focused, IconButtonLook::Normal}) {
    for (const EdgeLine& line : ClassicEdgesFor(look, 110, 35).lines) {
      EXPECT_TRUE(line.x1 == line.x2 || line.y1 == line.y2) << "every edge is horizontal or vertical";
    }
  }
}

TEST(IconButtonLook, NormalEdgesRaiseTheButton) {
  const int w = 110, h = 35;
  auto px = Render(ClassicEdgesFor(IconButtonLook::Normal, w, h), w, h);
  EXPECT_EQ(px[0][50], kEdgeHighlight) << "top row light";
  EXPECT_EQ(px[17][0], kEdgeHighlight) << "left column light";
  EXPECT_EQ(px[h - 1][50], kEdgeWindowFrame) << "bottom row dark";
  EXPECT_EQ(px[17][w - 1], kEdgeWindowFrame) << "right column dark";
  EXPECT_EQ(px[h - 2][50], kEdgeShadow) << "shadow inside the bottom";
  EXPECT_EQ(px[17][w - 2], kEdgeShadow) << "shadow inside the right";
  EXPECT_EQ(px[1][1], 15) << "face from (1, 1)";
  EXPECT_EQ(px[0][0], kEdgeHighlight) << "top-left corner light";
  EXPECT_EQ(px[h - 1][0], kEdgeWindowFrame) << "bottom-left corner belongs to the dark bottom row";
}

TEST(IconButtonLook, PressedEdgesSinkTheButton) {
  const int w = 110, h = 35;
  auto px = Render(ClassicEdgesFor(IconButtonLook::Pressed, w, h), w, h);
  EXPECT_EQ(px[0][50], kEdgeWindowFrame) << "dark frame all round: top";
  EXPECT_EQ(px[17][0], kEdgeWindowFrame) << "left";
  EXPECT_EQ(px[h - 1][50], kEdgeWindowFrame) << "bottom";
  EXPECT_EQ(px[17][w - 1], kEdgeWindowFrame) << "right";
  EXPECT_EQ(px[1][50], kEdgeShadow) << "shadow ring inside: top";
  EXPECT_EQ(px[17][1], kEdgeShadow) << "left";
  EXPECT_EQ(px[h - 2][50], kEdgeShadow) << "bottom";
  EXPECT_EQ(px[17][w - 2], kEdgeShadow) << "right";
  EXPECT_EQ(px[2][2], 15) << "face from (2, 2)";
}

TEST(IconButtonLook, FocusedEdgesDoubleTheDarkFrame) {
  const int w = 110, h = 35;
  auto px = Render(ClassicEdgesFor(IconButtonLook::Focused, w, h), w, h);
  EXPECT_EQ(px[0][50], kEdgeWindowFrame) << "outer top";
  EXPECT_EQ(px[h - 2][50], kEdgeWindowFrame) << "second dark row at the bottom";
  EXPECT_EQ(px[17][w - 2], kEdgeWindowFrame) << "second dark column at the right";
  EXPECT_EQ(px[1][50], kEdgeHighlight) << "light inside the top";
  EXPECT_EQ(px[17][1], kEdgeHighlight) << "light inside the left";
  EXPECT_EQ(px[h - 3][50], kEdgeShadow) << "shadow above the double bottom";
  EXPECT_EQ(px[17][w - 3], kEdgeShadow) << "shadow left of the double right";
}

TEST(IconButtonLook, ClassicLooksCoverEveryPixel) {
  for (IconButtonLook look : {IconButtonLook::Pressed, IconButtonLook::Focused, IconButtonLook::Normal}) {
    for (int w : {20, 110}) {
      const int h = 35;
      auto px = Render(ClassicEdgesFor(look, w, h), w, h);
      int uncovered = 0;
      for (const auto& row : px) {
        for (int colour : row) uncovered += colour == -1;
      }
      EXPECT_EQ(uncovered, 0) << "edges and fill leave no pixel of look " << static_cast<int>(look)
                              << " undrawn at width " << w;
    }
  }
}

TEST(IconButtonLook, PressedShiftsAndFocusShows) {
  EXPECT_EQ(IconButtonShift(IconButtonLook::Pressed), 1);
  EXPECT_EQ(IconButtonShift(IconButtonLook::Focused), 0);
  EXPECT_TRUE(IconButtonShowsFocus(IconButtonLook::Pressed));
  EXPECT_TRUE(IconButtonShowsFocus(IconButtonLook::Focused));
  EXPECT_FALSE(IconButtonShowsFocus(IconButtonLook::Disabled)) << "a disabled button shows no focus";
  EXPECT_FALSE(IconButtonShowsFocus(IconButtonLook::Normal));
}

}  // namespace
}  // namespace controls
