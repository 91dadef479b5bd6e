// End-to-end tests of "Annuler le dernier renommage" on real files: by Ctrl+Z and from the list's popup menu, the
// question before, the files back under their old names with their contents, the log, and nothing left to undo.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/Numbers.h"
#include "e2e/RenameFixture.h"
#include "e2e/Screenshot.h"

namespace e2e {

namespace {

using namespace base;  // the program's control and command numbers

constexpr const wchar_t* kUndoTitle = L"Annulation du renommage";

class UndoTest : public RenameTest {
 protected:
  // Fifty photos, each with its number as content.
  void MakeFiftyPhotos() {
    std::vector<std::pair<std::wstring, std::string>> files;
    for (int i = 10; i < 60; ++i) files.push_back({L"img_" + std::to_wstring(i) + L".jpg", std::to_string(i)});
    folder_ = MakeFolder(L"photos", files);
    for (const auto& [name, content] : files) originals_.push_back(name);
  }
  // The folder listed in name order, then renumbered.
  void Renumber(const std::wstring& name) {
    ClearList();
    ASSERT_TRUE(ChooseType(Program(), L"JPG"));
    ASSERT_TRUE(ListFolderThroughRequester(Program(), folder_, 50));
    HWND list = Control(kFileList);
    // A list already in name order is turned round by the command: then it is given once more.
    Command(kListSortByName);
    ASSERT_TRUE(CaughtUp());
    if (ListCellText(list, 0, 0) > ListCellText(list, 49, 0)) Command(kListSortByName);
    ASSERT_TRUE(CaughtUp());
    ASSERT_LT(ListCellText(list, 0, 0), ListCellText(list, 49, 0)) << "the rows in name order";
    ChooseMode(kRenumberModeBox);
    Set(kNewNameField, name);
    Rename(0);
  }
  // Every photo named `prefix` and its number from 1 to 50, each with the content it had as img_<9 + number>.jpg.
  void ExpectRenumbered(const std::wstring& prefix) {
    Names expected;
    for (int i = 1; i <= 50; ++i) expected.push_back(prefix + std::to_wstring(i) + L".jpg");
    std::sort(expected.begin(), expected.end());
    ASSERT_EQ(EntriesOf(folder_), expected);
    for (int i = 1; i <= 50; ++i) {
      EXPECT_EQ(ReadWholeFile(folder_ + prefix + std::to_wstring(i) + L".jpg"), std::to_string(9 + i));
    }
  }
  void ExpectOriginals() {
    ASSERT_EQ(EntriesOf(folder_), originals_);
    for (const std::wstring& name : originals_) EXPECT_EQ(ReadWholeFile(folder_ + name), Utf8(name.substr(4, 2)));
  }

  // Ctrl+Z as the keyboard gives it, the focus in the file list.
  void PressCtrlZ() {
    ASSERT_TRUE(GiveFocus(Control(kFileList)));
    ASSERT_TRUE(PressRealKeys(Control(kFileList), {VK_CONTROL, 'Z'}));
  }
  // A right click beside the rows, then the menu's last entry from the keyboard.
  void UndoFromTheMenu(const std::string& shot = {}) {
    HWND list = Control(kFileList);
    ASSERT_TRUE(SelectListRow(list, -1, false));
    RECT client{};
    GetClientRect(list, &client);
    RightClickAt(list, {20, client.bottom - 5});
    HWND menu = nullptr;
    ASSERT_TRUE(WaitForPopupMenu(Program().ProcessId(), &menu)) << "a right click opens the menu to undo";
    ASSERT_TRUE(PressRealKeys(list, {VK_UP}));
    if (!shot.empty()) {
      EXPECT_TRUE(SaveScreenshot(shot));
    }
    ASSERT_TRUE(PressRealKeys(list, {VK_RETURN}));
    ASSERT_TRUE(WaitUntilGone(menu));
  }
  // The question, answered; with Oui, the report of the undo: without failure answered Non, with failures (OK) the
  // log shown.
  void AnswerQuestion(int files, int button, int errors = 0) {
    HWND box = nullptr;
    ASSERT_TRUE(WaitForMessageBox(Program().ProcessId(), kUndoTitle, &box));
    EXPECT_EQ(MessageBoxText(box), L"Les " + std::to_wstring(files) +
                                       L" fichiers renommés vont reprendre leur ancien nom.\r\rVoulez-vous annuler le "
                                       L"dernier renommage ?");
    EXPECT_TRUE(GetWindowLongW(GetDlgItem(box, IDNO), GWL_STYLE) & BS_DEFPUSHBUTTON) << "\"Non\" is the default";
    ASSERT_TRUE(PressMessageBoxButton(box, button));
    ASSERT_TRUE(WaitUntilGone(box));
    if (button != kButtonYes) return;
    ASSERT_TRUE(WaitForMessageBox(Program().ProcessId(), kUndoTitle, &box, std::chrono::seconds(60)));
    EXPECT_EQ(MessageBoxText(box), errors == 0 ? L"Vos fichiers ont repris leur ancien nom.\r\rVoulez-vous lire le "
                                                 L"rapport d'événements ?"
                                               : L"L'annulation du renommage est terminée.\rMais il y a eu " +
                                                     std::to_wstring(errors) +
                                                     L" erreur(s) durant l'opération\r\rLe rapport d'événements va "
                                                     L"s'afficher où vous pourrez voir quels fichiers ont posé "
                                                     L"problèmes.");
    ASSERT_TRUE(PressMessageBoxButton(box, errors == 0 ? kButtonNo : kButtonOk));
    ASSERT_TRUE(WaitUntilGone(box));
    if (errors > 0) {
      EXPECT_TRUE(WaitUntil([] { return !LogViewers().empty(); }, kStartLimit)) << "the log is shown";
      CloseLogViewers();
    }
    ASSERT_TRUE(WaitForListRows(Program(), static_cast<int>(EntriesOf(folder_).size()))) << "the folder is listed again";
  }
  void ExpectNothingToUndo() {
    PressCtrlZ();
    HWND box = nullptr;
    ASSERT_TRUE(WaitForMessageBox(Program().ProcessId(), kUndoTitle, &box));
    EXPECT_EQ(MessageBoxText(box), L"Il n'y a aucun renommage à annuler.");
    ASSERT_TRUE(PressMessageBoxButton(box, kButtonOk));
    ASSERT_TRUE(WaitUntilGone(box));
  }

  std::wstring folder_;
  Names originals_;
};

TEST_F(UndoTest, CtrlZTakesARenumberOfFiftyFilesBackAfterAQuestionAndLogsEveryMove) {
  ExpectNothingToUndo();
  MakeFiftyPhotos();
  Renumber(L"Vacances");
  ExpectRenumbered(L"Vacances");

  // In a text field Ctrl+Z undoes the typing, and no file moves.
  HWND field = Control(kNewNameField);
  ASSERT_TRUE(GiveFocus(field));
  MoveCaretToEnd(field);
  ASSERT_TRUE(TypeRealText(field, L"X"));
  ASSERT_TRUE(WaitUntil([&] { return Text(field) == L"VacancesX"; }, kReactionLimit));
  ASSERT_TRUE(PressRealKeys(field, {VK_CONTROL, 'Z'}));
  EXPECT_TRUE(WaitUntil([&] { return Text(field) == L"Vacances"; }, kReactionLimit)) << "the field took Ctrl+Z";
  EXPECT_TRUE(MessageBoxesOf(Program().ProcessId()).empty()) << "the undo was not asked for";

  PressCtrlZ();
  AnswerQuestion(50, kButtonNo);
  ExpectRenumbered(L"Vacances");
  PressCtrlZ();
  AnswerQuestion(50, kButtonYes);
  ExpectOriginals();

  testing::AssertionResult wellFormed = testing::AssertionSuccess();
  std::vector<std::string> lines = LogLinesWithoutStamps(&wellFormed);
  EXPECT_TRUE(wellFormed);
  ASSERT_EQ(lines.size(), 100u) << "fifty renames, then fifty undone";
  for (int i = 0; i < 50; ++i) {
    std::wstring newName = L"Vacances" + std::to_wstring(50 - i) + L".jpg";
    EXPECT_EQ(lines[50 + static_cast<size_t>(i)], "Annulation - Le fichier [" + Utf8(newName) +
                                                      "] a repris son nom : " + Utf8(originals_[49 - static_cast<size_t>(i)]))
        << "the last renamed first";
  }
  ExpectNothingToUndo();
}

TEST_F(UndoTest, TheListMenuUndoesOnlyTheSecondOfTwoPassesLeavingWhatTheUserChangedSince) {
  MakeFiftyPhotos();
  Renumber(L"A");
  Renumber(L"B");
  ExpectRenumbered(L"B");
  // Since the pass: B7.jpg replaced by another file (made beside it first, as programs save), and a new A13.jpg.
  ASSERT_TRUE(WriteWholeFile(folder_ + L"B7.jpg.new", "autre"));
  ASSERT_TRUE(MoveFileExW((folder_ + L"B7.jpg.new").c_str(), (folder_ + L"B7.jpg").c_str(), MOVEFILE_REPLACE_EXISTING));
  ASSERT_TRUE(WriteWholeFile(folder_ + L"A13.jpg", "nouveau"));

  UndoFromTheMenu("undo-menu-entry");
  AnswerQuestion(50, kButtonYes, 2);
  Names expected;
  for (int i = 1; i <= 50; ++i) expected.push_back((i == 7 || i == 13 ? L"B" : L"A") + std::to_wstring(i) + L".jpg");
  expected.push_back(L"A13.jpg");
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(EntriesOf(folder_), expected);
  EXPECT_EQ(ReadWholeFile(folder_ + L"B7.jpg"), "autre") << "the user's file stays where it was put";
  EXPECT_EQ(ReadWholeFile(folder_ + L"A13.jpg"), "nouveau") << "the user's new file is not replaced";
  EXPECT_EQ(ReadWholeFile(folder_ + L"B13.jpg"), "22");
  EXPECT_EQ(ReadWholeFile(folder_ + L"A14.jpg"), "23") << "the others went back";
  testing::AssertionResult wellFormed = testing::AssertionSuccess();
  std::vector<std::string> lines = LogLinesWithoutStamps(&wellFormed);
  EXPECT_NE(std::find(lines.begin(), lines.end(),
                      "Erreur! - Annulation - Le fichier [B13.jpg] n'a pu reprendre son nom : A13.jpg"),
            lines.end());
  ExpectNothingToUndo();
}

class Undo144Test : public UndoTest {};

TEST_F(Undo144Test, TheListMenuTakesARenumberBack) {
  MakeFiftyPhotos();
  Renumber(L"A");
  UndoFromTheMenu("undo-menu-entry-144dpi");
  AnswerQuestion(50, kButtonYes);
  ExpectOriginals();
}

}  // namespace

}  // namespace e2e
