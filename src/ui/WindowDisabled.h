#pragma once
// A top-level window that takes no input for a while: disabled when this is made, enabled again when it goes,
// however the work in between ends.

namespace ui {

class WindowDisabled {
 public:
  explicit WindowDisabled(int windowNumber);
  ~WindowDisabled();
  WindowDisabled(const WindowDisabled&) = delete;
  WindowDisabled& operator=(const WindowDisabled&) = delete;

 private:
  int windowNumber_;
};

}  // namespace ui
