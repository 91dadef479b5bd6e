#pragma once
// The task pane's colour attributes (Windows colour values 0x00BBGGRR): 7 to 13 are the pane's own, 2 is the
// background of its frame. A pane starts with its creation colours; setting a colour to -1 gives its default,
// which for most attributes is not the creation colour.

namespace controls {

enum PaneColorAttribute : int {
  kPaneBackground = 2,
  kHeaderLightColor = 7,
  kHeaderTextColor = 8,
  kGroupBodyColor = 9,
  kLinkColor = 10,
  kLabelColor = 11,
  kSeparatorColor = 12,
  kHotColor = 13,
};

inline constexpr int kFirstPaneColor = kHeaderLightColor;
inline constexpr int kLastPaneColor = kHotColor;

// Painted where the frame reports no background colour.
inline constexpr int kPaneFallbackBackground = 0xE6A17A;

constexpr bool IsPaneOwnColor(int attribute) { return attribute >= kFirstPaneColor && attribute <= kLastPaneColor; }

// The colour an attribute has when the pane is created (2 and 7 to 13), -1 for any other.
int PaneCreationColor(int attribute);

// The colour -1 stands for when it is set (2 and 7 to 13), -1 for any other.
int PaneDefaultColor(int attribute);

}  // namespace controls
