// End-to-end tests of the column "Nouveau nom": typed criteria show every row's new name or foreseen failure before
// renaming, and the disk then holds exactly what the column said.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "base/Numbers.h"
#include "e2e/Driver.h"
#include "e2e/RenameFixture.h"
#include "e2e/Screenshot.h"

namespace e2e {

namespace {

using namespace base;

constexpr int kNewNameSubItem = 2;
const Names kPartsColumns = {L"Nom", L"Chemin complet"};

class NewNameColumnTest : public RenameTest {
 public:
  using RenameTest::ChooseMode;
  using RenameTest::Tick;

  // The headings and widths in the order the header shows them.
  Names Titles() {
    Names titles = ListColumnTitles(FileListFixture::List());
    Names shown;
    for (int column : ListColumnOrder(FileListFixture::List())) {
      // A column that came or went between the two readings: the next reading tells.
      if (static_cast<size_t>(column) >= titles.size()) return {};
      shown.push_back(titles[static_cast<size_t>(column)]);
    }
    return shown;
  }
  std::vector<int> Widths() {
    std::vector<int> widths = ListColumnWidths(FileListFixture::List());
    std::vector<int> shown;
    for (int column : ListColumnOrder(FileListFixture::List())) {
      if (static_cast<size_t>(column) >= widths.size()) return {};
      shown.push_back(widths[static_cast<size_t>(column)]);
    }
    return shown;
  }
  Names Cells() {
    Names cells;
    for (int row = 0, rows = ListRowCount(FileListFixture::List()); row < rows; ++row) {
      cells.push_back(ListCellText(FileListFixture::List(), row, kNewNameSubItem));
    }
    return cells;
  }
  // Waits until the column's header reads `header`; the cells are then those of the finished plan.
  testing::AssertionResult WaitForHeader(const std::wstring& header) {
    if (WaitUntil([&] { return Titles().size() == 3 && Titles()[1] == header; }, kReactionLimit)) {
      return testing::AssertionSuccess();
    }
    return testing::AssertionFailure() << "the columns are" << JoinNames(Titles());
  }
  testing::AssertionResult WaitForPartsColumns() {
    if (WaitUntil([&] { return Titles().size() == 2; }, kReactionLimit)) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "the columns are" << JoinNames(Titles());
  }
  void Type(int field, const std::wstring& text) {
    Set(field, L"");
    TypeText(Control(field), text);
  }
};

class NewNameColumn144Test : public NewNameColumnTest {};

TEST_F(NewNameColumnTest, IsShownWhileTheChosenModeHasItsTextAndTheWindowIsOtherwiseUnchanged) {
  EXPECT_EQ(Titles(), kPartsColumns) << "start-up";
  const std::vector<int> widths = Widths();
  MakeFiles({L"a.JPG", L"b.JPG"});
  List(Folder(), {L"a.JPG", L"b.JPG"});
  EXPECT_EQ(Titles(), (Names{L"Nom ( 2 éléments )", L"Chemin complet"})) << "no part typed yet";

  Type(kPartField, L"a");
  ASSERT_TRUE(WaitForHeader(L"Nouveau nom ( renommage refusé )")) << "\"Renommer\" would ask for the replacement";
  EXPECT_EQ(Cells(), Names(2, L"Refusé : saisissez les caractères de remplacement"));
  Type(kReplacementField, L"z");
  ASSERT_TRUE(WaitForHeader(L"Nouveau nom"));
  EXPECT_EQ(Cells(), (Names{L"z.JPG", L"b.JPG"}));
  EXPECT_EQ(RowPaths(), (Names{PathOf(L"a.JPG"), PathOf(L"b.JPG")})) << "the full path stays subitem 1";

  Set(kPartField, L"");
  ASSERT_TRUE(WaitForPartsColumns()) << "the part emptied";
  EXPECT_EQ(Widths(), widths);

  ChooseMode(kRenumberModeBox);
  Type(kNewNameField, L"V");
  ASSERT_TRUE(WaitForHeader(L"Nouveau nom"));
  EXPECT_EQ(Cells(), (Names{L"V1.JPG", L"V2.JPG"}));
  Tick(kRenumberModeBox, false);
  ASSERT_TRUE(WaitForPartsColumns()) << "no mode box ticked";
}

TEST_F(NewNameColumnTest, FollowsTheOrderTheUserChooses) {
  MakeFiles({L"photo 10.jpg", L"photo 2.jpg"});
  List(Folder(), {L"photo 10.jpg", L"photo 2.jpg"});
  ChooseMode(kRenumberModeBox);
  Type(kRenumberIncrementField, L"0");
  Type(kNewNameField, L"V");
  ASSERT_TRUE(WaitForHeader(L"Nouveau nom ( 1 échec prévu )"));
  EXPECT_EQ(Cells(), (Names{L"V1.jpg", L"Échec : « V1.jpg » est déjà donné à « photo 10.jpg »"}));
  Command(kListSortByName);
  ASSERT_TRUE(WaitForRows({L"photo 2.jpg", L"photo 10.jpg"}));
  const Names sorted = {L"V1.jpg", L"Échec : « V1.jpg » est déjà donné à « photo 2.jpg »"};
  EXPECT_TRUE(WaitUntil([&] { return Cells() == sorted; }, kReactionLimit))
      << "the plan follows the rows' new order:" << JoinNames(Cells());
}

struct ForecastCase {
  const char* what;
  Names listed;    // each file holds its own name
  Names besides;   // files of the folder that are not listed
  std::function<void(NewNameColumnTest&)> criteria;
  std::wstring header;
  Names cells;
};

TEST_F(NewNameColumnTest, ForetellsInEachModeWhatTheDiskThenHolds) {
  const ForecastCase cases[] = {
      {"renumber, a name taken outside the list",
       {L"IMG_1.JPG", L"IMG_2.JPG", L"notes.txt"}, {L"Vacances_2.JPG"},
       [](NewNameColumnTest& t) {
         t.ChooseMode(kRenumberModeBox);
         t.Tick(kRenumberSeparatorBox, true);
         t.Type(kNewNameField, L"Vacances");
       },
       L"Nouveau nom ( 1 échec prévu )",
       {L"Vacances_1.JPG", L"Échec : « Vacances_2.JPG » existe déjà", L"Vacances_2.txt"}},
      {"renumber by 0: an earlier row takes the name; a trailing dot is dropped",
       {L"a.JPG", L"b.JPG", L"README"}, {},
       [](NewNameColumnTest& t) { t.Type(kRenumberIncrementField, L"0"); },
       L"Nouveau nom ( 1 échec prévu )",
       {L"Vacances_1.JPG", L"Échec : « Vacances_1.JPG » est déjà donné à « a.JPG »", L"Vacances_1"}},
      {"replace: unchanged names, a device name",
       {L"a.txt", L"b.txt", L"photo b.txt"}, {},
       [](NewNameColumnTest& t) {
         t.ChooseMode(kReplaceModeBox);
         t.Type(kReplacementField, L"nul");
         t.Type(kPartField, L"B");
       },
       L"Nouveau nom ( 1 échec prévu )",
       {L"a.txt", L"Échec : « nul.txt » est un nom réservé de Windows", L"photo nul.txt"}},
      {"add at the end: a name taken, once a position is chosen",
       {L"README", L"memo.txt"}, {L"memo_old.txt"},
       [](NewNameColumnTest& t) {
         t.ChooseMode(kAppendModeBox);
         t.Tick(kAppendSeparatorBox, true);
         t.Type(kAddedTextField, L"old");
         ASSERT_TRUE(t.WaitForHeader(L"Nouveau nom ( renommage refusé )"));
         EXPECT_EQ(t.Cells().at(0), L"Refusé : choisissez « Ajouter au début » ou « à la fin »");
         t.Tick(kAtEndOption, true);
       },
       L"Nouveau nom ( 1 échec prévu )",
       {L"README_old", L"Échec : « memo_old.txt » existe déjà"}},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    const ForecastCase& c = cases[i];
    SCOPED_TRACE(c.what);
    std::vector<std::pair<std::wstring, std::string>> files;
    for (const std::wstring& name : c.listed) files.push_back({name, Utf8(name)});
    for (const std::wstring& name : c.besides) files.push_back({name, "besides"});
    std::wstring folder = MakeFolder(L"forecast" + std::to_wstring(i), files);
    ClearList();
    List(folder, c.listed, L"TXT");
    c.criteria(*this);
    ASSERT_TRUE(WaitForHeader(c.header));
    EXPECT_EQ(Cells(), c.cells);
    if (i == 0) {
      EXPECT_TRUE(SaveScreenshot("new-name-column-96"));
    }

    Rename(1);
    for (size_t row = 0; row < c.listed.size(); ++row) {
      const bool failed = c.cells[row].rfind(L"Échec", 0) == 0;
      std::wstring holder = folder + (failed ? c.listed[row] : c.cells[row]);
      EXPECT_EQ(ReadWholeFile(holder).value_or("(none)"), Utf8(c.listed[row]))
          << "row " << row << " on disk:" << JoinNames(EntriesOf(folder));
    }
    for (const std::wstring& name : c.besides) EXPECT_EQ(ReadWholeFile(folder + name).value_or(""), "besides");
  }
}

TEST_F(NewNameColumn144Test, IsScaledWithTheRestOfTheList) {
  MakeFiles({L"IMG_1.JPG", L"IMG_2.JPG", L"Vacances_2.JPG"});
  List(Folder(), {L"IMG_1.JPG", L"IMG_2.JPG"});
  ChooseMode(kRenumberModeBox);
  Tick(kRenumberSeparatorBox, true);
  Type(kNewNameField, L"Vacances");
  ASSERT_TRUE(WaitForHeader(L"Nouveau nom ( 1 échec prévu )"));
  EXPECT_EQ(Widths(), (std::vector<int>{450, 360, 735})) << "300, 240 and 490 at 96 DPI";
  EXPECT_TRUE(SaveScreenshot("new-name-column-144"));
}

}  // namespace

}  // namespace e2e
