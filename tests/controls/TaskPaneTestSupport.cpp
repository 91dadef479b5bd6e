#include "TaskPaneTestSupport.h"

#include "controls/ScrollContainer.h"
#include "ui/Objects.h"

namespace controlstest {

std::vector<PaneEventRecord>& PaneEvents() {
  static std::vector<PaneEventRecord> events;
  return events;
}

int RecordPaneEvent(int pane, int event, int item, int data) {
  PaneEvents().push_back({pane, event, item, data});
  return 0;
}

std::vector<WPARAM>& ReceivedCommands() {
  static std::vector<WPARAM> commands;
  return commands;
}

LRESULT CountCommandsHook(HWND, UINT message, WPARAM wParam, LPARAM lParam, LRESULT notHandled) {
  if (message == WM_COMMAND && lParam == 0) {
    ReceivedCommands().push_back(wParam);
    return 0;
  }
  return notHandled;
}

PaneFixture::PaneFixture(int width, int height, int windowWidth, int windowHeight) {
  PaneEvents().clear();
  ReceivedCommands().clear();
  window_ = std::make_unique<TestWindow>(kControlsTestWindow, windowWidth, windowHeight, CountCommandsHook);
  pane_ = controls::CreateTaskPane(ui::kNewNumber, 0, 0, width, height, RecordPaneEvent);
}

PaneFixture::~PaneFixture() { window_.reset(); }

HWND PaneFixture::frame() const { return ui::ControlHandle(pane_); }

HWND PaneFixture::canvas() const { return controls::ScrollCanvasOf(frame()); }

controls::TaskPaneState& PaneFixture::state() const { return *controls::PaneStateOf(pane_); }

int PaneFixture::Add(int kind, int height, const wchar_t* text, HICON icon, int command) {
  controls::TaskPaneItemSpec descriptor;
  descriptor.kind = kind;
  descriptor.height = height;
  descriptor.commandId = command;
  return controls::AddPaneItem(pane_, -1, text, icon, &descriptor);
}

Picture PaneFixture::Print() const { return PrintClient(canvas()); }

void FillLikeMainWindow(PaneFixture& fixture, HICON headerIcon, HICON linkIcon) {
  using namespace controls;
  // One descriptor for every call, as the main window does: later headers keep the command left by the links.
  TaskPaneItemSpec descriptor;
  auto add = [&](int kind, int height, const wchar_t* text, HICON icon) {
    descriptor.kind = kind;
    descriptor.height = height;
    return AddControlItem(fixture.pane(), -1, text, icon, &descriptor);
  };
  add(GroupHeader, 35, L"Sélection de fichiers", headerIcon);
  add(HostItem, 30, L"", nullptr);
  descriptor.commandId = 5;
  add(LinkItem, 25, L"Ajouter un ou plusieurs fichiers", linkIcon);
  descriptor.commandId = 6;
  add(LinkItem, 25, L"Ajouter un répertoire complet", linkIcon);
  add(GroupHeader, 35, L"Explorateur système", headerIcon);
  add(HostItem, 453, L"", nullptr);
}

}  // namespace controlstest
