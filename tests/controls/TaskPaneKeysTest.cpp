// The task pane and the keyboard, in process: where the arrows and Tab lead, what Enter and Space do, and where the
// focus rectangle shows.
#include <gtest/gtest.h>

#include "TaskPaneTestSupport.h"
#include "controls/TaskPaneKeys.h"
#include "ui/ChildList.h"
#include "ui/Controls.h"
#include "ui/Events.h"
#include "ui/Objects.h"

namespace controls {
namespace {

using controlstest::PaneEvents;
using controlstest::PaneFixture;
using controlstest::PumpMessages;
using controlstest::ReceivedCommands;

// 0 header, 1 link (5), 2 label, 3 host with two fields, 4 header, 5 link (7), 6 fixed header.
class TaskPaneKeys : public testing::Test {
 protected:
  void SetUp() override {
    fixture.Add(GroupHeader, 35, L"Sélection");
    fixture.Add(LinkItem, 25, L"Premier lien", nullptr, 5);
    fixture.Add(LabelItem, 25, L"Étiquette");
    int host = fixture.Add(HostItem, 30);
    {
      ui::ChildList inHost(host);
      first = ui::CreateEditField(ui::kNewNumber, 5, 5, 80, 20, L"un");
      second = ui::CreateEditField(ui::kNewNumber, 100, 5, 80, 20, L"deux");
    }
    fixture.Add(GroupHeader, 35, L"Explorateur");
    fixture.Add(LinkItem, 25, L"Second lien", nullptr, 7);
    fixture.Add(FixedHeader, 35, L"Fixe");
    after = ui::CreateEditField(ui::kNewNumber, 320, 5, 80, 20, L"après");
    SetForegroundWindow(fixture.window());
    UpdateWindow(fixture.window());
    PumpMessages(30);
    PaneEvents().clear();
    ReceivedCommands().clear();
  }

  void Key(WPARAM key) { SendMessageW(fixture.canvas(), WM_KEYDOWN, key, 1); }
  // Tab as the event loop sees it, through the program's own dispatching.
  void Tab() {
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 1);
    while (ui::PollEvent().kind != ui::kNoEvent) {
    }
  }
  int FocusItem() { return fixture.state().focusItem; }

  PaneFixture fixture{300, 600};
  HWND first = nullptr;
  HWND second = nullptr;
  HWND after = nullptr;
};

TEST_F(TaskPaneKeys, ArrowsGoOverShownHeadersAndLinksOnly) {
  FocusPaneItem(fixture.state(), 0);
  ASSERT_EQ(GetFocus(), fixture.canvas());
  const int downward[] = {1, 4, 5, 5};  // the label, the host and the fixed header are passed; the end stays
  for (int expected : downward) {
    Key(VK_DOWN);
    EXPECT_EQ(FocusItem(), expected);
  }
  Key(VK_HOME);
  EXPECT_EQ(FocusItem(), 0);
  Key(VK_END);
  EXPECT_EQ(FocusItem(), 5);
  SetPaneItemState(fixture.pane(), 4, 1);
  EXPECT_EQ(FocusItem(), 4) << "a link folded away gives the keyboard to its header";
  Key(VK_UP);
  EXPECT_EQ(FocusItem(), 1);
}

TEST_F(TaskPaneKeys, EnterAndSpaceActAsAClick) {
  FocusPaneItem(fixture.state(), 1);
  Key(VK_RETURN);
  ASSERT_EQ(ReceivedCommands().size(), 1u) << "Enter on a link sends its command";
  EXPECT_EQ(ReceivedCommands()[0], 5u);
  FocusPaneItem(fixture.state(), 4);
  Key(VK_SPACE);
  EXPECT_EQ(GetPaneItemState(fixture.pane(), 4), 1) << "Space on a header folds its group";
  ASSERT_EQ(PaneEvents().size(), 1u);
  EXPECT_EQ(PaneEvents()[0].event, GroupCollapsed);
  SendMessageW(fixture.canvas(), WM_KEYDOWN, VK_SPACE, 1 | (1L << 30));
  EXPECT_EQ(GetPaneItemState(fixture.pane(), 4), 1) << "the key's repeats do not unfold it again";
}

TEST_F(TaskPaneKeys, TabGoesThroughHostedControlsInItemOrderAndOut) {
  FocusPaneItem(fixture.state(), 0);
  Tab();
  EXPECT_EQ(GetFocus(), fixture.canvas());
  EXPECT_EQ(FocusItem(), 1) << "the link after the header";
  Tab();
  EXPECT_EQ(GetFocus(), first) << "then the host's fields, in their order";
  Tab();
  EXPECT_EQ(GetFocus(), second);
  Tab();
  EXPECT_EQ(GetFocus(), fixture.canvas());
  EXPECT_EQ(FocusItem(), 4) << "then the next header";
  Tab();
  Tab();
  EXPECT_EQ(GetFocus(), after) << "past the last link, out of the pane";
  SetPaneItemState(fixture.pane(), 0, 1);
  FocusPaneItem(fixture.state(), 0);
  Tab();
  EXPECT_EQ(FocusItem(), 4) << "a folded group's link and fields are no stops";
}

TEST_F(TaskPaneKeys, TheFocusRectangleShowsOnlyWhileTheKeyboardIsInUse) {
  SetFocus(after);
  controlstest::Picture unfocused = fixture.Print();
  FocusPaneItem(fixture.state(), 1);
  SendMessageW(fixture.window(), WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
  RECT shown;
  ASSERT_TRUE(PaneFocusRect(fixture.state(), 1, &shown));
  const RECT link = PaneItemOf(fixture.state(), 1)->hitRect;
  EXPECT_LT(shown.left, link.left) << "around the link's text";
  controlstest::Picture focused = fixture.Print();
  int changedOnEdge = 0;
  int changedElsewhere = 0;
  for (int y = 0; y < focused.height; ++y) {
    for (int x = 0; x < focused.width; ++x) {
      if (focused.At(x, y) == unfocused.At(x, y)) continue;
      const bool inside = x >= shown.left && x < shown.right && y >= shown.top && y < shown.bottom;
      const bool edge = x == shown.left || x == shown.right - 1 || y == shown.top || y == shown.bottom - 1;
      ++(inside && edge ? changedOnEdge : changedElsewhere);
    }
  }
  EXPECT_GT(changedOnEdge, (shown.right - shown.left) / 2) << "a dotted rectangle";
  EXPECT_EQ(changedElsewhere, 0) << "and nothing else changes";

  // Hidden cues hide it, where the system lets a window hide them (Wine always shows them).
  SendMessageW(fixture.window(), WM_UPDATEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0);
  if (SendMessageW(fixture.canvas(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) {
    EXPECT_FALSE(PaneFocusRect(fixture.state(), 1, &shown));
    EXPECT_TRUE(fixture.Print() == unfocused);
  }
}

}  // namespace
}  // namespace controls
