// Window messages that become the program's events: close requests, menu commands, and the notifications of
// controls wherever they sit inside a top-level window.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>

#include "support/TestWindow.h"
#include "ui/ChildList.h"
#include "ui/Containers.h"
#include "ui/Controls.h"
#include "ui/ReportLists.h"

namespace {

using wintest::Describe;
using wintest::TakeEvents;
using wintest::TestWindow;

TEST(UiCloseEvents, ACloseRequestBecomesOneCloseEventAndLeavesTheWindowOpen) {
  struct Case {
    const char* how;
    int window;
    UINT message;
    WPARAM wParam;
  };
  const Case cases[] = {
      {"WM_CLOSE", wintest::kTestWindow, WM_CLOSE, 0},
      {"close box / Alt+F4 (SC_CLOSE)", wintest::kTestWindow, WM_SYSCOMMAND, SC_CLOSE},
      {"WM_CLOSE to another window", 964, WM_CLOSE, 0},
  };
  for (const Case& c : cases) {
    TestWindow window(c.window);
    ASSERT_NE(window.handle(), nullptr) << c.how;
    SendMessageW(window.handle(), c.message, c.wParam, 0);
    std::vector<ui::Event> events = TakeEvents();
    ASSERT_EQ(events.size(), 1u) << c.how << ": " << Describe(events);
    EXPECT_EQ(events[0].kind, ui::kCloseEvent) << c.how;
    EXPECT_EQ(events[0].window, c.window) << c.how << ": the close event carries the window's number";
    EXPECT_TRUE(IsWindow(window.handle())) << c.how << ": the program decides whether the window closes";
    EXPECT_EQ(ui::WindowHandle(c.window), window.handle()) << c.how << ": the window keeps its number";
  }
}

TEST(UiMenuEvents, ACommandWithoutControlSentToTheWindowBecomesAMenuEvent) {
  TestWindow window;
  ASSERT_NE(window.handle(), nullptr);
  const int commands[] = {5, 6, 52, 59, 1000, 65535};
  for (int command : commands) {
    LRESULT result = SendMessageW(window.handle(), WM_COMMAND, static_cast<WPARAM>(command), 0);
    EXPECT_EQ(result, 0) << "command " << command;
    std::vector<ui::Event> events = TakeEvents();
    ASSERT_EQ(events.size(), 1u) << "command " << command << ": " << Describe(events);
    EXPECT_EQ(events[0].kind, ui::kMenuEvent) << "command " << command;
    EXPECT_EQ(events[0].command, command) << "the menu event carries the command number";
    EXPECT_EQ(events[0].window, window.number()) << "command " << command;
  }
  // A link of the task pane posts its command rather than sending it.
  PostMessageW(window.handle(), WM_COMMAND, 6, 0);
  std::vector<ui::Event> events = TakeEvents();
  ASSERT_EQ(events.size(), 1u) << "posted command: " << Describe(events);
  EXPECT_EQ(events[0].kind, ui::kMenuEvent);
  EXPECT_EQ(events[0].command, 6);
}

// Where the clicked control sits: directly in the window, or in containers nested in it.
HWND MakeParents(int depth) {
  HWND parent = ui::CurrentParent();
  for (int level = 0; level < depth && parent; ++level) {
    ui::ChildList inParent(parent);
    parent = ui::CreateContainer(ui::kNewNumber, 5, 5, 300, 200, ui::ContainerBorder::StaticEdge);
  }
  return parent;
}

TEST(UiControlEvents, AClickAnywhereInsideAWindowIsAClickOfThatWindow) {
  struct Kind {
    const char* name;
    std::function<HWND(int)> create;
  };
  const Kind kinds[] = {
      {"push button", [](int n) { return ui::CreateButtonControl(n, 5, 5, 80, 25, L"Renommer"); }},
      {"check box", [](int n) { return ui::CreateCheckBox(n, 5, 5, 80, 25, L"Case"); }},
      {"option button", [](int n) { return ui::CreateOptionButton(n, 5, 5, 80, 25, L"Mode 1", true); }},
  };
  for (const Kind& kind : kinds) {
    for (int depth = 0; depth <= 2; ++depth) {
      TestWindow window;
      HWND parent = MakeParents(depth);
      ASSERT_NE(parent, nullptr) << kind.name << " depth " << depth;
      ui::ChildList inParent(parent);
      HWND control = kind.create(720);
      ASSERT_NE(control, nullptr) << kind.name << " depth " << depth;
      SendMessageW(control, BM_CLICK, 0, 0);
      std::vector<ui::Event> events = TakeEvents();
      ASSERT_EQ(events.size(), 1u) << kind.name << " in " << depth << " container(s): " << Describe(events);
      EXPECT_EQ(events[0].kind, ui::kControlEvent) << kind.name << " depth " << depth;
      EXPECT_EQ(events[0].control, 720) << kind.name << " depth " << depth;
      EXPECT_EQ(events[0].type, ui::kClick) << kind.name << " depth " << depth;
      EXPECT_EQ(events[0].window, window.number())
          << kind.name << " in " << depth << " container(s): the event belongs to the top-level window";
    }
  }
}

TEST(UiControlEvents, AChangedSelectionOfADropDownListIsAChange768) {
  const unsigned kinds[] = {0u, ui::kComboWithImages, ui::kComboEditable | ui::kComboUpperCase};
  for (unsigned flags : kinds) {
    TestWindow window;
    HWND parent = MakeParents(1);
    ASSERT_NE(parent, nullptr);
    ui::ChildList inParent(parent);
    HWND combo = ui::CreateComboBox(730, 5, 5, 100, 20, flags);
    ASSERT_NE(combo, nullptr) << "flags " << flags;
    ui::AddComboEntry(730, L"");
    ui::AddComboEntry(730, L"JPG");
    ui::AddComboEntry(730, L"JPEG");
    ui::SelectComboEntry(730, 0);
    EXPECT_TRUE(TakeEvents().empty()) << "flags " << flags << ": a selection made by the program is no event";

    // The user moves the selection with the keyboard; the box with images holds the real list box inside it.
    HWND inner = flags & ui::kComboWithImages ? reinterpret_cast<HWND>(SendMessageW(combo, CBEM_GETCOMBOCONTROL, 0, 0))
                                               : combo;
    ASSERT_NE(inner, nullptr);
    SendMessageW(inner, WM_KEYDOWN, VK_DOWN, 0);
    ASSERT_EQ(ui::SelectedComboEntry(730), 1) << "flags " << flags << ": the arrow key moves the selection";
    std::vector<ui::Event> events = TakeEvents();
    ASSERT_EQ(events.size(), 1u) << "flags " << flags << ": " << Describe(events);
    EXPECT_EQ(events[0].kind, ui::kControlEvent) << "flags " << flags;
    EXPECT_EQ(events[0].control, 730) << "flags " << flags;
    EXPECT_EQ(events[0].type, ui::kChange) << "flags " << flags;
    EXPECT_EQ(events[0].type, 768) << "flags " << flags;
    EXPECT_EQ(events[0].window, window.number()) << "flags " << flags;
  }
}

void SendNotify(HWND parent, HWND from, UINT code) {
  NMITEMACTIVATE note{};
  note.hdr.hwndFrom = from;
  note.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(from));
  note.hdr.code = code;
  note.iItem = 0;
  SendMessageW(parent, WM_NOTIFY, note.hdr.idFrom, reinterpret_cast<LPARAM>(&note));
}

TEST(UiControlEvents, NotificationsOfAReportListGiveTheirClickTypes) {
  struct Case {
    const char* name;
    UINT code;
    int expectedType;  // -1: no event
  };
  const Case cases[] = {
      {"NM_RCLICK", NM_RCLICK, ui::kRightClick},
      {"NM_CLICK", NM_CLICK, ui::kClick},
      {"NM_DBLCLK", NM_DBLCLK, ui::kDoubleClick},
      {"LVN_ITEMCHANGED", LVN_ITEMCHANGED, -1},
      {"NM_SETFOCUS", NM_SETFOCUS, -1},
  };
  for (int depth = 0; depth <= 1; ++depth) {
    TestWindow window;
    HWND parent = MakeParents(depth);
    ASSERT_NE(parent, nullptr);
    ui::ChildList inParent(parent);
    HWND list = ui::CreateReportList(740, 0, 0, 300, 200, L"Nom", 150, ui::kListMultiSelect);
    ASSERT_NE(list, nullptr);
    TakeEvents();
    for (const Case& c : cases) {
      SendNotify(parent, list, c.code);
      std::vector<ui::Event> events = TakeEvents();
      if (c.expectedType < 0) {
        EXPECT_TRUE(events.empty()) << c.name << " is no event: " << Describe(events);
        continue;
      }
      ASSERT_EQ(events.size(), 1u) << c.name << " depth " << depth << ": " << Describe(events);
      EXPECT_EQ(events[0].kind, ui::kControlEvent) << c.name;
      EXPECT_EQ(events[0].control, 740) << c.name;
      EXPECT_EQ(events[0].type, c.expectedType) << c.name;
      EXPECT_EQ(events[0].window, window.number()) << c.name << " depth " << depth;
    }
  }
  TestWindow window;
  HWND list = ui::CreateReportList(740, 0, 0, 300, 200, L"Nom", 150, 0);
  ASSERT_NE(list, nullptr);
  SendNotify(window.handle(), list, NM_RCLICK);
  std::vector<ui::Event> events = TakeEvents();
  ASSERT_EQ(events.size(), 1u) << Describe(events);
  EXPECT_EQ(events[0].type, 1) << "a right click is event type 1";
}

TEST(UiControlEvents, ChildrenThatAreNotTheProgramsControlsGiveNoEvent) {
  TestWindow window;
  HWND registered = ui::CreateButtonControl(750, 0, 0, 50, 20, L"Inscrit");
  ASSERT_NE(registered, nullptr);
  HWND container = ui::CreateContainer(751, 0, 30, 300, 200, ui::ContainerBorder::None);
  ASSERT_NE(container, nullptr);
  struct Case {
    const char* name;
    HWND parent;
    int id;
  };
  const Case cases[] = {
      {"an unknown id in the window", window.handle(), 4321},
      {"an unknown id in a container", container, 4322},
      {"the id of another registered control", window.handle(), 750},
      {"the id of another registered control, in a container", container, 750},
  };
  for (const Case& c : cases) {
    HWND stranger = CreateWindowExW(0, L"Button", L"Étranger", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, 0, 50, 20,
                                    c.parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)),
                                    GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(stranger, nullptr) << c.name;
    SendMessageW(stranger, BM_CLICK, 0, 0);
    SendNotify(c.parent, stranger, NM_RCLICK);
    std::vector<ui::Event> events = TakeEvents();
    EXPECT_TRUE(events.empty()) << c.name << ": " << Describe(events);
    DestroyWindow(stranger);
  }
  SendMessageW(registered, BM_CLICK, 0, 0);
  EXPECT_EQ(TakeEvents().size(), 1u) << "the registered control itself still gives its event";
}

}  // namespace
