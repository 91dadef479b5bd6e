#include <gtest/gtest.h>

#include <string>

#include "TaskPaneTestSupport.h"
#include "controls/PaneColors.h"
#include "controls/ScrollContainer.h"
#include "controls/TaskPaneInput.h"
#include "controls/TaskPaneLayout.h"
#include "ui/ControlColors.h"
#include "ui/ChildList.h"
#include "ui/Controls.h"
#include "ui/Objects.h"

namespace controls {
namespace {

using controlstest::PaneEvents;
using controlstest::PaneFixture;

class TaskPaneOperations : public testing::Test {
 protected:
  PaneFixture fixture{300, 400};
  int pane = fixture.pane();
};

TEST_F(TaskPaneOperations, CreationPublishesStateAndCommandTable) {
  ASSERT_GT(pane, 0) << "a fresh number for -1";
  HWND frame = fixture.frame();
  ASSERT_NE(frame, nullptr);
  TaskPaneState* state = PaneStateOf(frame);
  ASSERT_NE(state, nullptr) << "state under nxEXPLORERBAR_PROP";
  EXPECT_EQ(GetPropW(frame, kPaneCommandsProperty), &SharedPaneCommandTable()) << "table under nx_GadgetCommandsVT";
  EXPECT_EQ(state->frame, pane);
  EXPECT_EQ(state->itemCount, 0);
  EXPECT_EQ(state->hotItem, -1);
  EXPECT_EQ(state->ownerCallback, &controlstest::RecordPaneEvent);
  EXPECT_EQ(state->canvas, ScrollCanvasOf(frame)) << "the container's canvas";
  EXPECT_EQ(GetParent(state->canvas), frame);
  EXPECT_EQ(GetWindowLongPtrW(frame, GWL_STYLE) & WS_HSCROLL, 0) << "no horizontal scroll bar";
  EXPECT_EQ(GetClassLongPtrW(state->canvas, GCLP_HCURSOR), 0) << "the pane chooses the cursor";
  EXPECT_EQ(ui::GetControlColor(pane, ui::kBackColor), 0xAE795A) << "frame background RGB(90, 121, 174)";
  EXPECT_EQ(ScrollStep(pane), 10) << "scroll step";
  EXPECT_EQ(ScrollInnerHeight(pane), 0) << "no items: canvas height 0";
  EXPECT_EQ(ScrollInnerWidth(pane), 300);
  EXPECT_NE(SharedPaneState().headerFont, nullptr);
  EXPECT_NE(SharedPaneState().itemFont, nullptr);
  EXPECT_EQ(SharedPaneState().ownerProcess, GetCurrentProcessId());
}

TEST_F(TaskPaneOperations, CreationColours) {
  const int expected[][2] = {{7, 0xFFFFFF}, {8, 0x8A5E44}, {9, 0x8A5E44}, {10, 0xF2F1EE},
                             {11, 0x000000}, {12, 0xFFFFFF}, {13, 0xCAA793}, {2, 0xAE795A}};
  for (const auto& [attribute, colour] : expected) {
    EXPECT_EQ(GetPaneColor(pane, attribute), colour) << "attribute " << attribute;
  }
  EXPECT_EQ(GetPaneColor(pane, 1), -1) << "the frame's text colour is unset";
}

TEST_F(TaskPaneOperations, ExplicitNumberGivesNonZero) {
  EXPECT_EQ(CreateTaskPane(4321, 300, 0, 100, 100, nullptr), 1) << "non-zero for a given number";
  EXPECT_EQ(PaneTypeCode(4321), 3);
  DestroyWindow(ui::ControlHandle(4321));
}

TEST_F(TaskPaneOperations, CommandTableSlots) {
  const PaneCommandTable& table = SharedPaneCommandTable();
  struct Slot {
    int slot;
    PaneCommand command;
  } const filled[] = {
      {1, reinterpret_cast<PaneCommand>(&AddPaneItem)},
      {2, reinterpret_cast<PaneCommand>(&ClearPaneItems)},
      {3, reinterpret_cast<PaneCommand>(&CountPaneItems)},
      {10, reinterpret_cast<PaneCommand>(&PaneTypeCode)},
      {15, reinterpret_cast<PaneCommand>(&GetPaneAttribute)},
      {16, reinterpret_cast<PaneCommand>(&GetPaneColor)},
      {19, reinterpret_cast<PaneCommand>(&GetPaneItemAttribute)},
      {21, reinterpret_cast<PaneCommand>(&GetPaneItemData)},
      {22, reinterpret_cast<PaneCommand>(&GetPaneItemState)},
      {23, reinterpret_cast<PaneCommand>(&GetPaneItemText)},
      {30, reinterpret_cast<PaneCommand>(&RemovePaneItem)},
      {34, reinterpret_cast<PaneCommand>(&SetPaneColor)},
      {37, reinterpret_cast<PaneCommand>(&SetPaneItemAttribute)},
      {39, reinterpret_cast<PaneCommand>(&SetPaneItemData)},
      {40, reinterpret_cast<PaneCommand>(&SetPaneItemState)},
      {41, reinterpret_cast<PaneCommand>(&SetPaneItemText)},
  };
  int filledCount = 0;
  for (const Slot& s : filled) EXPECT_EQ(table.slots[s.slot], s.command) << "slot " << s.slot;
  for (PaneCommand command : table.slots) filledCount += command != nullptr;
  EXPECT_EQ(filledCount, 16) << "every other slot is null";
}

TEST_F(TaskPaneOperations, OperationsThroughTheTable) {
  const PaneCommandTable& table = SharedPaneCommandTable();
  TaskPaneItemSpec descriptor{GroupHeader, 35, 0, nullptr};
  EXPECT_EQ(reinterpret_cast<AddItemCommand>(table.slots[kSlotAddItem])(pane, -1, L"Groupe", nullptr, &descriptor), 1);
  EXPECT_EQ(reinterpret_cast<PaneOnlyCommand>(table.slots[kSlotCountItems])(pane), 1);
  EXPECT_EQ(reinterpret_cast<PaneOnlyCommand>(table.slots[kSlotTypeCode])(pane), 3);
  EXPECT_EQ(reinterpret_cast<GetItemTextCommand>(table.slots[kSlotGetItemText])(pane, 0), L"Groupe");
  reinterpret_cast<SetItemStateCommand>(table.slots[kSlotSetItemState])(pane, 0, 1);
  EXPECT_EQ(reinterpret_cast<ItemCommand>(table.slots[kSlotGetItemState])(pane, 0), 1);
  reinterpret_cast<PaneOnlyCommand>(table.slots[kSlotClearItems])(pane);
  EXPECT_EQ(CountPaneItems(pane), 0);
}

TEST_F(TaskPaneOperations, AddingAtTheEndAndAtTheFront) {
  TaskPaneItemSpec descriptor{LinkItem, 25, 5, nullptr};
  EXPECT_EQ(AddPaneItem(pane, -1, L"premier", nullptr, &descriptor), 1) << "append to an empty pane: count 1";
  EXPECT_EQ(AddPaneItem(pane, 0, L"second", nullptr, &descriptor), 2) << "insert at 0: count 2";
  EXPECT_EQ(GetPaneItemText(pane, 0), L"second") << "the later item comes first";
  EXPECT_EQ(GetPaneItemText(pane, 1), L"premier");
  EXPECT_EQ(AddPaneItem(pane, 2, L"troisième", nullptr, &descriptor), 3) << "position itemCount appends";
  EXPECT_EQ(GetPaneItemText(pane, 2), L"troisième");
}

TEST_F(TaskPaneOperations, RefusedAdditionsLeaveThePaneUnchanged) {
  TaskPaneItemSpec descriptor{LinkItem, 25, 5, nullptr};
  ASSERT_EQ(AddPaneItem(pane, -1, L"a", nullptr, &descriptor), 1);
  TaskPaneItemSpec noKind{0, 25, 0, nullptr};
  struct Case {
    int number;
    int position;
    const TaskPaneItemSpec* descriptor;
    const char* name;
  } const cases[] = {
      {pane, 2, &descriptor, "position itemCount + 1"},
      {pane, -2, &descriptor, "position below -1"},
      {pane, -1, &noKind, "kind 0"},
      {pane, -1, nullptr, "no descriptor"},
      {pane + 1000, -1, &descriptor, "number naming no control"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AddPaneItem(c.number, c.position, L"x", nullptr, c.descriptor), 0) << c.name;
    EXPECT_EQ(CountPaneItems(pane), 1) << c.name << " adds nothing";
  }
}

TEST_F(TaskPaneOperations, NegativeHeightIsStoredAsZeroWithoutLayout) {
  SetScrollInnerWidth(pane, 123);  // a width the layout would put right
  TaskPaneItemSpec descriptor{LinkItem, -5, 0, nullptr};
  ASSERT_EQ(AddPaneItem(pane, -1, L"a", nullptr, &descriptor), 1);
  EXPECT_EQ(GetPaneItemAttribute(pane, 0, ItemHeight), 0) << "-5 stored as 0";
  EXPECT_EQ(ScrollInnerWidth(pane), 123) << "no layout ran for an item of height 0";
  descriptor.height = 10;
  AddPaneItem(pane, -1, L"b", nullptr, &descriptor);
  EXPECT_EQ(ScrollInnerWidth(pane), 300) << "an item with a height runs the layout";
  ASSERT_FALSE(PaneEvents().empty());
  EXPECT_EQ(PaneEvents().back().event, PaneWidthChanged);
}

TEST_F(TaskPaneOperations, HostItemReturnsItsContainer) {
  TaskPaneItemSpec link{LinkItem, 25, 5, nullptr};
  AddPaneItem(pane, -1, L"a", nullptr, &link);
  TaskPaneItemSpec host{HostItem, 30, 0, nullptr};
  int container = AddPaneItem(pane, -1, L"", nullptr, &host);
  ASSERT_NE(container, 0);
  EXPECT_NE(container, 2) << "not the count";
  HWND window = ui::ControlHandle(container);
  ASSERT_NE(window, nullptr) << "the number names the container";
  EXPECT_EQ(GetParent(window), fixture.canvas()) << "inside the canvas";
  EXPECT_TRUE(GetWindowLongPtrW(window, GWL_STYLE) & WS_CLIPCHILDREN);
  EXPECT_EQ(ui::GetControlColor(container, ui::kBackColor), GetPaneColor(pane, kGroupBodyColor))
      << "background in the group body colour";
  EXPECT_EQ(GetPaneItemAttribute(pane, 1, ItemHost), container);
  EXPECT_EQ(GetPaneItemAttribute(pane, 0, ItemHost), 0) << "a link has no host";
  EXPECT_EQ(GetPaneItemAttribute(pane, 1, ItemKind), HostItem);
  EXPECT_EQ(GetPaneItemAttribute(pane, 1, 4), 0) << "unknown attribute";
  EXPECT_EQ(GetPaneItemAttribute(pane, 2, ItemHeight), 0) << "invalid index";
  // Controls created while the container's list is open go into it.
  HWND edit = nullptr;
  {
    ui::ChildList inContainer(container);
    edit = ui::CreateEditField(ui::kNewNumber, 5, 5, 100, 20, L"");
  }
  EXPECT_EQ(GetParent(edit), window);
}

TEST_F(TaskPaneOperations, StateAndDataByKind) {
  struct Case {
    int kind;
    bool folds;
  } const cases[] = {{GroupHeader, true}, {FixedHeader, false}, {LinkItem, false}, {LabelItem, false},
                     {SeparatorItem, false}, {HostItem, false}};
  for (const Case& c : cases) {
    ClearPaneItems(pane);
    PaneEvents().clear();
    TaskPaneItemSpec descriptor{c.kind, 20, 0, nullptr};
    AddPaneItem(pane, -1, L"x", nullptr, &descriptor);
    SetPaneItemData(pane, 0, 42);
    EXPECT_EQ(GetPaneItemData(pane, 0), c.folds ? 42 : 0) << "kind " << c.kind << ": data shown for group headers only";
    SetPaneItemState(pane, 0, 1);
    EXPECT_EQ(GetPaneItemState(pane, 0), c.folds ? 1 : 0) << "kind " << c.kind;
    EXPECT_EQ(PaneEvents().size(), c.folds ? 1u : 0u) << "kind " << c.kind << ": one event for a header fold";
  }
}

TEST_F(TaskPaneOperations, SetItemStateSendsOneEventPerChange) {
  fixture.Add(GroupHeader, 35, L"g");
  fixture.Add(LinkItem, 25, L"l");
  PaneEvents().clear();
  SetPaneItemState(pane, 0, 1);
  ASSERT_EQ(PaneEvents().size(), 1u);
  EXPECT_EQ(PaneEvents()[0].event, GroupCollapsed);
  EXPECT_EQ(PaneEvents()[0].item, 0) << "header index";
  EXPECT_EQ(PaneEvents()[0].data, 0);
  EXPECT_EQ(PaneEvents()[0].pane, pane);
  SetPaneItemState(pane, 0, 1);
  EXPECT_EQ(PaneEvents().size(), 1u) << "the stored value again: no event";
  SetPaneItemState(pane, 0, 2);
  EXPECT_EQ(GetPaneItemState(pane, 0), 1) << "2 is not a state";
  SetPaneItemState(pane, 0, 0);
  ASSERT_EQ(PaneEvents().size(), 2u);
  EXPECT_EQ(PaneEvents()[1].event, GroupExpanded);
  EXPECT_EQ(ScrollInnerHeight(pane), 35 + 25 + 20) << "unfolded: layout ran";
}

TEST_F(TaskPaneOperations, ColoursSetAndDefaults) {
  TaskPaneItemSpec host{HostItem, 30, 0, nullptr};
  int container = AddPaneItem(pane, -1, L"", nullptr, &host);
  SetPaneColor(pane, kHeaderTextColor, -1);
  EXPECT_EQ(GetPaneColor(pane, kHeaderTextColor), 0xB3120A) << "default, not the creation value";
  SetPaneColor(pane, kGroupBodyColor, 0x123456);
  EXPECT_EQ(GetPaneColor(pane, kGroupBodyColor), 0x123456);
  EXPECT_EQ(ui::GetControlColor(container, ui::kBackColor), 0x123456) << "hosts follow the group body colour";
  SetPaneColor(pane, kGroupBodyColor, -1);
  EXPECT_EQ(GetPaneColor(pane, kGroupBodyColor), 0xF7DFD6);
  SetPaneColor(pane, kPaneBackground, -1);
  EXPECT_EQ(GetPaneColor(pane, kPaneBackground), 0xFD8782) << "frame background default";
  EXPECT_EQ(ui::GetControlColor(pane, ui::kBackColor), 0xFD8782) << "set on the frame control";
  SetPaneColor(pane, ui::kFrontColor, 0x00FF00);
  EXPECT_EQ(ui::GetControlColor(pane, ui::kFrontColor), 0x00FF00) << "other attributes go to the frame";
  const int defaults[][2] = {{7, 0xFFFFFF}, {10, 0xC43507}, {11, 0}, {12, 0xFFFFFF}, {13, 0xFCB8A0}};
  for (const auto& [attribute, colour] : defaults) {
    SetPaneColor(pane, attribute, -1);
    EXPECT_EQ(GetPaneColor(pane, attribute), colour) << "default of attribute " << attribute;
  }
}

TEST_F(TaskPaneOperations, Attributes) {
  EXPECT_EQ(GetPaneAttribute(pane, ContentWidth), 280) << "canvas 300 - 20";
  EXPECT_EQ(GetPaneAttribute(pane, PaneMargin), 10);
  EXPECT_EQ(GetPaneAttribute(pane, GroupGap), 15);
  EXPECT_EQ(GetPaneAttribute(pane, 4), 0);
  EXPECT_EQ(GetPaneAttribute(pane + 1000, PaneMargin), 0) << "not a pane";
}

TEST_F(TaskPaneOperations, OrdinaryControlsAreNoPanes) {
  HWND edit = ui::CreateEditField(ui::kNewNumber, 310, 5, 100, 20, L"");
  int number = GetDlgCtrlID(edit);
  TaskPaneItemSpec descriptor{LinkItem, 25, 5, nullptr};
  EXPECT_EQ(PaneTypeCode(number), 0);
  EXPECT_EQ(AddControlItem(number, -1, L"x", nullptr, &descriptor), 0) << "no command table: nothing added";
  EXPECT_EQ(CountPaneItems(number), 0);
  EXPECT_EQ(GetPaneColor(number, kHeaderTextColor), 0);
  EXPECT_EQ(GetPaneItemText(number, 0), L"");
  EXPECT_EQ(AddControlItem(pane, -1, L"x", nullptr, &descriptor), 1) << "on a pane: through slot 1";
}

TEST_F(TaskPaneOperations, ItemText) {
  fixture.Add(LinkItem, 25, L"avant");
  SetPaneItemText(pane, 0, L"après");
  EXPECT_EQ(GetPaneItemText(pane, 0), L"après") << "text replaced";
  EXPECT_EQ(GetPaneItemText(pane, 1), L"") << "invalid index: empty text";
  EXPECT_EQ(GetPaneItemText(pane, -1), L"");
  SetPaneItemText(pane, 3, L"ignoré");
  EXPECT_EQ(CountPaneItems(pane), 1);
}

TEST_F(TaskPaneOperations, ItemHeightChangeRunsTheLayout) {
  fixture.Add(GroupHeader, 35, L"g");
  EXPECT_EQ(ScrollInnerHeight(pane), 55);
  SetPaneItemAttribute(pane, 0, ItemHeight, 50);
  EXPECT_EQ(ScrollInnerHeight(pane), 70) << "canvas follows the new height";
  SetPaneItemAttribute(pane, 0, ItemHeight, -1);
  EXPECT_EQ(GetPaneItemAttribute(pane, 0, ItemHeight), 50) << "negative refused";
  SetPaneItemAttribute(pane, 0, ItemKind, LinkItem);
  EXPECT_EQ(GetPaneItemAttribute(pane, 0, ItemKind), GroupHeader) << "only the height can be set";
}

TEST_F(TaskPaneOperations, RemovingClosesTheGapAndDestroysTheHost) {
  fixture.Add(GroupHeader, 35, L"g");
  int container = fixture.Add(HostItem, 30);
  fixture.Add(LinkItem, 25, L"l");
  HWND host = ui::ControlHandle(container);
  ASSERT_NE(host, nullptr);
  RemovePaneItem(pane, 1);
  EXPECT_EQ(CountPaneItems(pane), 2);
  EXPECT_FALSE(IsWindow(host)) << "host container destroyed with its item";
  EXPECT_EQ(GetPaneItemText(pane, 1), L"l") << "later items move down";
  EXPECT_EQ(ScrollInnerHeight(pane), 35 + 25 + 20) << "layout ran";
  RemovePaneItem(pane, 5);
  EXPECT_EQ(CountPaneItems(pane), 2) << "invalid index removes nothing";
  ClearPaneItems(pane);
  EXPECT_EQ(CountPaneItems(pane), 0);
  EXPECT_EQ(ScrollInnerHeight(pane), 0);
}

TEST_F(TaskPaneOperations, RemovingForgetsHotAndPressedItems) {
  fixture.Add(GroupHeader, 35, L"g");
  fixture.Add(LinkItem, 25, L"l");
  fixture.Add(LinkItem, 25, L"m");
  fixture.state().hotItem = 2;
  SharedPaneState().pressedItem = 2;
  RemovePaneItem(pane, 0);
  EXPECT_EQ(fixture.state().hotItem, -1) << "index 2 no longer exists";
  EXPECT_EQ(SharedPaneState().pressedItem, -1);
  fixture.state().hotItem = 1;
  SharedPaneState().pressedItem = 1;
  ClearPaneItems(pane);
  EXPECT_EQ(fixture.state().hotItem, -1);
  EXPECT_EQ(SharedPaneState().pressedItem, -1);
}

TEST_F(TaskPaneOperations, DestroyingThePaneReleasesEverything) {
  int livePanes = SharedPaneState().livePanes;
  ASSERT_GE(livePanes, 1);
  ASSERT_NE(SharedPaneState().hoverTimer, 0u) << "timer runs while a pane lives";
  int container = fixture.Add(HostItem, 30);
  HWND host = ui::ControlHandle(container);
  SharedPaneState().hotCanvas = fixture.canvas();
  DestroyWindow(fixture.frame());
  EXPECT_FALSE(IsWindow(host));
  EXPECT_EQ(SharedPaneState().livePanes, livePanes - 1);
  EXPECT_EQ(SharedPaneState().hotCanvas, kNoHotCanvas) << "this pane's canvas is no longer hot";
  if (livePanes == 1) {
    EXPECT_EQ(SharedPaneState().hoverTimer, 0u) << "last pane stops the timer";
  }
  EXPECT_EQ(CountPaneItems(pane), 0) << "the number no longer names a pane";
}

TEST(TaskPaneMainWindow, Heights) {
  PaneFixture main(300, 633);
  controlstest::FillLikeMainWindow(main, nullptr, nullptr);
  const int scrollBar = GetSystemMetrics(SM_CXVSCROLL);
  EXPECT_EQ(ScrollInnerHeight(main.pane()), 638) << "115 + 15 + 488 + 20";
  EXPECT_EQ(ScrollInnerWidth(main.pane()), 300 - scrollBar) << "content taller than 633: room for the bar";
  EXPECT_EQ(GetPaneAttribute(main.pane(), ContentWidth), 280 - scrollBar);
  ASSERT_FALSE(PaneEvents().empty());
  EXPECT_EQ(PaneEvents().back().event, PaneWidthChanged);
  EXPECT_EQ(PaneEvents().back().item, 280) << "previous content width";
  EXPECT_EQ(PaneEvents().back().data, 280 - scrollBar) << "new content width";

  PaneEvents().clear();
  SetPaneItemState(main.pane(), 0, 1);
  EXPECT_EQ(ScrollInnerHeight(main.pane()), 558) << "first group folded: 35 + 15 + 488 + 20";
  EXPECT_EQ(ScrollInnerWidth(main.pane()), 300) << "fits again: full width";
  ASSERT_EQ(PaneEvents().size(), 2u) << "width change then the fold";
  EXPECT_EQ(PaneEvents()[0].event, PaneWidthChanged);
  EXPECT_EQ(PaneEvents()[0].item, 280 - scrollBar);
  EXPECT_EQ(PaneEvents()[0].data, 280);
  EXPECT_EQ(PaneEvents()[1].event, GroupCollapsed);
  EXPECT_EQ(PaneEvents()[1].item, 0);
}

TEST(TaskPaneMainWindow, SecondGroupCarriesTheLeftOverCommand) {
  PaneFixture main(300, 633);
  controlstest::FillLikeMainWindow(main, nullptr, nullptr);
  const TaskPaneItem* header = PaneItemOf(main.state(), 4);
  ASSERT_NE(header, nullptr);
  EXPECT_EQ(header->commandId, 6) << "the reused descriptor's command, unused by headers";
  EXPECT_EQ(PaneItemOf(main.state(), 2)->commandId, 5);
}

}  // namespace
}  // namespace controls
