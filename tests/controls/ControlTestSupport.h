#pragma once
// What the owner-drawn control tests share: a visible test window of the program's kind, message pumping, icons
// of one colour, and pictures of windows read back into memory as 0x00BBGGRR values.

#include <windows.h>

#include <string>
#include <vector>

#include "ui/WindowHooks.h"

namespace controlstest {

// Window numbers of these tests, clear of the program's (0, 64) and of the other test folders' (900, 901).
inline constexpr int kControlsTestWindow = 910;
inline constexpr int kSecondTestWindow = 911;

class TestWindow {
 public:
  // Opens the window shown, in the screen's top-left corner, as the current parent of new controls.
  TestWindow(int number, int width, int height, ui::WindowHook hook = nullptr);
  ~TestWindow();
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;

  HWND handle() const { return handle_; }
  int number() const { return number_; }

 private:
  int number_;
  HWND handle_ = nullptr;
};

// Dispatches window and thread messages (timers included) for about that long.
void PumpMessages(int milliseconds);

// A picture read back from a window or painted into memory.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<COLORREF> pixels;
  COLORREF At(int x, int y) const;
  bool operator==(const Picture& other) const { return width == other.width && pixels == other.pixels; }
};

// The pixels a window currently shows (BitBlt from its own device context).
Picture ReadWindow(HWND window);

// What a window paints for WM_PRINTCLIENT into a memory bitmap first filled with prefill.
Picture PrintClient(HWND window, COLORREF prefill = RGB(1, 2, 3));

// A square icon of one opaque colour.
HICON SolidIcon(int size, COLORREF colour);

// The bounding box of the pixels of one colour inside a rectangle, right and bottom being the last such column
// and row; empty (right < left) when there are none.
RECT BoundsOf(const Picture& picture, COLORREF colour, const RECT& within);
// Number of pixels inside the rectangle that differ from a colour.
int CountOther(const Picture& picture, COLORREF colour, const RECT& within);
int CountColour(const Picture& picture, COLORREF colour, const RECT& within);

std::string Hex(COLORREF colour);

}  // namespace controlstest
