#include <gtest/gtest.h>

#include "controls/IconLayout.h"

namespace controls {
namespace {

TEST(IconLayout, IconLeftOnACommandBarButton) {
  // 24 x 24 icon on a 35-pixel-high button, font height 11 (the default control font).
  IconButtonPlacement place = PlaceIconAndCaption(IconLeft, 110, 35, 24, 24, 60, 13, 11);
  EXPECT_EQ(place.iconX, 10) << "icon 10 pixels from the left edge";
  EXPECT_EQ(place.iconY, 6) << "(35 - 24) / 2 + 1";
  EXPECT_EQ(place.captionX, 44) << "caption after the icon and 20 pixels";
  EXPECT_EQ(place.captionY, 11) << "(35 - 11) / 2 - 1";
}

TEST(IconLayout, EveryLayout) {
  struct Case {
    int layout;
    IconButtonPlacement expected;
    const char* name;
  } const cases[] = {
      {IconAbove, {43, 11, 35, 47}, "icon above"},
      {IconRight, {76, 23, 26, 21}, "icon right"},
      {IconBelow, {43, 39, 35, 14}, "icon below"},
      {IconLeft, {10, 24, 44, 21}, "icon left"},
      {4, {0, 0, 0, 0}, "unknown layout"},
      {-1, {0, 0, 0, 0}, "negative layout"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PlaceIconAndCaption(c.layout, 110, 70, 24, 24, 40, 13, 25), c.expected) << c.name;
  }
}

TEST(IconLayout, DivisionsDropTheFraction) {
  // Odd differences: (35 - 23) / 2 + 1 = 7, (111 - 24) / 2 = 43, (35 - 24) / 4 = 2.
  EXPECT_EQ(PlaceIconAndCaption(IconLeft, 111, 35, 23, 23, 10, 13, 12).iconY, 7);
  EXPECT_EQ(PlaceIconAndCaption(IconAbove, 111, 35, 24, 24, 10, 13, 12).iconX, 43);
  EXPECT_EQ(PlaceIconAndCaption(IconAbove, 111, 35, 24, 24, 10, 13, 12).iconY, 2);
}

}  // namespace
}  // namespace controls
