#pragma once
// What the in-process tests share: a top-level window of the program's own kind for one test, and the events its
// messages produced.

#include <windows.h>

#include <string>
#include <vector>

#include "ui/Events.h"
#include "ui/Objects.h"
#include "ui/TopLevelWindows.h"

namespace wintest {

// Window numbers of the tests stay clear of the program's own (0, 64).
inline constexpr int kTestWindow = 900;
inline constexpr int kOtherTestWindow = 901;

// Opens the window on construction, empties the event queue, and closes the window (with every control in it)
// when the test ends.
class TestWindow {
 public:
  explicit TestWindow(int number = kTestWindow, unsigned flags = ui::kWindowSystemMenu | ui::kWindowInvisible,
                      int width = 400, int height = 300, HWND owner = nullptr)
      : number_(number) {
    ui::DiscardEvents();
    handle_ = ui::OpenTopLevelWindow(number, 10, 10, width, height, L"Fenêtre d'essai", flags, owner);
  }
  ~TestWindow() {
    ui::CloseTopLevelWindow(number_);
    ui::DiscardEvents();
  }
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;

  HWND handle() const { return handle_; }
  int number() const { return number_; }

 private:
  int number_;
  HWND handle_ = nullptr;
};

// Every event waiting once the queued window messages are dispatched.
inline std::vector<ui::Event> TakeEvents() {
  std::vector<ui::Event> events;
  for (ui::Event event = ui::PollEvent(); event.kind != ui::kNoEvent; event = ui::PollEvent()) {
    events.push_back(event);
  }
  return events;
}

inline std::string Describe(const std::vector<ui::Event>& events) {
  std::string text = std::to_string(events.size()) + " event(s):";
  for (const ui::Event& e : events) {
    text += " {kind " + std::to_string(e.kind) + " window " + std::to_string(e.window) + " control " +
            std::to_string(e.control) + " type " + std::to_string(e.type) + " command " + std::to_string(e.command) +
            "}";
  }
  return text;
}

inline std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

}  // namespace wintest
