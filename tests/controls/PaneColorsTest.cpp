#include <gtest/gtest.h>

#include "controls/PaneColors.h"

namespace controls {
namespace {

TEST(PaneColors, DefaultsAreNotTheCreationColours) {
  // A pane is created in its own palette; -1 restores another, brighter one.
  EXPECT_EQ(PaneCreationColor(kHeaderTextColor), 0x8A5E44);
  EXPECT_EQ(PaneDefaultColor(kHeaderTextColor), 0xB3120A) << "RGB(10, 18, 179)";
  EXPECT_EQ(PaneCreationColor(kGroupBodyColor), 0x8A5E44);
  EXPECT_EQ(PaneDefaultColor(kGroupBodyColor), 0xF7DFD6);
  EXPECT_EQ(PaneDefaultColor(kLinkColor), 0xC43507);
  EXPECT_EQ(PaneDefaultColor(kHotColor), 0xFCB8A0);
  EXPECT_EQ(PaneCreationColor(kPaneBackground), 0xAE795A) << "frame background at creation";
  EXPECT_EQ(PaneDefaultColor(kPaneBackground), 0xFD8782) << "frame background for -1";
}

TEST(PaneColors, OnlyPaneAttributesHaveColours) {
  for (int attribute : {0, 1, 3, 6, 14, 100}) {
    EXPECT_EQ(PaneCreationColor(attribute), -1) << "attribute " << attribute;
    EXPECT_EQ(PaneDefaultColor(attribute), -1) << "attribute " << attribute;
  }
  for (int attribute = kFirstPaneColor; attribute <= kLastPaneColor; ++attribute) {
    EXPECT_NE(PaneCreationColor(attribute), -1) << "attribute " << attribute;
    EXPECT_TRUE(IsPaneOwnColor(attribute)) << "attribute " << attribute;
  }
  EXPECT_FALSE(IsPaneOwnColor(kPaneBackground)) << "the background belongs to the frame";
}

}  // namespace
}  // namespace controls
