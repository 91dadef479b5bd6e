#pragma once
// The kinds of task pane items. A header (group or fixed) opens a group: every following item of another kind
// belongs to the last header before it; items before the first header belong to no group and always show.

namespace controls {

enum PaneItemKind : int {
  GroupHeader = 1,    // header band of a group that folds; a click toggles it
  FixedHeader = 2,    // drawn like a group header, without chevron; never hot, never folds
  LinkItem = 3,       // clickable text line with an optional 16 x 16 icon; sends its command number
  LabelItem = 4,      // text line in the label colour; not clickable
  SeparatorItem = 5,  // empty band with a horizontal line along its bottom
  HostItem = 6,       // band occupied by a host container that holds ordinary child controls
};

constexpr bool IsPaneHeader(int kind) { return kind == GroupHeader || kind == FixedHeader; }

}  // namespace controls
