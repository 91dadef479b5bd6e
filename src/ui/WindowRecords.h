#pragma once
// What the layer remembers of a window, keyed by its handle, forgotten when the window is destroyed: Windows may
// give a later window the same handle, which must not find the old window's record.

#include <windows.h>

#include <map>

namespace ui {

class WindowRecordsBase {
 public:
  virtual void Forget(HWND window) = 0;

 protected:
  WindowRecordsBase() = default;
  ~WindowRecordsBase() = default;
  // Has Forget(window) called as the window is destroyed; false when Windows refused (a window of another thread).
  bool WatchDestruction(HWND window);
};

// One record of T per window. The records live as long as the program: each set is a static of its owner.
template <typename T>
class WindowRecords final : public WindowRecordsBase {
 public:
  // The window's record, made empty on first use.
  T& operator[](HWND window) {
    auto [entry, added] = records_.try_emplace(window);
    if (added) WatchDestruction(window);
    return entry->second;
  }
  T* Find(HWND window) {
    auto found = records_.find(window);
    return found == records_.end() ? nullptr : &found->second;
  }
  void Forget(HWND window) override { records_.erase(window); }
  // Visits (window, record) in handle order; the visit may not make or forget records.
  template <typename Visit>
  void ForEach(Visit visit) {
    for (auto& [window, record] : records_) visit(window, record);
  }

 private:
  std::map<HWND, T> records_;
};

}  // namespace ui
