// End-to-end tests of the explorer control in the real program: opening folders by double click and Enter, going
// up to the drives, sorting by a heading, the places box pointing it at each of the user's folders, and the rows
// following the disk when this test or the program itself changes the folder on show. The tests make their folders
// in the user's Documents folder, where the control starts, and remove them afterwards.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "base/Numbers.h"
#include "e2e/Driver.h"
#include "e2e/ListFilling.h"
#include "e2e/ProgramFixtures.h"
#include "e2e/ScratchFolder.h"
#include "e2e/Screenshot.h"
#include "e2e/UserFolders.h"

namespace e2e {

namespace {

using namespace base;  // the program's control and command numbers

constexpr int kMarkerBox = base::kAppendSeparatorBox;  // see ControlReactionsTest.cpp: a box no test looks at

constexpr LocalDateTime kFileTime = {2023, 2, 28, 17, 45};
constexpr const wchar_t* kFileDate = L"28/02/2023 17:45";

// The test's folder: two folders and three files of different sizes, in name order.
const std::vector<std::wstring> kByName = {L"..", L"archives", L"classeur", L"a-grand.xyzq", L"b-moyen.xyzq",
                                           L"c-petit.xyzq"};
const std::vector<std::wstring> kBySize = {L"..", L"archives", L"classeur", L"c-petit.xyzq", L"b-moyen.xyzq",
                                           L"a-grand.xyzq"};
// Descending: each group reversed, ".." still first.
const std::vector<std::wstring> kBySizeDescending = {L"..", L"classeur", L"archives", L"a-grand.xyzq",
                                                     L"b-moyen.xyzq", L"c-petit.xyzq"};
const std::vector<std::wstring> kByNameDescending = {L"..", L"classeur", L"archives", L"c-petit.xyzq",
                                                     L"b-moyen.xyzq", L"a-grand.xyzq"};

std::wstring Join(const std::vector<std::wstring>& names) {
  std::wostringstream text;
  for (const std::wstring& name : names) text << L" \"" << name << L"\"";
  return text.str();
}

std::vector<std::wstring> RowNames(HWND list) {
  std::vector<std::wstring> names;
  const int count = ListRowCount(list);
  for (int row = 0; row < count; ++row) names.push_back(ListCellText(list, row, 0));
  return names;
}

int RowNamed(HWND list, const std::wstring& name) {
  std::vector<std::wstring> names = RowNames(list);
  auto found = std::find(names.begin(), names.end(), name);
  return found == names.end() ? -1 : static_cast<int>(found - names.begin());
}

std::vector<std::wstring> Without(std::vector<std::wstring> names, const std::wstring& name) {
  names.erase(std::remove(names.begin(), names.end(), name), names.end());
  return names;
}

int TopRow(HWND list) { return static_cast<int>(SendMessageW(list, LVM_GETTOPINDEX, 0, 0)); }

// What the control shows for a folder: ".." first, then the folder's visible entries in any order.
bool ShowsFolder(HWND list, const std::wstring& folder) {
  std::vector<std::wstring> names = RowNames(list);
  if (names.empty() || names.front() != L"..") return false;
  names.erase(names.begin());
  std::sort(names.begin(), names.end());
  return names == VisibleEntryNames(folder);
}

class ExplorerControlTest : public FreshRunTest {
 protected:
  void SetUp() override {
    documents_ = ShellFolderPath(CSIDL_PERSONAL);
    ASSERT_FALSE(documents_.empty()) << "the shell gives no Documents folder";
    folder_ = std::make_unique<ScratchFolder>(documents_);
    folder_->MakeFolder(L"archives");
    folder_->MakeFolder(L"classeur");
    ASSERT_FALSE(folder_->MakeFile(L"a-grand.xyzq", std::string(3000, 'a')).empty()) << "file of 3000 bytes";
    ASSERT_FALSE(folder_->MakeFile(L"b-moyen.xyzq", std::string(1536, 'b')).empty()) << "file of 1536 bytes";
    ASSERT_FALSE(folder_->MakeFile(L"c-petit.xyzq", std::string(10, 'c')).empty()) << "file of 10 bytes";
    ASSERT_TRUE(SetModificationTime(folder_->Path() + L"a-grand.xyzq", kFileTime)) << "date of a-grand.xyzq";
    FreshRunTest::SetUp();
    if (HasFatalFailure()) return;
    explorer_ = Program().Control(kExplorer);
    ASSERT_NE(explorer_, nullptr) << "explorer control, control 8";
  }
  void TearDown() override {
    FreshRunTest::TearDown();
    folder_.reset();
  }

  std::wstring FolderName() const {
    return folder_->Path().substr(documents_.size(), folder_->Path().size() - documents_.size() - 1);
  }

  testing::AssertionResult WaitForRows(const std::vector<std::wstring>& names) {
    if (WaitUntil([&] { return RowNames(explorer_) == names; }, kReactionLimit)) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "the explorer control shows" << Join(RowNames(explorer_))
                                       << " instead of" << Join(names);
  }

  testing::AssertionResult WaitForFolder(const std::wstring& folder) {
    if (WaitUntil([&] { return ShowsFolder(explorer_, folder); }, kReactionLimit)) {
      return testing::AssertionSuccess();
    }
    return testing::AssertionFailure() << "the explorer control shows" << Join(RowNames(explorer_))
                                       << " instead of \"..\" and the entries of " << folder << ":"
                                       << Join(VisibleEntryNames(folder));
  }

  testing::AssertionResult DoubleClickRow(int row) {
    RECT place{};
    if (row < 0 || !ListRowNamePlace(explorer_, row, &place)) {
      return testing::AssertionFailure() << "the explorer control has no row " << row;
    }
    DoubleClickAt(explorer_, {(place.left + place.right) / 2, (place.top + place.bottom) / 2});
    return testing::AssertionSuccess();
  }

  testing::AssertionResult PressEnterOnRow(int row) {
    if (row < 0 || !SelectListRow(explorer_, row, true)) {
      return testing::AssertionFailure() << "the explorer control has no row " << row;
    }
    PressKey(explorer_, VK_RETURN);
    return testing::AssertionSuccess();
  }

  testing::AssertionResult OpenOurFolder() {
    testing::AssertionResult opened = DoubleClickRow(RowNamed(explorer_, FolderName()));
    return opened ? WaitForRows(kByName) : opened;
  }

  std::wstring documents_;
  std::unique_ptr<ScratchFolder> folder_;
  HWND explorer_ = nullptr;
};

TEST_F(ExplorerControlTest, DoubleClickAndEnterOpenASubFolderAndItsParent) {
  struct OpenCase {
    const char* name;
    std::function<testing::AssertionResult(int row)> open;
  };
  const OpenCase cases[] = {{"double click", [this](int row) { return DoubleClickRow(row); }},
                            {"Enter key", [this](int row) { return PressEnterOnRow(row); }}};
  for (const OpenCase& openCase : cases) {
    SCOPED_TRACE(openCase.name);
    ASSERT_TRUE(WaitForFolder(documents_)) << "the control starts in the Documents folder";
    ASSERT_TRUE(openCase.open(RowNamed(explorer_, FolderName()))) << "on the test's folder";
    EXPECT_TRUE(WaitForRows(kByName)) << "the test's folder, opened: \"..\", its folders, its files, by name";
    ASSERT_TRUE(openCase.open(0)) << "on \"..\"";
    EXPECT_TRUE(WaitForFolder(documents_)) << "\"..\" leads back to the Documents folder";
  }
}

TEST_F(ExplorerControlTest, ADoubleClickOnAFileChangesNothing) {
  ASSERT_TRUE(OpenOurFolder());
  ASSERT_TRUE(DoubleClickRow(RowNamed(explorer_, L"c-petit.xyzq")));
  ASSERT_TRUE(WaitForPostedInput(Program().Control(kMarkerBox)));
  EXPECT_EQ(RowNames(explorer_), kByName) << "rows after a double click on a file";
}

TEST_F(ExplorerControlTest, AFolderListedWithNothingSelectedHasItsFirstRowFocusedWhereTheArrowsStart) {
  ASSERT_TRUE(WaitForFolder(documents_)) << "the control starts in the Documents folder";
  EXPECT_EQ(FocusedListRow(explorer_), 0) << "at start, the first row has the focus";
  EXPECT_TRUE(SelectedListRows(explorer_).empty()) << "at start, nothing is selected";
  ASSERT_TRUE(OpenOurFolder());
  EXPECT_EQ(FocusedListRow(explorer_), 0) << "in a folder just opened, the first row has the focus";
  EXPECT_TRUE(SelectedListRows(explorer_).empty()) << "in a folder just opened, nothing is selected";
  ASSERT_TRUE(GiveFocus(explorer_));
  ASSERT_TRUE(PressRealKeys(explorer_, {VK_DOWN}));
  EXPECT_TRUE(WaitUntil([&] { return SelectedListRows(explorer_) == std::vector<int>{1}; }, kReactionLimit))
      << "Down goes from the first row to the second";
}

TEST_F(ExplorerControlTest, RowsShowSizeTypeAndDateAsAFrenchUserReadsThem) {
  ASSERT_TRUE(OpenOurFolder());
  struct RowCase {
    const wchar_t* name;
    const wchar_t* size;
    const wchar_t* type;
  };
  const RowCase cases[] = {
      {L"archives", L"", L"Dossier de fichiers"},
      {L"a-grand.xyzq", L"2,9 Ko", L"Fichier XYZQ"},
      {L"b-moyen.xyzq", L"1,5 Ko", L"Fichier XYZQ"},
      {L"c-petit.xyzq", L"10 o", L"Fichier XYZQ"},
  };
  for (const RowCase& expected : cases) {
    int row = RowNamed(explorer_, expected.name);
    ASSERT_GE(row, 0) << "row of " << expected.name;
    EXPECT_EQ(ListCellText(explorer_, row, 1), expected.size) << "size of " << expected.name;
    EXPECT_EQ(ListCellText(explorer_, row, 2), expected.type) << "type of " << expected.name;
  }
  EXPECT_EQ(ListCellText(explorer_, RowNamed(explorer_, L"a-grand.xyzq"), 3), kFileDate)
      << "local date and time of the last change of a-grand.xyzq";
}

TEST_F(ExplorerControlTest, AHeadingClickSortsByItsColumnAndASecondOneReverses) {
  ASSERT_TRUE(OpenOurFolder());
  struct SortStep {
    const char* name;
    int column;
    const std::vector<std::wstring>* rows;
  };
  const SortStep steps[] = {
      {"\"Taille\"", 1, &kBySize},
      {"\"Taille\" again", 1, &kBySizeDescending},
      {"\"Nom\"", 0, &kByName},
      {"\"Nom\" again", 0, &kByNameDescending},
  };
  for (const SortStep& step : steps) {
    SCOPED_TRACE(step.name);
    ASSERT_TRUE(ClickColumnHeading(explorer_, step.column));
    EXPECT_TRUE(WaitForRows(*step.rows)) << "rows after a click on the heading";
  }
}

TEST_F(ExplorerControlTest, GoingUpFromDocumentsEndsAtTheDrivesWhichOpen) {
  ASSERT_TRUE(WaitForFolder(documents_)) << "the control starts in the Documents folder";
  // Documents lies a few folders below its drive's root; each ".." goes one up, and the top level has no "..".
  for (int level = 0; level < 10 && RowNames(explorer_).front() == L".."; ++level) {
    const std::vector<std::wstring> before = RowNames(explorer_);
    ASSERT_TRUE(DoubleClickRow(0)) << "on \"..\"";
    ASSERT_TRUE(WaitUntil([&] { return RowNames(explorer_) != before; }, kReactionLimit))
        << "\"..\" changed nothing; the control shows" << Join(before);
  }
  const std::vector<std::wstring> drives = RowNames(explorer_);
  ASSERT_FALSE(drives.empty()) << "the top level is empty";
  EXPECT_NE(drives.front(), L"..") << "the top level has no parent entry";
  const int drive = static_cast<int>(std::find_if(drives.begin(), drives.end(), [](const std::wstring& name) {
                                       return name == L"C:\\" || name.ends_with(L"(C:)");
                                     }) -
                                     drives.begin());
  ASSERT_LT(drive, static_cast<int>(drives.size())) << "no row for drive C: among" << Join(drives);
  EXPECT_EQ(ListCellText(explorer_, drive, 2), L"Disque local") << "type of drive C:";
  EXPECT_TRUE(SaveWindowScreenshot("explorer-drives", Window()));

  ASSERT_TRUE(DoubleClickRow(drive)) << "on drive C:";
  EXPECT_TRUE(WaitForFolder(L"C:\\")) << "drive C: opened";
}

TEST_F(ExplorerControlTest, EveryPlaceShowsItsFolder) {
  struct PlaceCase {
    const wchar_t* text;
    std::wstring folder;
  };
  const PlaceCase cases[] = {
      {L"Mes documents", ShellFolderPath(CSIDL_PERSONAL)}, {L"Mes images", ShellFolderPath(CSIDL_MYPICTURES)},
      {L"Mes vidéos", ShellFolderPath(CSIDL_MYVIDEO)},     {L"Ma musique", ShellFolderPath(CSIDL_MYMUSIC)},
      {L"Mon bureau", ShellFolderPath(CSIDL_DESKTOP)},     {L"Mes téléchargements", DownloadsFolderPath()},
  };
  HWND places = Program().Control(kPlacesBox);
  ASSERT_NE(places, nullptr) << "places box, control 7";
  const std::vector<std::wstring> texts = ComboEntryTexts(places);
  for (const PlaceCase& place : cases) {
    SCOPED_TRACE(testing::Message() << place.text << " (" << place.folder << ")");
    ASSERT_FALSE(place.folder.empty()) << "the shell gives no folder for this place";
    // From the test's own folder, so that every choice visibly changes what the control shows, even where several
    // places are one folder.
    ASSERT_TRUE(ChooseComboEntry(places, 0));
    ASSERT_TRUE(WaitForFolder(documents_)) << "\"Mes documents\" shows the Documents folder";
    ASSERT_TRUE(OpenOurFolder());
    auto entry = std::find(texts.begin(), texts.end(), place.text);
    ASSERT_NE(entry, texts.end()) << "the places box has the entry";
    ASSERT_TRUE(ChooseComboEntry(places, static_cast<int>(entry - texts.begin())));
    EXPECT_TRUE(WaitForFolder(place.folder)) << "after choosing the place";
  }
}

TEST_F(ExplorerControlTest, TheMenuKeyOpensTheMenuUnderTheSelectedEntryAndNothingWithoutOne) {
  ASSERT_TRUE(OpenOurFolder());
  ASSERT_TRUE(SelectListRow(explorer_, -1, false));
  // Away from the list, where a menu opened at the pointer would show.
  ASSERT_TRUE(PlacePointer({0, 0}));
  ASSERT_TRUE(GiveFocus(explorer_));
  ASSERT_TRUE(PressRealKeys(explorer_, {VK_APPS}));
  // Keys come after posted messages: only time tells that nothing came of them.
  EXPECT_FALSE(WaitUntil([&] { return !PopupMenusOf(Program().ProcessId()).empty(); }, Milliseconds(1500)))
      << "with nothing selected no menu opens";

  ASSERT_TRUE(PressRealKeys(explorer_, {VK_END}));
  const int last = static_cast<int>(kByName.size()) - 1;
  ASSERT_TRUE(WaitUntil([&] { return SelectedListRows(explorer_) == std::vector<int>{last}; }, kReactionLimit))
      << "End selects the last entry";
  ASSERT_TRUE(PressRealKeys(explorer_, {VK_APPS}));
  HWND menu = nullptr;
  ASSERT_TRUE(WaitForPopupMenuUnderRow(explorer_, last, &menu));
  ASSERT_TRUE(PressRealKeys(explorer_, {VK_ESCAPE}));
  EXPECT_TRUE(WaitUntilGone(menu)) << "Escape closes the menu";
}

TEST_F(ExplorerControlTest, RowsFollowAnotherProgramsChangesKeepingTheOrderTheSelectionAndTheFirstVisibleRow) {
  // Enough files for the list to scroll; by name descending, f999 comes first among the files.
  std::vector<std::wstring> files = {L"a-grand.xyzq", L"b-moyen.xyzq", L"c-petit.xyzq"};
  for (int i = 100; i < 160; ++i) {
    files.push_back(L"f" + std::to_wstring(i) + L".xyzq");
    ASSERT_FALSE(folder_->MakeFile(files.back()).empty());
  }
  std::vector<std::wstring> folders = {L"archives", L"classeur"};
  auto descending = [&] {
    std::vector<std::wstring> rows = {L".."};
    for (auto* group : {&folders, &files}) {
      std::sort(group->rbegin(), group->rend());
      rows.insert(rows.end(), group->begin(), group->end());
    }
    return rows;
  };
  ASSERT_TRUE(DoubleClickRow(RowNamed(explorer_, FolderName())));
  ASSERT_TRUE(WaitForFolder(folder_->Path()));
  ASSERT_TRUE(ClickColumnHeading(explorer_, 0));
  ASSERT_TRUE(WaitForRows(descending()));
  ASSERT_TRUE(SelectListRow(explorer_, RowNamed(explorer_, L"f130.xyzq"), true));
  SendMessageW(explorer_, LVM_ENSUREVISIBLE, static_cast<WPARAM>(ListRowCount(explorer_) - 1), FALSE);
  SendMessageW(explorer_, LVM_ENSUREVISIBLE, 20, FALSE);
  ASSERT_EQ(TopRow(explorer_), 20) << "the list scrolls";
  const std::wstring top = ListCellText(explorer_, 20, 0);

  ASSERT_FALSE(folder_->MakeFile(L"f999.xyzq").empty());
  ASSERT_FALSE(folder_->MakeFolder(L"nouveau").empty());
  ASSERT_TRUE(DeleteFileW((folder_->Path() + L"f101.xyzq").c_str()));
  files = Without(files, L"f101.xyzq");
  files.push_back(L"f999.xyzq");
  folders.push_back(L"nouveau");
  EXPECT_TRUE(WaitForRows(descending())) << "made and deleted entries, in the order chosen";
  EXPECT_EQ(SelectedListRows(explorer_), std::vector<int>{RowNamed(explorer_, L"f130.xyzq")}) << "still selected";
  EXPECT_EQ(ListCellText(explorer_, TopRow(explorer_), 0), top) << "the first visible row, two rows further down";
  EXPECT_TRUE(SaveScreenshot("explorer-after-changes-elsewhere"));

  ASSERT_TRUE(DeleteFileW((folder_->Path() + L"f130.xyzq").c_str()));
  files = Without(files, L"f130.xyzq");
  EXPECT_TRUE(WaitForRows(descending()));
  EXPECT_TRUE(SelectedListRows(explorer_).empty()) << "the selected entry deleted, nothing is selected";
}

TEST_F(ExplorerControlTest, AFolderOnShowRenamedByAnotherProgramGivesWayToTheFolderAboveIt) {
  ASSERT_TRUE(OpenOurFolder());
  ASSERT_TRUE(DoubleClickRow(RowNamed(explorer_, L"classeur")));
  ASSERT_TRUE(WaitForRows({L".."})) << "the empty folder opened";
  const std::wstring classeur = folder_->Path() + L"classeur";
  ASSERT_TRUE(MoveFileW(classeur.c_str(), (classeur + L"-2").c_str()));
  EXPECT_TRUE(WaitForRows({L"..", L"archives", L"classeur-2", L"a-grand.xyzq", L"b-moyen.xyzq", L"c-petit.xyzq"}));
}

TEST_F(ExplorerControlTest, AfterARenamePassInTheFolderOnShowTheRowsShowTheNewNamesAtOnce) {
  ASSERT_TRUE(OpenOurFolder());
  ASSERT_TRUE(ChooseType(Program(), L"XYZQ"));
  for (int listed = 1; const wchar_t* name : {L"a-grand.xyzq", L"b-moyen.xyzq", L"c-petit.xyzq"}) {
    ASSERT_TRUE(AddFromExplorer(Program(), name));
    ASSERT_TRUE(WaitForListRows(Program(), listed++));
  }
  ASSERT_TRUE(SelectListRow(explorer_, RowNamed(explorer_, L"classeur"), true));
  ASSERT_TRUE(SetTicked(Program().Control(kRenumberModeBox), true));
  ASSERT_TRUE(SetText(Program().Control(kNewNameField), L"Photo"));
  ASSERT_TRUE(SetTicked(Program().Control(kRenumberSeparatorBox), true));
  Click(Program().Control(kRenameButton));
  HWND box = nullptr;
  ASSERT_TRUE(WaitForMessageBox(Program().ProcessId(), L"RENOMMAGE D'UNE LISTE DE FICHIERS", &box));
  ASSERT_TRUE(PressMessageBoxButton(box, kButtonYes));
  ASSERT_TRUE(WaitForMessageBox(Program().ProcessId(), L"Renommage", &box));
  // Posted right behind No: handled once the pass is over, before the control's timer could tick.
  ASSERT_TRUE(PressMessageBoxButton(box, kButtonNo));
  ASSERT_TRUE(WaitForPostedInput(Program().Control(kMarkerBox)));
  EXPECT_EQ(RowNames(explorer_), (std::vector<std::wstring>{L"..", L"archives", L"classeur", L"Photo_1.xyzq",
                                                            L"Photo_2.xyzq", L"Photo_3.xyzq"}));
  EXPECT_EQ(SelectedListRows(explorer_), std::vector<int>{2}) << "classeur stays selected";
  EXPECT_TRUE(SaveWindowScreenshot("explorer-after-rename-pass", Window()));
}

TEST_F(ExplorerControlTest, AjouterOnEntriesGoneBehindTheProgramsBackAddsNothingAndTellsOfTheFolder) {
  ASSERT_TRUE(OpenOurFolder());
  ASSERT_TRUE(ChooseType(Program(), L"XYZQ"));
  // Each entry goes right before the command, well within the pause the control waits for before listing a change.
  ASSERT_TRUE(SelectListRow(explorer_, RowNamed(explorer_, L"c-petit.xyzq"), true));
  ASSERT_TRUE(DeleteFileW((folder_->Path() + L"c-petit.xyzq").c_str()));
  PostCommand(Program(), kExplorerAdd);
  ASSERT_TRUE(WaitForPostedInput(Program().Control(kMarkerBox)));
  EXPECT_TRUE(MessageBoxesOf(Program().ProcessId()).empty()) << "a file gone is passed over without a word";
  EXPECT_EQ(RowNames(explorer_), Without(kByName, L"c-petit.xyzq")) << "and no longer shown";

  ASSERT_TRUE(SelectListRow(explorer_, RowNamed(explorer_, L"archives"), true));
  ASSERT_TRUE(RemoveDirectoryW((folder_->Path() + L"archives").c_str()));
  PostCommand(Program(), kExplorerAdd);
  HWND box = nullptr;
  ASSERT_TRUE(WaitForMessageBox(Program().ProcessId(), L"Répertoire", &box));
  EXPECT_EQ(MessageBoxText(box), L"Le dossier choisi n'est pas accessible.");
  ASSERT_TRUE(PressMessageBoxButton(box, kButtonOk));
  ASSERT_TRUE(WaitForPostedInput(Program().Control(kMarkerBox)));
  EXPECT_EQ(RowNames(explorer_), Without(Without(kByName, L"c-petit.xyzq"), L"archives"));
  EXPECT_EQ(ListRowCount(Program().Control(kFileList)), 0) << "nothing was added";
}

}  // namespace

}  // namespace e2e
