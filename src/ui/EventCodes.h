#pragma once
// The kinds and types of the program's events. Window-free, so that window-free code and its tests can name them.

namespace ui {

enum EventKind : int {
  kNoEvent = 0,
  kControlEvent = 13100,  // a control was clicked, changed or right-clicked
  kMenuEvent = 13101,     // a popup menu entry, or a WM_COMMAND (command, 0) sent to a top-level window
  kCloseEvent = 13116,    // the close box, the system menu or Alt+F4 of a window
};

enum EventType : int {
  kClick = 0,
  kRightClick = 1,
  kDoubleClick = 2,
  kRightDoubleClick = 3,
  kMenuKey = 4,  // the Menu key or Shift+F10 while the control has the focus
  kChange = 768,
};

}  // namespace ui
