#include <gtest/gtest.h>

#include <vector>

#include "TaskPaneTestSupport.h"
#include "controls/ScrollContainer.h"
#include "controls/TaskPaneInput.h"
#include "controls/TaskPaneKeys.h"
#include "ui/ChildList.h"
#include "ui/Controls.h"
#include "ui/Objects.h"

namespace controls {
namespace {

using controlstest::PaneEvents;
using controlstest::PaneFixture;
using controlstest::PumpMessages;
using controlstest::ReceivedCommands;

// Long enough for several ticks of the 1 ms timer (about 10 ms each under Wine).
constexpr int kFewTicks = 80;

// Bands, canvas 300 wide:
//   0 group header   y 10..45
//   1 link (5)       y 45..70
//   2 link (6)       y 70..95
//   3 label          y 95..120
//   4 host           y 120..150
//     gap            y 150..165
//   5 group header   y 165..200
//   6 link (7)       y 200..225
//     gap            y 225..240
//   7 fixed header   y 240..275
class TaskPaneInput : public testing::Test {
 protected:
  void SetUp() override {
    fixture.Add(GroupHeader, 35, L"Sélection");
    fixture.Add(LinkItem, 25, L"Premier lien", nullptr, 5);
    fixture.Add(LinkItem, 25, L"Second lien", nullptr, 6);
    fixture.Add(LabelItem, 25, L"Étiquette");
    host = fixture.Add(HostItem, 30);
    fixture.Add(GroupHeader, 35, L"Explorateur");
    fixture.Add(LinkItem, 25, L"Troisième lien", nullptr, 7);
    fixture.Add(FixedHeader, 35, L"Fixe");
    // Keep the window above anything else on the shared desktop, so the cursor finds it.
    SetWindowPos(fixture.window(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    UpdateWindow(fixture.window());
    PumpMessages(30);
    PaneEvents().clear();
    ReceivedCommands().clear();
  }
  void TearDown() override { SetCursorPos(900, 900); }

  TaskPaneState& State() { return fixture.state(); }
  TaskPaneItem& Item(int index) { return *PaneItemOf(State(), index); }

  // Puts the real cursor at a canvas point and lets the timer see it.
  // Wine may put the pointer back shortly after a move: move it again until it stays where the test wants it.
  void Hover(int x, int y) {
    POINT point{x, y};
    ClientToScreen(fixture.canvas(), &point);
    for (int attempt = 0; attempt < 20; ++attempt) {
      SetCursorPos(point.x, point.y);
      PumpMessages(kFewTicks);
      POINT now{};
      GetCursorPos(&now);
      if (now.x == point.x && now.y == point.y) return;
    }
    ADD_FAILURE() << "the pointer would not stay at " << point.x << "," << point.y;
  }
  void HoverItem(int index) {
    const RECT& r = Item(index).hitRect;
    Hover((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  }

  // The middle of an item where it was painted (the band's middle for items without a hit rectangle); -1 gives
  // the margin, over no item.
  LPARAM PointOver(int index) {
    if (index < 0) return MAKELPARAM(3, 3);
    const RECT& r = Item(index).hitRect;
    if (r.right > r.left) return MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    for (const PaneBand& band : PaneItemBands(State())) {
      if (band.item == index) return MAKELPARAM(150, band.y + band.h / 2);
    }
    return MAKELPARAM(3, 3);
  }
  // A click without the real mouse and before any timer tick, as a tap arrives: the pointer is elsewhere.
  void Press(int index) { SendMessageW(fixture.canvas(), WM_LBUTTONDOWN, MK_LBUTTON, PointOver(index)); }
  void ReleaseOver(int index) { SendMessageW(fixture.canvas(), WM_LBUTTONUP, 0, PointOver(index)); }
  void Click(int index) {
    Press(index);
    ReleaseOver(index);
  }

  PaneFixture fixture{300, 600};
  int host = 0;
};

TEST_F(TaskPaneInput, HoverMakesHeaderThenLinkHotWithTheHand) {
  ASSERT_NE(SharedPaneState().hoverTimer, 0u);
  HoverItem(0);
  EXPECT_EQ(State().hotItem, 0) << "header under the cursor";
  EXPECT_EQ(SharedPaneState().hotCanvas, fixture.canvas());
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND)) << "hand over a hot item";
  HoverItem(1);
  EXPECT_EQ(State().hotItem, 1) << "link hot within a few ticks";
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
  Hover(150, 107);  // the label
  EXPECT_EQ(State().hotItem, -1) << "labels are never hot";
  EXPECT_EQ(SharedPaneState().hotCanvas, kNoHotCanvas);
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_ARROW)) << "arrow elsewhere on the canvas";
}

TEST_F(TaskPaneInput, OnlyShownGroupHeadersAndLinksGetHot) {
  struct Case {
    int x, y;
    int expected;
    const char* what;
  } const cases[] = {
      {150, 27, 0, "group header band"},
      {5, 27, -1, "left margin beside the header"},
      {150, 257, -1, "fixed header"},
      {150, 157, -1, "gap between groups"},
      {150, 182, 5, "second group header"},
  };
  for (const Case& c : cases) {
    Hover(c.x, c.y);
    EXPECT_EQ(State().hotItem, c.expected) << c.what;
  }
}

TEST_F(TaskPaneInput, HostChildrenLeaveHoverAlone) {
  HWND edit = nullptr;
  {
    ui::ChildList inHost(host);
    edit = ui::CreateEditField(ui::kNewNumber, 5, 5, 200, 20, L"texte");
  }
  UpdateWindow(fixture.window());
  PumpMessages(20);
  RECT r;
  GetWindowRect(edit, &r);
  HoverItem(0);
  POINT middle{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  ScreenToClient(fixture.canvas(), &middle);
  Hover(middle.x, middle.y);
  EXPECT_EQ(State().hotItem, -1) << "the header cooled when the cursor left the canvas";
  EXPECT_EQ(SharedPaneState().hotCanvas, kNoHotCanvas);
}

TEST_F(TaskPaneInput, FoldedLinksAreNeverHot) {
  RECT linkBefore = Item(1).hitRect;
  Click(0);
  EXPECT_EQ(GetPaneItemState(fixture.pane(), 0), 1) << "folded";
  UpdateWindow(fixture.canvas());
  EXPECT_EQ(Item(1).hitRect.right, -1) << "painting emptied the folded link's hit rectangle";
  EXPECT_EQ(Item(2).hitRect.right, -1);
  Hover((linkBefore.left + linkBefore.right) / 2, (linkBefore.top + linkBefore.bottom) / 2);
  EXPECT_NE(State().hotItem, 1) << "the folded link is not hot where it was";
  EXPECT_NE(State().hotItem, 2);
}

TEST_F(TaskPaneInput, LinkClickSendsItsCommandOnce) {
  Click(1);
  ASSERT_EQ(ReceivedCommands().size(), 1u) << "exactly one command message";
  EXPECT_EQ(ReceivedCommands()[0], 5u) << "the link's number, sent to the top-level window";
  EXPECT_EQ(SharedPaneState().pressedItem, -1);
  Click(2);
  ASSERT_EQ(ReceivedCommands().size(), 2u);
  EXPECT_EQ(ReceivedCommands()[1], 6u);
}

TEST_F(TaskPaneInput, LinkCommandArrivesInsideTheClick) {
  Press(1);
  ReleaseOver(1);
  // No message was pumped: the command was sent, not posted.
  EXPECT_EQ(ReceivedCommands().size(), 1u);
  MSG waiting;
  EXPECT_FALSE(PeekMessageW(&waiting, fixture.window(), WM_COMMAND, WM_COMMAND, PM_NOREMOVE)) << "nothing posted";
}

TEST_F(TaskPaneInput, ReleaseOnAnotherItemDoesNothing) {
  Press(1);
  EXPECT_EQ(SharedPaneState().pressedItem, 1);
  EXPECT_EQ(GetCapture(), fixture.canvas()) << "the canvas captures the mouse";
  ReleaseOver(2);
  EXPECT_TRUE(ReceivedCommands().empty()) << "released on another link: no command";
  EXPECT_EQ(GetCapture(), nullptr) << "capture released";
  EXPECT_EQ(SharedPaneState().pressedItem, -1);

  Press(0);
  ReleaseOver(-1);
  EXPECT_EQ(GetPaneItemState(fixture.pane(), 0), 0) << "header pressed, released elsewhere: not folded";
  EXPECT_TRUE(PaneEvents().empty()) << "and no event";
}

TEST_F(TaskPaneInput, PressDragReleaseWithTheRealCursor) {
  HoverItem(0);
  ASSERT_EQ(State().hotItem, 0);
  SendMessageW(fixture.canvas(), WM_LBUTTONDOWN, MK_LBUTTON, PointOver(0));
  HoverItem(1);
  ASSERT_EQ(State().hotItem, 1) << "dragged onto the link";
  SendMessageW(fixture.canvas(), WM_LBUTTONUP, 0, PointOver(1));
  EXPECT_EQ(GetPaneItemState(fixture.pane(), 0), 0) << "no fold";
  EXPECT_TRUE(PaneEvents().empty()) << "no event";
  EXPECT_TRUE(ReceivedCommands().empty()) << "no command";
}

TEST_F(TaskPaneInput, PressWithoutHotItemRecordsNothing) {
  State().hotItem = -1;
  SendMessageW(fixture.canvas(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
  EXPECT_EQ(SharedPaneState().pressedItem, -1);
  EXPECT_EQ(GetCapture(), nullptr);
  SendMessageW(fixture.canvas(), WM_LBUTTONUP, 0, 0);
  EXPECT_TRUE(PaneEvents().empty());
  EXPECT_TRUE(ReceivedCommands().empty());
}

TEST_F(TaskPaneInput, ClicksOnOtherKindsDoNothing) {
  for (int index : {3, 4, 7}) {
    Click(index);
    EXPECT_TRUE(PaneEvents().empty()) << "item " << index;
    EXPECT_TRUE(ReceivedCommands().empty()) << "item " << index;
  }
  TaskPaneItemSpec descriptor{LinkItem, 25, 0, nullptr};
  AddPaneItem(fixture.pane(), -1, L"sans commande", nullptr, &descriptor);
  Click(8);
  EXPECT_TRUE(ReceivedCommands().empty()) << "a link with command 0 sends nothing";
}

TEST_F(TaskPaneInput, HeaderClickFoldsAndUnfoldsWithEvents) {
  Click(5);
  EXPECT_EQ(GetPaneItemState(fixture.pane(), 5), 1);
  ASSERT_EQ(PaneEvents().size(), 1u);
  EXPECT_EQ(PaneEvents()[0].event, GroupCollapsed);
  EXPECT_EQ(PaneEvents()[0].item, 5);
  Click(5);
  EXPECT_EQ(GetPaneItemState(fixture.pane(), 5), 0);
  ASSERT_EQ(PaneEvents().size(), 2u);
  EXPECT_EQ(PaneEvents()[1].event, GroupExpanded);
  EXPECT_EQ(PaneEvents()[1].item, 5);
}

TEST_F(TaskPaneInput, FoldingRepaintsFromTheHeaderDown) {
  UpdateWindow(fixture.canvas());
  ValidateRect(fixture.canvas(), nullptr);
  int top = Item(5).hitRect.top;
  ASSERT_EQ(top, 165);
  Click(5);
  HRGN update = CreateRectRgn(0, 0, 0, 0);
  GetUpdateRgn(fixture.canvas(), update, FALSE);
  EXPECT_TRUE(PtInRegion(update, 150, top)) << "from the header's top";
  EXPECT_TRUE(PtInRegion(update, 150, top + 40)) << "below the header";
  EXPECT_FALSE(PtInRegion(update, 150, 27)) << "the first group's header is not repainted";
  EXPECT_FALSE(PtInRegion(update, 150, 60)) << "nor its links";
  EXPECT_FALSE(PtInRegion(update, 150, 100)) << "nor its label";
  DeleteObject(update);
}

TEST_F(TaskPaneInput, FoldingTheSecondGroupKeepsTheFirstGroupsHost) {
  UpdateWindow(fixture.canvas());
  Click(5);
  PumpMessages(20);
  RECT place;
  GetWindowRect(ui::ControlHandle(host), &place);
  MapWindowPoints(nullptr, fixture.canvas(), reinterpret_cast<POINT*>(&place), 2);
  EXPECT_EQ(place.left, 10) << "the open group's host stays in its band";
  EXPECT_EQ(place.top, 120);
  EXPECT_TRUE(IsWindowVisible(ui::ControlHandle(host)));
}

TEST(TaskPaneInputWidth, UnfoldingPastTheFrameNarrowsAndRepaintsEverything) {
  PaneFixture fixture(300, 200);
  fixture.Add(GroupHeader, 35, L"Groupe");
  fixture.Add(HostItem, 200);
  SetPaneItemState(fixture.pane(), 0, 1);
  UpdateWindow(fixture.canvas());
  ValidateRect(fixture.canvas(), nullptr);
  PaneEvents().clear();
  SendMessageW(fixture.canvas(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(150, 27));
  SendMessageW(fixture.canvas(), WM_LBUTTONUP, 0, MAKELPARAM(150, 27));
  const int scrollBar = GetSystemMetrics(SM_CXVSCROLL);
  EXPECT_EQ(ScrollInnerWidth(fixture.pane()), 300 - scrollBar) << "taller than the frame: narrower canvas";
  ASSERT_EQ(PaneEvents().size(), 2u);
  EXPECT_EQ(PaneEvents()[0].event, PaneWidthChanged);
  EXPECT_EQ(PaneEvents()[0].item, 280);
  EXPECT_EQ(PaneEvents()[0].data, 280 - scrollBar);
  EXPECT_EQ(PaneEvents()[1].event, GroupExpanded);
  RECT box;
  GetUpdateRect(fixture.canvas(), &box, FALSE);
  EXPECT_EQ(box.top, 0) << "whole canvas repainted";
  EXPECT_EQ(box.left, 0);
  EXPECT_EQ(box.right, 300 - scrollBar);
}

}  // namespace
}  // namespace controls
