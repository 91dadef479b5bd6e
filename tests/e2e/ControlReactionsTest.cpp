// End-to-end tests of how the main window's own controls react in the real program: the mode boxes and their
// panels, the remove-only box, typing into the type field and the count fields, the option buttons, and the
// popup menus of a right click.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "base/Numbers.h"
#include "e2e/Driver.h"
#include "e2e/ProgramFixtures.h"
#include "e2e/Requesters.h"
#include "e2e/ScratchFolder.h"
#include "e2e/UserFolders.h"

namespace e2e {

namespace {

using namespace base;  // the program's control and command numbers

constexpr std::array<int, 3> kModeBoxes = {kReplaceModeBox, kRenumberModeBox, kAppendModeBox};
constexpr std::array<int, 3> kModePanels = {kReplacePanel, kRenumberPanel, kAppendPanel};
// The append panel's separator box: no test of this file looks at it, so it serves as the marker that tells when
// the program has caught up with the input posted to it.
constexpr int kMarkerBox = base::kAppendSeparatorBox;

using Ticks = std::array<bool, 3>;

std::string Describe(const Ticks& ticks) {
  std::string text;
  for (size_t i = 0; i < ticks.size(); ++i) text += std::to_string(kModeBoxes[i]) + (ticks[i] ? "=x " : "=_ ");
  return text;
}

class ControlReactionsTest : public FreshRunTest {
 protected:
  HWND ControlOf(int number) { return Program().Control(number); }

  testing::AssertionResult CaughtUp() { return WaitForPostedInput(ControlOf(kMarkerBox)); }

  Ticks ModeTicks() {
    Ticks ticks{};
    for (size_t i = 0; i < ticks.size(); ++i) ticks[i] = IsTicked(ControlOf(kModeBoxes[i]));
    return ticks;
  }

  // The panels on show, by number.
  std::vector<int> ShownPanels() {
    std::vector<int> shown;
    for (int panel : kModePanels) {
      if (IsWindowVisible(ControlOf(panel))) shown.push_back(panel);
    }
    return shown;
  }

  // Back to the state at start (box 14 alone ticked, the replace panel alone on show) by the program's own
  // reaction: a click that ticks box 14 leaves it the only one.
  testing::AssertionResult BackToReplaceMode() {
    HWND replaceBox = ControlOf(kModeBoxes[0]);
    if (IsTicked(replaceBox)) Click(replaceBox);
    Click(replaceBox);
    testing::AssertionResult caughtUp = CaughtUp();
    if (!caughtUp) return caughtUp;
    if (ModeTicks() == Ticks{true, false, false} && ShownPanels() == std::vector<int>{kModePanels[0]}) {
      return testing::AssertionSuccess();
    }
    return testing::AssertionFailure() << "a click that ticks box 14 leaves " << Describe(ModeTicks());
  }

  // Right-clicks the list at the middle of a row's name, or below its rows when row is -1.
  void RightClickList(HWND list, int row) {
    POINT at{};
    RECT place{};
    if (row >= 0 && ListRowNamePlace(list, row, &place)) {
      at = {(place.left + place.right) / 2, (place.top + place.bottom) / 2};
    } else {
      RECT client{};
      GetClientRect(list, &client);
      at = {20, client.bottom - 5};
    }
    RightClickAt(list, at);
  }
};

struct ModeCase {
  const char* name;
  Ticks ticksBefore;  // set without clicks, so that the program does not react to them
  std::vector<int> clicks;
  Ticks ticksAfter;
  int panelAfter;
};

TEST_F(ControlReactionsTest, ModeBoxClicksTickOneBoxAndShowItsPanel) {
  const ModeCase cases[] = {
      {"renumber while replace is ticked", {true, false, false}, {15}, {false, true, false}, 24},
      {"append while replace is ticked", {true, false, false}, {16}, {false, false, true}, 33},
      {"the only ticked box: none ticked, its panel stays", {true, false, false}, {14}, {false, false, false}, 18},
      {"renumber, then renumber again", {true, false, false}, {15, 15}, {false, false, false}, 24},
      {"append, then renumber", {true, false, false}, {16, 15}, {false, true, false}, 24},
      {"renumber, append, then replace", {true, false, false}, {15, 16, 14}, {true, false, false}, 18},
      {"14 and 15 ticked, a click ticks 16", {true, true, false}, {16}, {false, false, true}, 33},
      {"14 and 15 ticked, a click unticks 14", {true, true, false}, {14}, {false, true, false}, 24},
      {"15 and 16 ticked, a click unticks 15", {false, true, true}, {15}, {false, false, true}, 33},
      {"14 and 16 ticked, a click ticks 15", {true, false, true}, {15}, {false, true, false}, 24},
  };
  for (const ModeCase& mode : cases) {
    SCOPED_TRACE(mode.name);
    ASSERT_TRUE(BackToReplaceMode());
    for (size_t i = 0; i < kModeBoxes.size(); ++i) {
      ASSERT_TRUE(SetTickWithoutClick(ControlOf(kModeBoxes[i]), mode.ticksBefore[i])) << "box " << kModeBoxes[i];
    }
    for (int box : mode.clicks) Click(ControlOf(box));
    ASSERT_TRUE(CaughtUp());
    EXPECT_EQ(ModeTicks(), mode.ticksAfter) << "ticks afterwards: " << Describe(ModeTicks()) << "instead of "
                                            << Describe(mode.ticksAfter);
    EXPECT_EQ(ShownPanels(), std::vector<int>{mode.panelAfter}) << "panels on show afterwards";
  }
}

TEST_F(ControlReactionsTest, SwitchingModesKeepsWhatThePanelsFieldsHold) {
  struct FieldText {
    int field;
    const wchar_t* text;
  };
  const FieldText texts[] = {{20, L"IMG_"}, {22, L"vacances "}, {26, L"Été 2024"},
                             {28, L"5"},    {35, L"copie"},     {41, L"12"}};
  for (const FieldText& entry : texts) ASSERT_TRUE(SetText(ControlOf(entry.field), entry.text));
  for (int box : {15, 16, 14, 16, 16}) Click(ControlOf(box));
  ASSERT_TRUE(CaughtUp());
  for (const FieldText& entry : texts) {
    EXPECT_EQ(Text(ControlOf(entry.field)), entry.text) << "field " << entry.field << " after switching modes";
  }
}

TEST_F(ControlReactionsTest, RemoveOnlyBoxHidesAndEmptiesTheReplacementFieldAndRelabelsIt) {
  HWND field = ControlOf(kReplacementField);
  HWND label = ControlOf(kReplacementLabel);
  HWND box = ControlOf(kRemoveOnlyBox);
  ASSERT_TRUE(SetText(field, L"nouveau")) << "the test types a replacement";

  Click(box);
  ASSERT_TRUE(CaughtUp());
  EXPECT_TRUE(IsTicked(box)) << "the remove-only box after one click";
  EXPECT_FALSE(IsWindowVisible(field)) << "the replacement field is hidden";
  EXPECT_EQ(Text(field), L"") << "the replacement field is emptied";
  EXPECT_EQ(Text(label), L"par rien") << "the label beside it";

  Click(box);
  ASSERT_TRUE(CaughtUp());
  EXPECT_FALSE(IsTicked(box)) << "the remove-only box after a second click";
  EXPECT_TRUE(IsWindowVisible(field)) << "the replacement field shows again";
  EXPECT_EQ(Text(field), L"") << "the replacement field stays empty";
  EXPECT_EQ(Text(label), L"Par ces caractères :") << "the label beside it";
}

TEST_F(ControlReactionsTest, SelectingOneOptionButtonClearsTheOther) {
  Click(ControlOf(16));
  ASSERT_TRUE(CaughtUp());
  HWND atStart = ControlOf(kAtStartOption);
  HWND atEnd = ControlOf(kAtEndOption);
  ASSERT_TRUE(IsWindowVisible(atStart)) << "the append panel shows its option buttons";

  Click(atStart);
  ASSERT_TRUE(CaughtUp());
  EXPECT_TRUE(IsTicked(atStart)) << "\"Ajouter au début\" after a click on it";
  EXPECT_FALSE(IsTicked(atEnd)) << "\"Ajouter à la fin\" after a click on \"Ajouter au début\"";

  Click(atEnd);
  ASSERT_TRUE(CaughtUp());
  EXPECT_TRUE(IsTicked(atEnd)) << "\"Ajouter à la fin\" after a click on it";
  EXPECT_FALSE(IsTicked(atStart)) << "\"Ajouter au début\" after a click on \"Ajouter à la fin\"";
}

TEST_F(ControlReactionsTest, LettersTypedIntoTheTypeFieldShowInUpperCase) {
  struct TypingCase {
    const wchar_t* typed;
    const wchar_t* shown;
  };
  const TypingCase cases[] = {{L"jpg", L"JPG"}, {L"Mp4", L"MP4"}, {L"tiff", L"TIFF"}, {L"été", L"ÉTÉ"}};
  HWND field = ControlOf(kTypeField);
  ASSERT_NE(field, nullptr) << "type field, control 4";
  HWND edit = ComboEditField(field);
  ASSERT_NE(edit, nullptr) << "the type field's edit part";
  for (const TypingCase& typing : cases) {
    ASSERT_TRUE(SetText(edit, L"")) << "the test empties the type field";
    TypeText(edit, typing.typed);
    ASSERT_TRUE(CaughtUp());
    EXPECT_EQ(Text(field), typing.shown) << "after typing \"" << typing.typed << "\"";
  }
}

TEST_F(ControlReactionsTest, CountFieldsRefuseLettersAndTakeDigits) {
  for (int number : {28, 30, 39, 41}) {
    SCOPED_TRACE(testing::Message() << "count field " << number);
    HWND field = ControlOf(number);
    ASSERT_NE(field, nullptr) << "the field exists";
    MoveCaretToEnd(field);
    TypeText(field, L"aZé-+.,x");
    ASSERT_TRUE(CaughtUp());
    EXPECT_EQ(Text(field), L"1") << "after typing letters and signs";
    TypeText(field, L"09");
    ASSERT_TRUE(CaughtUp());
    EXPECT_EQ(Text(field), L"109") << "after typing digits";
  }
}

TEST_F(ControlReactionsTest, RightClickOnASelectedEntryOpensThatControlsMenuAtThePointer) {
  ScratchFolder entries(ShellFolderPath(CSIDL_PERSONAL));
  entries.MakeFile(L"photo.jpg", "jpeg");
  HWND explorer = ControlOf(kExplorer);
  HWND fileList = ControlOf(kFileList);
  ASSERT_NE(explorer, nullptr) << "explorer control, control 8";
  ASSERT_NE(fileList, nullptr) << "file list, control 10";
  // The file list gets its row through "Ajouter un répertoire complet".
  ASSERT_TRUE(SetText(ComboEditField(ControlOf(kTypeField)), L"JPG"));
  PostMessageW(Window(), WM_COMMAND, MAKEWPARAM(kAddFolderCommand, 0), 0);
  HWND requester = nullptr;
  ASSERT_TRUE(WaitForFolderRequester(Program().ProcessId(), &requester));
  ASSERT_TRUE(ChooseFolder(requester, entries.Path()));
  ASSERT_TRUE(WaitUntil([&] { return ListRowCount(fileList) == 1; }, kReactionLimit)) << "a row for the file list";

  struct MenuCase {
    const char* name;
    HWND list;
  };
  const MenuCase cases[] = {{"explorer control", explorer}, {"file list", fileList}};
  LONG menuHeights[2] = {};
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(cases[i].name);
    ASSERT_GT(ListRowCount(cases[i].list), 0) << "the list has a row";
    ASSERT_TRUE(SelectListRow(cases[i].list, 0, true)) << "the test selects the first row";
    RightClickList(cases[i].list, 0);
    HWND menu = nullptr;
    ASSERT_TRUE(WaitForPopupMenu(Program().ProcessId(), &menu));
    POINT pointer{};
    GetCursorPos(&pointer);
    RECT place{};
    GetWindowRect(menu, &place);
    EXPECT_EQ(place.left, pointer.x) << "the menu's left edge is at the pointer";
    EXPECT_EQ(place.top, pointer.y) << "the menu's top edge is at the pointer";
    menuHeights[i] = place.bottom - place.top;
    ASSERT_TRUE(ClosePopupMenus(Program().ProcessId()));
    // The list view tells a right click twice (NM_RCLICK, then WM_CONTEXTMENU with the pointer's place).
    EXPECT_FALSE(WaitUntil([&] { return !PopupMenusOf(Program().ProcessId()).empty(); }, Milliseconds(1000)))
        << "a second menu opened after the first was closed";
    ClosePopupMenus(Program().ProcessId());
  }
  // The explorer menu has two entries and a separator, the list menu five entries and two separators.
  EXPECT_LT(menuHeights[0], menuHeights[1]) << "the explorer control's menu is shorter than the file list's";
}

TEST_F(ControlReactionsTest, RightClickWithNothingSelectedOpensNoMenu) {
  struct NoMenuCase {
    const char* name;
    int list;
  };
  const NoMenuCase cases[] = {{"explorer control", kExplorer}, {"empty file list", kFileList}};
  for (const NoMenuCase& noMenu : cases) {
    SCOPED_TRACE(noMenu.name);
    HWND list = ControlOf(noMenu.list);
    ASSERT_NE(list, nullptr) << "the list exists";
    ASSERT_TRUE(SelectListRow(list, -1, false)) << "the test deselects every row";
    RightClickList(list, -1);
    ASSERT_TRUE(CaughtUp());
    EXPECT_TRUE(SelectedListRows(list).empty()) << "the click fell beside the rows";
    EXPECT_TRUE(PopupMenusOf(Program().ProcessId()).empty()) << "a popup menu opened";
    ClosePopupMenus(Program().ProcessId());
  }
}

}  // namespace

}  // namespace e2e
