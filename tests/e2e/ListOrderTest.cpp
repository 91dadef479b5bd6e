// End-to-end tests of the file list's order, on real files in the user's Documents folder: a real mouse click on a
// column header sorts the rows as Windows Explorer orders names and a second one turns them round, the header's
// arrow saying which; the popup entries do the same from the keyboard; the marks follow their rows; rows added later
// go to the end; and a renumbering pass numbers the files in the order on screen.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "base/Numbers.h"
#include "e2e/Driver.h"
#include "e2e/FileListFixture.h"
#include "e2e/ListFilling.h"
#include "e2e/RemoteBuffer.h"
#include "e2e/ScratchFolder.h"
#include "e2e/Screenshot.h"

namespace e2e {

namespace {

using namespace base;  // the program's control and command numbers

constexpr int kNameColumn = 0;
constexpr int kPathColumn = 1;

std::string Ascii(std::wstring_view text) {
  std::string narrow;
  for (wchar_t c : text) narrow += static_cast<char>(c);
  return narrow;
}

class ListOrderTest : public FileListFixture {
 protected:
  HWND Control(int number) { return Program().Control(number); }

  // The arrow on a column's heading: 1 up, -1 down, 0 none.
  int Arrow(int column) {
    int format = ColumnHeadingFormat(list_, column);
    EXPECT_NE(format, -1) << "heading " << column << " of the file list";
    if (format == -1) return 0;
    if (format & HDF_SORTUP) return (format & HDF_SORTDOWN) ? 2 : 1;
    return (format & HDF_SORTDOWN) ? -1 : 0;
  }
  std::vector<int> Arrows() {
    std::vector<int> arrows;
    for (int column = 0; column < static_cast<int>(ListColumnTitles(list_).size()); ++column) {
      arrows.push_back(Arrow(column));
    }
    return arrows;
  }

  void ListFiles(const std::wstring& folder, const Names& names) {
    ASSERT_TRUE(ChooseType(Program(), L"JPG"));
    ASSERT_TRUE(AddFilesThroughRequester(Program(), folder, names));
  }

  // A person's click on the middle of a row's name.
  void ClickRow(int row) {
    RECT place{};
    ASSERT_TRUE(ListRowNamePlace(list_, row, &place)) << "row " << row;
    ASSERT_TRUE(RealClickAt(list_, {(place.left + place.right) / 2, (place.top + place.bottom) / 2}));
    ASSERT_TRUE(WaitUntil([&] { return SelectedListRows(list_) == std::vector<int>{row}; }, kReactionLimit))
        << "the click selects row " << row;
  }

  // The list's popup menu from the keyboard, then its entry `upPresses` up from the bottom; a screenshot of the
  // menu when named.
  void ChooseFromMenuByKeys(int upPresses, const std::string& shot = {}) {
    ASSERT_TRUE(GiveFocus(list_));
    ASSERT_TRUE(PressRealKeys(list_, {VK_SHIFT, VK_F10}));
    HWND menu = nullptr;
    ASSERT_TRUE(WaitForPopupMenu(Program().ProcessId(), &menu)) << "Shift+F10 opens the list's menu";
    for (int press = 0; press < upPresses; ++press) ASSERT_TRUE(PressRealKeys(list_, {VK_UP}));
    if (!shot.empty()) {
      EXPECT_TRUE(SaveScreenshot(shot));
    }
    ASSERT_TRUE(PressRealKeys(list_, {VK_RETURN}));
    ASSERT_TRUE(WaitUntilGone(menu));
  }

  testing::AssertionResult WaitForArrows(const std::vector<int>& arrows) {
    if (WaitUntil([&] { return Arrows() == arrows; }, kReactionLimit)) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "the headings show the arrows " << testing::PrintToString(Arrows())
                                       << " instead of " << testing::PrintToString(arrows);
  }

  // The whole of the mouse test, at any scale: returns after the list is sorted by name, ascending.
  void SortByNameWithTheMouse(const std::string& shot);
};

void ListOrderTest::SortByNameWithTheMouse(const std::string& shot) {
  MakeFiles({L"photo 10.jpg", L"photo 2.jpg", L"Photo 1.jpg"});
  ListFiles(Folder(), {L"photo 10.jpg", L"photo 2.jpg", L"Photo 1.jpg"});
  ASSERT_TRUE(WaitForRows({L"photo 10.jpg", L"photo 2.jpg", L"Photo 1.jpg"})) << "rows come in the order added";
  ASSERT_TRUE(WaitForArrows({0, 0})) << "no arrow before a sort";
  ClickRow(0);

  ASSERT_TRUE(ClickColumnHeadingForReal(list_, kNameColumn));
  ASSERT_TRUE(WaitForRows({L"Photo 1.jpg", L"photo 2.jpg", L"photo 10.jpg"})) << "numbers as numbers, case aside";
  EXPECT_TRUE(WaitForArrows({1, 0})) << "the arrow up on \"Nom\" alone";
  EXPECT_EQ(RowPaths(), (Names{PathOf(L"Photo 1.jpg"), PathOf(L"photo 2.jpg"), PathOf(L"photo 10.jpg")}))
      << "each row keeps its own path";
  EXPECT_EQ(SelectedListRows(list_), std::vector<int>{2}) << "the selection went with \"photo 10.jpg\"";
  EXPECT_EQ(FocusedListRow(list_), 2) << "so did the focus";
  EXPECT_EQ(Header(), L"Nom ( 3 éléments )");
  EXPECT_TRUE(SaveWindowScreenshot(shot, Window()));
}

TEST_F(ListOrderTest, ClicksOnTheHeadersSortTurnRoundAndMoveTheArrowWhileRowsAddedLaterGoToTheEnd) {
  SortByNameWithTheMouse("list-sorted-by-name-96dpi");
  if (HasFatalFailure()) return;

  ASSERT_TRUE(ClickColumnHeadingForReal(list_, kNameColumn));
  ASSERT_TRUE(WaitForRows({L"photo 10.jpg", L"photo 2.jpg", L"Photo 1.jpg"})) << "a second click turns the order round";
  EXPECT_TRUE(WaitForArrows({-1, 0})) << "the arrow down";
  EXPECT_EQ(SelectedListRows(list_), std::vector<int>{0}) << "the selection still with \"photo 10.jpg\"";

  ASSERT_TRUE(ClickColumnHeadingForReal(list_, kPathColumn));
  ASSERT_TRUE(WaitForRows({L"Photo 1.jpg", L"photo 2.jpg", L"photo 10.jpg"})) << "one folder: its names decide";
  EXPECT_TRUE(WaitForArrows({0, 1})) << "the arrow moves to \"Chemin complet\", up";

  // Removing keeps the order and the arrow.
  ASSERT_TRUE(SelectListRow(list_, -1, false));
  ASSERT_TRUE(SelectListRow(list_, 1, true));
  Command(kListRemove);
  ASSERT_TRUE(WaitForRows({L"Photo 1.jpg", L"photo 10.jpg"}));
  ASSERT_TRUE(CaughtUp());
  EXPECT_EQ(Arrows(), (std::vector<int>{0, 1})) << "the rows left are still in order";

  // A row added later goes to the end, and the list is no longer in order: no arrow.
  MakeFiles({L"photo 3.jpg"});
  ListFiles(Folder(), {L"photo 3.jpg"});
  ASSERT_TRUE(WaitForRows({L"Photo 1.jpg", L"photo 10.jpg", L"photo 3.jpg"}));
  EXPECT_TRUE(WaitForArrows({0, 0}));

  // With no arrow, the same header sorts up again rather than turning round.
  ASSERT_TRUE(ClickColumnHeadingForReal(list_, kPathColumn));
  ASSERT_TRUE(WaitForRows({L"Photo 1.jpg", L"photo 3.jpg", L"photo 10.jpg"}));
  EXPECT_TRUE(WaitForArrows({0, 1}));
}

// A column put between the two, as the program may show one: each header still sorts by what it shows, the new
// one by nothing, and the arrow stays on the right header.
TEST_F(ListOrderTest, AColumnInsertedBetweenTheTwoLeavesEachHeaderWithItsOwnOrder) {
  MakeFiles({L"b 10.jpg", L"b 9.jpg", L"a.jpg"});
  ListFiles(Folder(), {L"b 10.jpg", L"b 9.jpg", L"a.jpg"});
  ASSERT_TRUE(ClickColumnHeadingForReal(list_, kNameColumn));
  ASSERT_TRUE(WaitForRows({L"a.jpg", L"b 9.jpg", L"b 10.jpg"}));

  const std::wstring title = L"Essai";
  RemoteBuffer remote(list_, sizeof(LVCOLUMNW) + (title.size() + 1) * sizeof(wchar_t));
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  column.cx = 80;
  column.iSubItem = 2;
  column.pszText = reinterpret_cast<wchar_t*>(remote.Address(sizeof(LVCOLUMNW)));
  ASSERT_TRUE(remote.Ok() && remote.Write(0, &column, sizeof(column)) &&
              remote.Write(sizeof(LVCOLUMNW), title.c_str(), (title.size() + 1) * sizeof(wchar_t)));
  ASSERT_EQ(SendWithLimit(list_, LVM_INSERTCOLUMNW, 1, remote.AsParameter()), 1) << "a column at place 1";
  ASSERT_EQ(ListColumnTitles(list_).size(), 3u);
  EXPECT_TRUE(WaitForArrows({1, 0, 0})) << "the arrow stays on \"Nom\"";

  ASSERT_TRUE(ClickColumnHeadingForReal(list_, 1));
  // A click is input, handled after posted messages: only time tells that nothing came of it.
  EXPECT_FALSE(WaitUntil([&] { return Arrows() != std::vector<int>{1, 0, 0}; }, Milliseconds(1500)))
      << "the inserted column sorts nothing: " << testing::PrintToString(Arrows());
  EXPECT_EQ(RowNames(), (Names{L"a.jpg", L"b 9.jpg", L"b 10.jpg"}));

  ASSERT_TRUE(ClickColumnHeadingForReal(list_, 2));
  EXPECT_TRUE(WaitForArrows({0, 0, 1})) << "\"Chemin complet\", now third, takes the arrow";
  ASSERT_TRUE(ClickColumnHeadingForReal(list_, 2));
  ASSERT_TRUE(WaitForRows({L"b 10.jpg", L"b 9.jpg", L"a.jpg"})) << "and turns round on a second click";
  EXPECT_TRUE(WaitForArrows({0, 0, -1}));
}

// The keyboard alone: the popup's two entries sort as the headers do, and renumbering follows the order on screen.
TEST_F(ListOrderTest, ThePopupEntriesSortFromTheKeyboardAndRenumberingFollowsTheOrderOnScreen) {
  // By name, "photo 1" of "Album 10" comes first; by path "Album 2" comes before "Album 10".
  for (const wchar_t* file : {L"Album 10\\photo 1.jpg", L"Album 2\\photo 3.jpg", L"Album 2\\photo 20.jpg"}) {
    ASSERT_FALSE(folder_->MakeFile(file, Ascii(file)).empty()) << Ascii(file);
  }
  ListFiles(PathOf(L"Album 10\\"), {L"photo 1.jpg"});
  ListFiles(PathOf(L"Album 2\\"), {L"photo 20.jpg", L"photo 3.jpg"});
  ASSERT_TRUE(WaitForRows({L"photo 1.jpg", L"photo 20.jpg", L"photo 3.jpg"}));
  ASSERT_TRUE(GiveFocus(list_));
  ASSERT_TRUE(PressRealKeys(list_, {VK_HOME}));
  ASSERT_TRUE(WaitUntil([&] { return SelectedListRows(list_) == std::vector<int>{0}; }, kReactionLimit));

  ChooseFromMenuByKeys(2, "list-menu-sort-by-path");  // "Trier par chemin complet", above the undo entry
  ASSERT_TRUE(WaitForRows({L"photo 3.jpg", L"photo 20.jpg", L"photo 1.jpg"})) << "\"Album 2\" before \"Album 10\"";
  EXPECT_TRUE(WaitForArrows({0, 1}));
  EXPECT_EQ(SelectedListRows(list_), std::vector<int>{2}) << "the selected \"Album 10\\photo 1.jpg\" moved down";

  ChooseFromMenuByKeys(3);  // "Trier par nom"
  ASSERT_TRUE(WaitForRows({L"photo 1.jpg", L"photo 3.jpg", L"photo 20.jpg"}));
  EXPECT_TRUE(WaitForArrows({1, 0}));
  ChooseFromMenuByKeys(3);
  ASSERT_TRUE(WaitForRows({L"photo 20.jpg", L"photo 3.jpg", L"photo 1.jpg"})) << "the entry again turns it round";
  EXPECT_TRUE(WaitForArrows({-1, 0}));

  ASSERT_TRUE(SetTicked(Control(kRenumberModeBox), true));
  ASSERT_TRUE(SetText(Control(kNewNameField), L"Vacances"));
  Click(Control(kRenameButton));
  HWND box = nullptr;
  ASSERT_TRUE(WaitForMessageBox(Program().ProcessId(), L"RENOMMAGE D'UNE LISTE DE FICHIERS", &box));
  ASSERT_TRUE(PressMessageBoxButton(box, kButtonYes));
  ASSERT_TRUE(WaitForMessageBox(Program().ProcessId(), L"Renommage", &box, std::chrono::seconds(60)));
  ASSERT_TRUE(PressMessageBoxButton(box, kButtonNo));
  ASSERT_TRUE(WaitUntilGone(box));

  // Each file's content is its old path: the numbers went down the list as it showed.
  EXPECT_EQ(ReadWholeFile(PathOf(L"Album 2\\Vacances1.jpg")).value_or("missing"), "Album 2\\photo 20.jpg");
  EXPECT_EQ(ReadWholeFile(PathOf(L"Album 2\\Vacances2.jpg")).value_or("missing"), "Album 2\\photo 3.jpg");
  EXPECT_EQ(ReadWholeFile(PathOf(L"Album 10\\Vacances3.jpg")).value_or("missing"), "Album 10\\photo 1.jpg");
  ASSERT_TRUE(WaitForRows({L"Vacances3.jpg"})) << "the pass lists the last row's folder again";
  EXPECT_EQ(Arrows(), (std::vector<int>{0, 0})) << "a list filled anew is in no order of the user's";
}

// The same at 150 %, in a prefix of its own: a real click still finds the header, and the screenshot shows the arrow.
class ListOrder144Test : public ListOrderTest {};

TEST_F(ListOrder144Test, AClickOnNomSortsTheRowsByName) { SortByNameWithTheMouse("list-sorted-by-name-144dpi"); }

}  // namespace

}  // namespace e2e
