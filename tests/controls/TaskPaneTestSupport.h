#pragma once
// A task pane in a test window, with the owner events it sent and the commands its top-level window received.

#include <windows.h>

#include <memory>
#include <vector>

#include "ControlTestSupport.h"
#include "controls/TaskPane.h"

namespace controlstest {

struct PaneEventRecord {
  int pane;
  int event;
  int item;
  int data;
};

// Owner events of every test pane, oldest first.
std::vector<PaneEventRecord>& PaneEvents();
int RecordPaneEvent(int pane, int event, int item, int data);

// WM_COMMAND messages (command, 0) the test window's hook saw, in order.
std::vector<WPARAM>& ReceivedCommands();
LRESULT CountCommandsHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT notHandled);

// A shown test window holding one pane at (0, 0).
class PaneFixture {
 public:
  PaneFixture(int width, int height, int windowWidth = 500, int windowHeight = 700);
  ~PaneFixture();

  int pane() const { return pane_; }
  HWND frame() const;
  HWND canvas() const;
  controls::TaskPaneState& state() const;
  HWND window() const { return window_->handle(); }

  // Adds an item at the end and returns AddPaneItem's result.
  int Add(int kind, int height, const wchar_t* text = L"", HICON icon = nullptr, int command = 0);
  // Paints the canvas into memory through WM_PRINTCLIENT.
  Picture Print() const;

 private:
  std::unique_ptr<TestWindow> window_;
  int pane_ = 0;
};

// The main window's pane: 300 x 633, two groups.
void FillLikeMainWindow(PaneFixture& fixture, HICON headerIcon, HICON linkIcon);

}  // namespace controlstest
