// End-to-end tests of the file list's popup entries and of the two shell shortcuts beside the list, on real files
// in the user's Documents folder: the list is filled through the folder requester, the entries are posted as
// commands, the recycle bin is read where Wine keeps it ($HOME/.local/share/Trash).
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/Numbers.h"
#include "e2e/Driver.h"
#include "e2e/FileListFixture.h"
#include "e2e/ListFilling.h"
#include "e2e/ProgramFixtures.h"
#include "e2e/Requesters.h"
#include "e2e/ScratchFolder.h"
#include "e2e/Screenshot.h"
#include "e2e/UserFolders.h"

namespace e2e {

namespace {

using namespace base;  // the program's control and command numbers

namespace fs = std::filesystem;

class FileActionsTest : public FileListFixture {
 protected:
  void TearDown() override {
    FreshRunTest::TearDown();
    for (HWND window : viewers_) PostMessageW(window, WM_CLOSE, 0, 0);
    for (const fs::path& entry : TrashEntriesOfOurFolder()) {
      std::error_code ignored;
      fs::remove_all(TrashFolder() / L"files" / entry.stem(), ignored);
      fs::remove(entry, ignored);
    }
    FileListFixture::TearDown();
  }

  std::wstring FolderLeaf() const { return fs::path(Folder()).parent_path().filename().wstring(); }

  // Lists our folder's entries of the type through "Ajouter un répertoire complet".
  void ListFolder(const std::wstring& type, int rows) {
    ASSERT_TRUE(ChooseType(Program(), type));
    ASSERT_TRUE(ListFolderThroughRequester(Program(), Folder(), rows));
  }
  // Selects exactly these rows and posts the command.
  void RunOnRows(int command, const std::vector<int>& rows) {
    ASSERT_TRUE(SelectListRow(list_, -1, false));
    for (int row : rows) ASSERT_TRUE(SelectListRow(list_, row, true));
    Command(command);
  }
  // Runs the command on two adjacent rows of six, then on three, then on the last: each time exactly those rows go
  // and the header counts the others, down to "Nom ( 0 éléments )". `answer` answers what the command asks first.
  void TakeEveryRowInAdjacentGroups(int command, const std::function<void(const Names& rows)>& answer = {}) {
    Names listed = RowNames();
    for (const std::vector<int>& rows : {std::vector<int>{1, 2}, std::vector<int>{0, 1, 2}, std::vector<int>{0}}) {
      Names taken;
      for (int row : rows) taken.push_back(listed[static_cast<size_t>(row)]);
      for (auto row = rows.rbegin(); row != rows.rend(); ++row) listed.erase(listed.begin() + *row);
      RunOnRows(command, rows);
      if (answer) answer(taken);
      ASSERT_TRUE(WaitForRows(listed));
      EXPECT_EQ(Header(), L"Nom ( " + std::to_wstring(listed.size()) + L" éléments )");
    }
  }

  // Every failure message of these commands shows the error icon.
  void ExpectMessage(const std::wstring& title, const std::wstring& text) {
    HWND box = nullptr;
    ASSERT_TRUE(WaitForMessageBox(Program().ProcessId(), title, &box));
    EXPECT_EQ(GetWindowLongW(FindWindowExW(box, nullptr, L"Static", nullptr), GWL_STYLE) & SS_ICON, SS_ICON)
        << "the box shows an icon";
    FileListFixture::ExpectMessage(title, text);
  }

  // "/NAME" and the character that follows it, as a record of the recycle bin writes a plain ASCII name.
  static std::string TrashRecordPart(const std::wstring& name, char after) {
    std::string part(1, '/');
    for (wchar_t c : name) part.push_back(static_cast<char>(c));
    part.push_back(after);
    return part;
  }

  // Wine's recycle bin, where every entry has its record in info/ that names the place it came from.
  // Wine gives its programs the Unix home folder as WINEHOMEDIR, in the form \??\Z:\...
  static fs::path TrashFolder() {
    wchar_t home[MAX_PATH] = {};
    GetEnvironmentVariableW(L"WINEHOMEDIR", home, MAX_PATH);
    std::wstring folder = home;
    if (folder.rfind(L"\\??\\", 0) == 0) folder.erase(0, 4);
    return fs::path(folder) / L".local" / L"share" / L"Trash";
  }
  std::vector<fs::path> TrashEntriesOfOurFolder() const {
    std::vector<fs::path> entries;
    std::error_code failed;
    std::string leaf = TrashRecordPart(FolderLeaf(), '/');
    for (const fs::directory_entry& entry : fs::directory_iterator(TrashFolder() / L"info", failed)) {
      auto text = ReadWholeFile(entry.path().wstring());
      if (text && text->find(leaf) != std::string::npos) entries.push_back(entry.path());
    }
    return entries;
  }
  // The entry of the recycle bin that came from our folder under this name, or an empty path.
  fs::path Recycled(const std::wstring& name) const {
    std::string line = TrashRecordPart(FolderLeaf(), '/');
    line.append(TrashRecordPart(name, '\n'), 1);
    for (const fs::path& entry : TrashEntriesOfOurFolder()) {
      if (ReadWholeFile(entry.wstring())->find(line) != std::string::npos) {
        return TrashFolder() / L"files" / entry.stem();
      }
    }
    return {};
  }

  int ExplorerRow(const std::wstring& name) {
    HWND explorer = Program().Control(kExplorer);
    for (int i = 0, count = ListRowCount(explorer); i < count; ++i) {
      if (ListCellText(explorer, i, 0) == name) return i;
    }
    return -1;
  }
  // Opens our folder in the explorer control with a double click, and waits until it shows the entry.
  void ShowOurFolderInExplorer(const std::wstring& entry) {
    HWND explorer = Program().Control(kExplorer);
    ASSERT_TRUE(WaitUntil([&] { return ExplorerRow(FolderLeaf()) >= 0; }, kReactionLimit));
    RECT place{};
    ASSERT_TRUE(ListRowNamePlace(explorer, ExplorerRow(FolderLeaf()), &place));
    DoubleClickAt(explorer, {(place.left + place.right) / 2, (place.top + place.bottom) / 2});
    ASSERT_TRUE(WaitUntil([&] { return ExplorerRow(entry) >= 0; }, kReactionLimit)) << "our folder shows " << entry;
  }

  // Waits for a window of the shell's viewers and keeps it to be closed at the end.
  testing::AssertionResult WaitForViewer(const std::wstring& titlePart) {
    std::vector<HWND> found;
    if (!WaitUntil([&] { return !(found = VisibleWindowsTitled(titlePart)).empty(); }, kReactionLimit * 2)) {
      testing::AssertionResult failure = testing::AssertionFailure();
      failure << "no window titled with \"" << titlePart << "\" opened; windows on show:";
      for (HWND window : VisibleWindowsTitled(L"")) failure << " \"" << WindowTitle(window) << "\"";
      return failure;
    }
    viewers_.insert(viewers_.end(), found.begin(), found.end());
    return testing::AssertionSuccess();
  }

  // The question of "Supprimer" about these rows, "Non" by default, answered with `button`.
  void AnswerDeletion(const Names& rows, int button, const std::string& shot = {}) {
    HWND box = nullptr;
    ASSERT_TRUE(WaitForMessageBox(Program().ProcessId(), L"Suppression", &box));
    EXPECT_EQ(MessageBoxText(box),
              rows.size() == 1 ? L"Voulez-vous vraiment supprimer définitivement le fichier " + rows[0] +
                                     L" ?\r\rIl ne pourra pas être récupéré dans la corbeille."
                               : L"Voulez-vous vraiment supprimer définitivement ces " + std::to_wstring(rows.size()) +
                                     L" fichiers ?\r\rIls ne pourront pas être récupérés dans la corbeille.");
    EXPECT_TRUE(GetWindowLongW(GetDlgItem(box, IDNO), GWL_STYLE) & BS_DEFPUSHBUTTON) << "\"Non\" is the default";
    if (!shot.empty()) {
      EXPECT_TRUE(SaveScreenshot(shot));
    }
    ASSERT_TRUE(PressMessageBoxButton(box, button));
    ASSERT_TRUE(WaitUntilGone(box));
  }

  std::vector<HWND> viewers_;
};

TEST_F(FileActionsTest, RemovingFromTheListTakesAdjacentRowsLeavesTheFilesAndKeepsTheCountedHeaderAtZero) {
  Names names{L"a.txt", L"b.txt", L"c.txt", L"d.txt", L"e.txt", L"f.txt"};
  MakeFiles(names);
  ListFolder(L"TXT", 6);
  TakeEveryRowInAdjacentGroups(kListRemove);
  for (const std::wstring& name : names) EXPECT_TRUE(FileExists(PathOf(name))) << name << " is left on disk";

  // "Retirer sélection" on every row, by contrast, gives "Nom" back.
  ListFolder(L"TXT", 6);
  ASSERT_TRUE(SelectListRow(list_, -1, true));
  Click(Program().Control(kRemoveSelectionButton));
  ASSERT_TRUE(WaitForRows({}));
  EXPECT_EQ(Header(), L"Nom");
}

TEST_F(FileActionsTest, RecyclingSendsEveryAdjacentSelectedRowToTheRecycleBinAFolderWithItsContent) {
  Names names{L"a.txt", L"b.txt", L"c.txt", L"d.txt", L"e.txt", L"album.txt\\dedans.jpg"};
  MakeFiles(names);
  ListFolder(L"TXT", 6);
  TakeEveryRowInAdjacentGroups(kListRecycle);
  names.back() = L"album.txt";
  for (const std::wstring& name : names) {
    EXPECT_FALSE(fs::exists(fs::path(PathOf(name)))) << name << " left its folder";
    EXPECT_FALSE(Recycled(name).empty()) << name << " is in the recycle bin";
  }
  EXPECT_TRUE(fs::exists(Recycled(L"album.txt") / L"dedans.jpg")) << "the folder went with its content";
}

TEST_F(FileActionsTest, ARowThatCannotBeRecycledGetsItsMessageKeepsItsRowAndTheNextIsRecycled) {
  MakeFiles({L"a.txt", L"b.txt", L"c.txt"});
  ListFolder(L"TXT", 3);
  Names listed = RowNames();
  ASSERT_TRUE(DeleteFileW(PathOf(listed[0]).c_str()));
  RunOnRows(kListRecycle, {0, 1});
  ExpectMessage(L"Envoi à la corbeille", L"Le fichier " + listed[0] + L" n'a pu être placé dans la corbeille !");
  ASSERT_TRUE(WaitForRows({listed[0], listed[2]}));
  EXPECT_FALSE(Recycled(listed[1]).empty()) << listed[1] << " is in the recycle bin";
  EXPECT_TRUE(MessageBoxesOf(Program().ProcessId()).empty()) << "one message only";
}

TEST_F(FileActionsTest, DeletingAsksFirstNonChangesNothingOuiTakesAdjacentRowsAndReadOnlyFiles) {
  Names names{L"a.txt", L"b.txt", L"c.txt", L"d.txt", L"e.txt", L"f.txt"};
  MakeFiles(names);
  for (const std::wstring& name : names) ASSERT_TRUE(SetFileAttributesW(PathOf(name).c_str(), FILE_ATTRIBUTE_READONLY));
  ListFolder(L"TXT", 6);
  Names listed = RowNames();
  RunOnRows(kListDelete, {0, 1, 2, 3, 4, 5});
  AnswerDeletion(listed, kButtonNo, "delete-question");
  ASSERT_TRUE(CaughtUp());
  EXPECT_EQ(RowNames(), listed) << "\"Non\" keeps every row";
  for (const std::wstring& name : names) EXPECT_TRUE(FileExists(PathOf(name))) << name << " is left on disk";

  TakeEveryRowInAdjacentGroups(kListDelete, [&](const Names& rows) { AnswerDeletion(rows, kButtonYes); });
  for (const std::wstring& name : names) {
    EXPECT_FALSE(FileExists(PathOf(name))) << name << " is deleted";
    EXPECT_TRUE(Recycled(name).empty()) << name << " is not in the recycle bin";
  }
}

TEST_F(FileActionsTest, DeletingRefusesAFolderAndAFileInUseEachWithItsMessageAndGoesOn) {
  MakeFiles({L"a.txt", L"b.txt", L"c.txt", L"album.txt\\dedans.jpg"});
  ListFolder(L"TXT", 4);
  Names listed = RowNames();
  std::wstring held = listed[0] == L"album.txt" ? listed[1] : listed[0];
  HANDLE open = CreateFileW(PathOf(held).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(open, INVALID_HANDLE_VALUE) << "holding " << held << " open";

  ASSERT_TRUE(SelectListRow(list_, -1, true));
  Command(kListDelete);
  AnswerDeletion(listed, kButtonYes);
  // The messages come in list order, one per row that stays.
  for (const std::wstring& name : listed) {
    if (name == held || name == L"album.txt") {
      ExpectMessage(L"Suppression", L"Le fichier " + name + L" n'a pu être supprimé !");
    }
  }
  CloseHandle(open);
  Names kept;
  for (const std::wstring& name : listed) {
    if (name == held || name == L"album.txt") kept.push_back(name);
  }
  ASSERT_TRUE(WaitForRows(kept));
  EXPECT_TRUE(FileExists(PathOf(held)));
  EXPECT_TRUE(FileExists(PathOf(L"album.txt\\dedans.jpg"))) << "the folder keeps its content";
  EXPECT_EQ(Header(), L"Nom ( 2 éléments )");
}

TEST_F(FileActionsTest, OpeningShowsFilesAndFoldersInTheShellsViewersAndTheFolderButtonNeedsAListedFolder) {
  // Debian's Wine gives .ini files to notepad, and has no program for .txt files.
  MakeFiles({L"note-liste.ini", L"note-explorateur.ini", L"dossier\\x.jpg"});
  // With no folder listed, the button does nothing: no window of any program comes up.
  std::vector<HWND> before = VisibleWindowsTitled(L"");
  Click(Program().Control(kOpenFolderButton));
  ASSERT_TRUE(CaughtUp());
  EXPECT_FALSE(WaitUntil([&] { return VisibleWindowsTitled(L"") != before; }, Milliseconds(3000)))
      << "a window came up";

  ListFolder(L"INI", 2);
  int row = RowNames()[0] == L"note-liste.ini" ? 0 : 1;
  RunOnRows(kListOpen, {row});
  ASSERT_TRUE(WaitForViewer(L"note-liste.ini")) << "\"Ouvrir/voir\" opens the file";

  Click(Program().Control(kOpenFolderButton));
  ASSERT_TRUE(WaitForViewer(FolderLeaf())) << "the listed folder opens";

  // The explorer control: our folder, then "Ouvrir" on a file and on a folder.
  HWND explorer = Program().Control(kExplorer);
  ShowOurFolderInExplorer(L"dossier");
  ASSERT_TRUE(SelectListRow(explorer, ExplorerRow(L"note-explorateur.ini"), true));
  Command(kExplorerOpen);
  ASSERT_TRUE(WaitForViewer(L"note-explorateur.ini"));
  ASSERT_TRUE(SelectListRow(explorer, ExplorerRow(L"dossier"), true));
  Command(kExplorerOpen);
  ASSERT_TRUE(WaitForViewer(L"dossier"));
  EXPECT_EQ(ListRowCount(list_), 2) << "opening changes nothing in the list";
}

TEST_F(FileActionsTest, ShiftF10AndTheMenuKeyOpenTheListMenuUnderTheSelectedRowAndItsRemoveEntryTakesTheRowOut) {
  MakeFiles({L"a.txt", L"b.txt", L"c.txt", L"d.txt"});
  ListFolder(L"TXT", 4);
  Names listed = RowNames();
  // Away from the list, where a menu opened at the pointer would show.
  ASSERT_TRUE(PlacePointer({0, 0}));
  ASSERT_TRUE(GiveFocus(list_));
  ASSERT_TRUE(PressRealKeys(list_, {VK_HOME}));
  ASSERT_TRUE(PressRealKeys(list_, {VK_DOWN}));
  ASSERT_TRUE(WaitUntil([&] { return SelectedListRows(list_) == std::vector<int>{1}; }, kReactionLimit))
      << "Home then Down select the second row";

  ASSERT_TRUE(PressRealKeys(list_, {VK_SHIFT, VK_F10}));
  HWND menu = nullptr;
  ASSERT_TRUE(WaitForPopupMenuUnderRow(list_, 1, &menu)) << "Shift+F10 on the focused selected row";
  ASSERT_TRUE(PressRealKeys(list_, {VK_ESCAPE}));
  ASSERT_TRUE(WaitUntilGone(menu)) << "Escape closes the menu";

  // Ctrl+Down moves the focus on without selecting: the menu belongs to the selected row all the same.
  ASSERT_TRUE(PressRealKeys(list_, {VK_CONTROL, VK_DOWN}));
  ASSERT_TRUE(WaitUntil([&] { return FocusedListRow(list_) == 2; }, kReactionLimit)) << "the focus on the third row";
  ASSERT_EQ(SelectedListRows(list_), std::vector<int>{1}) << "the second row alone selected";
  ASSERT_TRUE(PressRealKeys(list_, {VK_APPS}));
  ASSERT_TRUE(WaitForPopupMenuUnderRow(list_, 1, &menu)) << "the Menu key, the focus on an unselected row";
  EXPECT_TRUE(SaveScreenshot("file-list-menu-from-keyboard"));

  // "Propriétés", "Ouvrir/voir", then "Retirer de la liste", the separators passed over.
  for (UINT key : {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}) ASSERT_TRUE(PressRealKeys(list_, {key}));
  const std::wstring removed = listed[1];
  listed.erase(listed.begin() + 1);
  ASSERT_TRUE(WaitForRows(listed)) << "the selected row is taken out";
  EXPECT_TRUE(FileExists(PathOf(removed))) << removed << " is left on disk";
  EXPECT_TRUE(Recycled(removed).empty()) << removed << " is not in the recycle bin";

  ASSERT_TRUE(SelectedListRows(list_).empty()) << "no row is selected any more";
  ASSERT_TRUE(PressRealKeys(list_, {VK_SHIFT, VK_F10}));
  // Keys come after posted messages: only time tells that nothing came of them.
  EXPECT_FALSE(WaitUntil([&] { return !PopupMenusOf(Program().ProcessId()).empty(); }, Milliseconds(1500)))
      << "with nothing selected no menu opens";
}

TEST_F(FileActionsTest, EnterOnAFileOfTheExplorerOpensItAsOuvrirDoes) {
  MakeFiles({L"note-entree.ini"});
  HWND explorer = Program().Control(kExplorer);
  ShowOurFolderInExplorer(L"note-entree.ini");
  ASSERT_TRUE(GiveFocus(explorer));
  // "..", then the file: End selects it.
  ASSERT_TRUE(PressRealKeys(explorer, {VK_END}));
  ASSERT_TRUE(WaitUntil([&] { return SelectedListRows(explorer) == std::vector<int>{ExplorerRow(L"note-entree.ini")}; },
                        kReactionLimit))
      << "End selects the file";
  ASSERT_TRUE(PressRealKeys(explorer, {VK_RETURN}));
  ASSERT_TRUE(WaitForViewer(L"note-entree.ini")) << "Enter opens the file in its viewer";
  EXPECT_EQ(ListRowCount(explorer), 2) << "the explorer control still shows our folder";
}

}  // namespace

}  // namespace e2e
