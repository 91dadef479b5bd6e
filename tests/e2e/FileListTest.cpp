// End-to-end tests of the file list: filling it through the open-file requester, the folder requester and the
// explorer control's "Ajouter", and emptying it with "Retirer sélection" and "Retirer tout", on real files. The
// files are made in the user's Documents folder, where the explorer control starts and the folder requester
// reaches them.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "base/Numbers.h"
#include "e2e/Driver.h"
#include "e2e/FileListFixture.h"
#include "e2e/ListFilling.h"
#include "e2e/ProgramFixtures.h"
#include "e2e/RemoteBuffer.h"
#include "e2e/Requesters.h"
#include "e2e/ScratchFolder.h"
#include "e2e/Screenshot.h"
#include "e2e/UserFolders.h"

namespace e2e {

namespace {

using namespace base;  // the program's control and command numbers

constexpr const wchar_t* kOpenRequesterTitle = L"Sélectionnez un fichier il sera ajouté à la liste";

Names Sorted(Names names) {
  std::sort(names.begin(), names.end());
  return names;
}

int RowImage(HWND list, int row) {
  RemoteBuffer remote(list, sizeof(LVITEMW));
  LVITEMW item{};
  item.mask = LVIF_IMAGE;
  item.iItem = row;
  if (!remote.Ok() || !remote.Write(0, &item, sizeof(item))) return -100;
  SendMessageW(list, LVM_GETITEMW, 0, remote.AsParameter());
  remote.Read(0, &item, sizeof(item));
  return item.iImage;
}

class FileListTest : public FileListFixture {
 protected:
  void ChooseType(const std::wstring& type) { ASSERT_TRUE(e2e::ChooseType(Program(), type)); }

  testing::AssertionResult WaitForRowCount(int count) {
    if (WaitUntil([&] { return ListRowCount(list_) == count; }, kReactionLimit)) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "the list has " << ListRowCount(list_) << " rows instead of " << count;
  }

  void OpenFolderInExplorer() { ASSERT_TRUE(OpenExplorerFolder(Program(), FolderName())); }
  int ExplorerRow(const std::wstring& name) { return e2e::ExplorerRow(Program(), name); }
  void AddFromExplorer(const std::wstring& name) { ASSERT_TRUE(e2e::AddFromExplorer(Program(), name)); }

};

TEST_F(FileListTest, EveryAddingCommandWithoutAChosenTypeSaysSoAndPutsTheFocusOnTheTypeField) {
  MakeFiles({L"a.jpg"});
  OpenFolderInExplorer();
  ASSERT_TRUE(SelectListRow(Program().Control(kExplorer), ExplorerRow(L"a.jpg"), true));
  for (int command : {kAddFilesCommand, kAddFolderCommand, kExplorerAdd}) {
    SCOPED_TRACE(testing::Message() << "command " << command);
    SetFocus(nullptr);
    Command(command);
    ExpectMessage(L"Extension ??", L"Vous devez choisir le type de fichier.");
    ASSERT_TRUE(CaughtUp());
    HWND focused = FocusedControlOf(Window());
    EXPECT_TRUE(focused == Program().Control(kTypeField) || GetParent(focused) == Program().Control(kTypeField))
        << "the focus is on control " << GetDlgCtrlID(focused);
    for (HWND window : TopLevelWindowsOf(Program().ProcessId(), true)) {
      EXPECT_NE(WindowTitle(window), kOpenRequesterTitle) << "no requester opens";
    }
  }
  EXPECT_EQ(ListRowCount(list_), 0);
  EXPECT_EQ(Header(), L"Nom");
}

TEST_F(FileListTest, TheFolderRequesterListsTheMatchingEntriesOnlyAndOpensNextTimeOnThatFolder) {
  MakeFiles({L"a.JPG", L"b.jpg", L"c.Jpg", L"d.jpeg", L"e.png", L"Vacances.JPG\\dedans.JPG"});
  ChooseType(L"JPG");
  Command(kAddFolderCommand);
  HWND requester = nullptr;
  ASSERT_TRUE(WaitForFolderRequester(Program().ProcessId(), &requester));
  ASSERT_TRUE(ChooseFolder(requester, Folder()));
  ASSERT_TRUE(WaitForRowCount(3));
  EXPECT_EQ(Sorted(RowNames()), (Names{L"Vacances.JPG", L"a.JPG", L"b.jpg"}));
  EXPECT_EQ(Sorted(RowPaths()), (Names{Folder() + L"Vacances.JPG", Folder() + L"a.JPG", Folder() + L"b.jpg"}));
  EXPECT_EQ(Header(), L"Nom ( 3 éléments )");
  EXPECT_EQ(Text(Program().Control(kFolderPathField)), Folder());

  // Files of one type share one icon; the sub-folder shows another (a folder's).
  Names names = RowNames();
  auto rowOf = [&](const wchar_t* name) {
    return static_cast<int>(std::find(names.begin(), names.end(), name) - names.begin());
  };
  int fileImage = RowImage(list_, rowOf(L"a.JPG"));
  EXPECT_GE(fileImage, 0) << "a.JPG has an icon";
  EXPECT_EQ(RowImage(list_, rowOf(L"b.jpg")), fileImage);
  EXPECT_GE(RowImage(list_, rowOf(L"Vacances.JPG")), 0) << "the sub-folder has an icon";
  EXPECT_NE(RowImage(list_, rowOf(L"Vacances.JPG")), fileImage);
  EXPECT_TRUE(SaveWindowScreenshot("file-list-folder", Window()));

  // The same folder again: it is selected when the requester opens, and every entry gets a second row.
  Command(kAddFolderCommand);
  ASSERT_TRUE(WaitForFolderRequester(Program().ProcessId(), &requester));
  EXPECT_EQ(FolderRequesterSelection(requester), FolderName());
  ASSERT_TRUE(ChooseFolder(requester, Folder()));
  ASSERT_TRUE(WaitForRowCount(6));
  EXPECT_EQ(Header(), L"Nom ( 6 éléments )");
  Names twice = RowNames();
  EXPECT_TRUE(std::equal(twice.begin(), twice.begin() + 3, twice.begin() + 3)) << "rows:" << JoinNames(twice);

  // A cancelled requester adds nothing.
  Command(kAddFolderCommand);
  ASSERT_TRUE(WaitForFolderRequester(Program().ProcessId(), &requester));
  ASSERT_TRUE(CancelDialog(requester));
  ASSERT_TRUE(CaughtUp());
  EXPECT_EQ(ListRowCount(list_), 6);
}

TEST_F(FileListTest, TheOpenFileRequesterAddsEachChosenFileOnceAndNextOpensInTheirFolder) {
  MakeFiles({L"b.jpg", L"a.jpg", L"c.jpg"});
  ChooseType(L"JPG");
  Command(kAddFilesCommand);
  HWND requester = nullptr;
  ASSERT_TRUE(WaitForDialog(Program().ProcessId(), kOpenRequesterTitle, &requester));
  EXPECT_TRUE(OpenRequesterFolder(requester) == documents_ ||
              OpenRequesterFolder(requester) + L"\\" == documents_)
      << "the first requester opens in Documents, not in " << OpenRequesterFolder(requester);
  ASSERT_TRUE(ChooseFiles(requester, Folder(), {L"c.jpg", L"a.jpg", L"b.jpg"}));
  ASSERT_TRUE(WaitForRowCount(3));
  EXPECT_EQ(RowPaths(), (Names{Folder() + L"c.jpg", Folder() + L"a.jpg", Folder() + L"b.jpg"}))
      << "rows in the requester's order";
  EXPECT_EQ(Header(), L"Nom ( 3 éléments )");
  EXPECT_EQ(Text(Program().Control(kFolderPathField)), L"") << "the requester lists no folder";

  // Next time: it opens in their folder; a file already listed is not added again, a typed name that names no
  // file is added without an icon.
  Command(kAddFilesCommand);
  ASSERT_TRUE(WaitForDialog(Program().ProcessId(), kOpenRequesterTitle, &requester));
  EXPECT_TRUE(OpenRequesterFolder(requester) + L"\\" == Folder() || OpenRequesterFolder(requester) == Folder())
      << "the requester opens in " << OpenRequesterFolder(requester);
  ASSERT_TRUE(ChooseFiles(requester, Folder(), {L"a.jpg", L"absent.jpg", L"B.JPG"}));
  ASSERT_TRUE(WaitForRowCount(5));
  EXPECT_EQ(ListCellText(list_, 3, 1), Folder() + L"absent.jpg");
  EXPECT_EQ(ListCellText(list_, 4, 1), Folder() + L"B.JPG") << "another letter case makes another row";
  EXPECT_GE(RowImage(list_, 0), 0) << "an existing file has its icon";
  EXPECT_LT(RowImage(list_, 3), 0) << "a file that does not exist has no icon";
  EXPECT_EQ(Header(), L"Nom ( 5 éléments )");
}

TEST_F(FileListTest, ExplorerAddsMatchingFilesOnceListsFoldersAndRefusesOtherFiles) {
  MakeFiles({L"photo.JPG", L"notes.txt", L"album\\x.JPG", L"album\\y.jpg", L"album\\z.png",
             L"reglages\\desktop.ini", L"autres\\Desktop.ini", L"autres\\Thumbs.db", L"autres\\base.db"});
  ASSERT_FALSE(folder_->MakeFolder(L"parti").empty());
  OpenFolderInExplorer();
  ChooseType(L"JPG");

  AddFromExplorer(L"photo.JPG");
  ASSERT_TRUE(WaitForRows({L"photo.JPG"}));
  AddFromExplorer(L"notes.txt");
  ExpectMessage(L"Extension ?", L"Le fichier sélectionné ne correspond pas au type pré-défini.");
  AddFromExplorer(L"photo.JPG");
  ASSERT_TRUE(CaughtUp());
  EXPECT_EQ(RowNames(), (Names{L"photo.JPG"})) << "a listed file is not added again";

  AddFromExplorer(L"album");
  ASSERT_TRUE(WaitForRowCount(3));
  EXPECT_EQ(Sorted(RowNames()), (Names{L"photo.JPG", L"x.JPG", L"y.jpg"}));
  EXPECT_EQ(Text(Program().Control(kFolderPathField)), Folder() + L"album\\");

  ChooseType(L"INI");
  AddFromExplorer(L"reglages");
  ASSERT_TRUE(CaughtUp());
  EXPECT_EQ(ListRowCount(list_), 3) << "desktop.ini is never listed";
  AddFromExplorer(L"autres");
  ASSERT_TRUE(WaitForRowCount(4));
  EXPECT_EQ(ListCellText(list_, 3, 0), L"Desktop.ini");
  ChooseType(L"DB");
  AddFromExplorer(L"autres");
  ASSERT_TRUE(WaitForRowCount(5));
  EXPECT_EQ(ListCellText(list_, 4, 0), L"base.db") << "Thumbs.db is never listed";

  // A folder gone since it was shown: the user is told, nothing is added.
  ASSERT_TRUE(RemoveDirectoryW((Folder() + L"parti").c_str()));
  AddFromExplorer(L"parti");
  ExpectMessage(L"Répertoire", L"Le dossier choisi n'est pas accessible.");
  EXPECT_EQ(ListRowCount(list_), 5);
}

TEST_F(FileListTest, RemovingRowsFollowsTheSelectionAndTheHeaderAndBothButtonsRefuseAnEmptyList) {
  Click(Program().Control(kRemoveSelectionButton));
  ExpectMessage(L"ERREUR", L"Aucun fichiers dans la liste!");
  Click(Program().Control(kClearAllButton));
  ExpectMessage(L"ERREUR", L"Aucun fichiers dans la liste!");

  Names names;
  for (int i = 0; i < 150; ++i) names.push_back(L"f" + std::to_wstring(1000 + i) + L".jpg");
  MakeFiles(names);
  ChooseType(L"JPG");
  Command(kAddFolderCommand);
  HWND requester = nullptr;
  ASSERT_TRUE(WaitForFolderRequester(Program().ProcessId(), &requester));
  ASSERT_TRUE(ChooseFolder(requester, Folder()));
  ASSERT_TRUE(WaitForRowCount(150));
  Names listed = RowNames();
  std::vector<int> images;
  for (int row = 0; row < 150; ++row) images.push_back(RowImage(list_, row));

  // Nothing selected: nothing happens, no message.
  SelectListRow(list_, -1, false);
  Click(Program().Control(kRemoveSelectionButton));
  ASSERT_TRUE(CaughtUp());
  EXPECT_EQ(ListRowCount(list_), 150);
  EXPECT_TRUE(MessageBoxesOf(Program().ProcessId()).empty());

  // Three rows apart, then every other row: the others stay in their order with their icons.
  for (int row : {0, 2, 149}) ASSERT_TRUE(SelectListRow(list_, row, true));
  Click(Program().Control(kRemoveSelectionButton));
  ASSERT_TRUE(WaitForRowCount(147));
  EXPECT_EQ(Header(), L"Nom ( 147 éléments )");
  Names expected(listed.begin() + 1, listed.end() - 1);
  expected.erase(expected.begin() + 1);
  EXPECT_EQ(RowNames(), expected);
  for (int row = 0; row < 147; row += 2) ASSERT_TRUE(SelectListRow(list_, row, true));
  Click(Program().Control(kRemoveSelectionButton));
  ASSERT_TRUE(WaitForRowCount(73));
  Names kept;
  for (size_t i = 1; i < expected.size(); i += 2) kept.push_back(expected[i]);
  EXPECT_EQ(RowNames(), kept);
  for (int row = 0; row < 73; ++row) EXPECT_EQ(RowImage(list_, row), images.front()) << "row " << row;
  EXPECT_EQ(Header(), L"Nom ( 73 éléments )");

  // Every row selected: the header goes back to "Nom"; the folder path field stays.
  SelectListRow(list_, -1, true);
  Click(Program().Control(kRemoveSelectionButton));
  ASSERT_TRUE(WaitForRowCount(0));
  EXPECT_EQ(Header(), L"Nom");
  EXPECT_EQ(Text(Program().Control(kFolderPathField)), Folder());

  // "Retirer tout" empties the list and the folder path field.
  Command(kAddFolderCommand);
  ASSERT_TRUE(WaitForFolderRequester(Program().ProcessId(), &requester));
  ASSERT_TRUE(ChooseFolder(requester, Folder()));
  ASSERT_TRUE(WaitForRowCount(150));
  Click(Program().Control(kClearAllButton));
  ASSERT_TRUE(WaitForRowCount(0));
  EXPECT_EQ(Header(), L"Nom");
  EXPECT_EQ(Text(Program().Control(kFolderPathField)), L"");
}

}  // namespace

}  // namespace e2e
