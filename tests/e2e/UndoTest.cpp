// End-to-end tests of "Annuler le dernier renommage" on real files: by Ctrl+Z and from the list's popup menu, the
// question before, the files back under their old names with their contents, the log, and nothing left to undo.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "base/Numbers.h"
#include "e2e/RenameFixture.h"
#include "e2e/Screenshot.h"

namespace e2e {

namespace {

using namespace base;  // the program's control and command numbers

constexpr const wchar_t* kUndoTitle = L"Annulation du renommage";
using Contents = std::map<std::wstring, std::string>;  // a folder: each name with its file's content

// img_10.jpg... img_59.jpg holding their numbers, or the same files renumbered `prefix`1.jpg... in name order.
Contents Photos(const std::wstring& prefix = {}) {
  Contents photos;
  for (int i = 10; i < 60; ++i) {
    photos[prefix.empty() ? L"img_" + std::to_wstring(i) + L".jpg" : prefix + std::to_wstring(i - 9) + L".jpg"] =
        std::to_string(i);
  }
  return photos;
}

class UndoTest : public RenameTest {
 protected:
  void SetUp() override {
    RenameTest::SetUp();
    folder_ = MakeFolder(L"photos", {});
    for (const auto& [name, content] : Photos()) ASSERT_TRUE(WriteWholeFile(folder_ + name, content));
  }
  Contents Folder() {
    Contents folder;
    for (const std::wstring& name : EntriesOf(folder_)) folder[name] = ReadWholeFile(folder_ + name).value_or("?");
    return folder;
  }
  // The folder listed in name order (the command turns a list already in that order round: then once more), then
  // renumbered.
  void Renumber(const std::wstring& name) {
    ClearList();
    ASSERT_TRUE(ChooseType(Program(), L"JPG"));
    ASSERT_TRUE(ListFolderThroughRequester(Program(), folder_, 50));
    HWND list = Control(kFileList);
    Command(kListSortByName);
    ASSERT_TRUE(CaughtUp());
    if (!(ListCellText(list, 0, 0) < ListCellText(list, 49, 0))) {
      Command(kListSortByName);
      ASSERT_TRUE(CaughtUp());
    }
    ASSERT_LT(ListCellText(list, 0, 0), ListCellText(list, 49, 0)) << "the rows in name order";
    ChooseMode(kRenumberModeBox);
    Set(kNewNameField, name);
    Rename(0);
  }
  // Ctrl+Z as the keyboard gives it, the focus in the file list.
  void PressCtrlZ() {
    ASSERT_TRUE(GiveFocus(Control(kFileList)));
    ASSERT_TRUE(PressRealKeys(Control(kFileList), {VK_CONTROL, 'Z'}));
  }
  // A right click beside the rows, no row selected, then the menu's last entry from the keyboard.
  void UndoFromTheMenu(const std::string& shot) {
    HWND list = Control(kFileList);
    ASSERT_TRUE(SelectListRow(list, -1, false));
    RECT client{};
    GetClientRect(list, &client);
    RightClickAt(list, {20, client.bottom - 5});
    HWND menu = nullptr;
    ASSERT_TRUE(WaitForPopupMenu(Program().ProcessId(), &menu)) << "a right click opens the menu to undo";
    ASSERT_TRUE(PressRealKeys(list, {VK_UP}));
    EXPECT_TRUE(SaveScreenshot(shot));
    ASSERT_TRUE(PressRealKeys(list, {VK_RETURN}));
    ASSERT_TRUE(WaitUntilGone(menu));
  }
  // The question, answered; with Oui, the report: without failure answered Non, after failures the log shown.
  void AnswerQuestion(int button, int errors = 0) {
    HWND box = nullptr;
    ASSERT_TRUE(WaitForMessageBox(Program().ProcessId(), kUndoTitle, &box));
    EXPECT_EQ(MessageBoxText(box), L"Les 50 fichiers renommés vont reprendre leur ancien nom.\r\rVoulez-vous "
                                   L"annuler le dernier renommage ?");
    EXPECT_TRUE(GetWindowLongW(GetDlgItem(box, IDNO), GWL_STYLE) & BS_DEFPUSHBUTTON) << "\"Non\" is the default";
    ASSERT_TRUE(PressMessageBoxButton(box, button));
    ASSERT_TRUE(WaitUntilGone(box));
    if (button != kButtonYes) return;
    ASSERT_TRUE(WaitForMessageBox(Program().ProcessId(), kUndoTitle, &box, std::chrono::seconds(60)));
    EXPECT_EQ(MessageBoxText(box),
              errors == 0 ? L"Vos fichiers ont repris leur ancien nom.\r\rVoulez-vous lire le rapport d'événements ?"
                          : L"L'annulation du renommage est terminée.\r" + FailuresReported(errors));
    ASSERT_TRUE(PressMessageBoxButton(box, errors == 0 ? kButtonNo : kButtonOk));
    ASSERT_TRUE(WaitUntilGone(box));
    if (errors > 0) {
      EXPECT_TRUE(WaitUntil([] { return !LogViewers().empty(); }, kStartLimit)) << "the log is shown";
      CloseLogViewers();
    }
    EXPECT_TRUE(WaitForListRows(Program(), static_cast<int>(EntriesOf(folder_).size()))) << "the folder is listed";
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
};

TEST_F(UndoTest, CtrlZTakesARenumberOfFiftyFilesBackAfterAQuestionAndLogsEveryMove) {
  ExpectNothingToUndo();
  Renumber(L"Vacances");
  ASSERT_EQ(Folder(), Photos(L"Vacances"));

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
  AnswerQuestion(kButtonNo);
  EXPECT_EQ(Folder(), Photos(L"Vacances"));
  PressCtrlZ();
  AnswerQuestion(kButtonYes);
  EXPECT_EQ(Folder(), Photos());
  testing::AssertionResult wellFormed = testing::AssertionSuccess();
  std::vector<std::string> lines = LogLinesWithoutStamps(&wellFormed);
  EXPECT_TRUE(wellFormed);
  ASSERT_EQ(lines.size(), 100u) << "fifty renames, then fifty undone";
  EXPECT_EQ(lines[50], "Annulation - Le fichier [Vacances50.jpg] a repris son nom : img_59.jpg") << "last first";
  EXPECT_EQ(lines[99], "Annulation - Le fichier [Vacances1.jpg] a repris son nom : img_10.jpg");
  ExpectNothingToUndo();
}

TEST_F(UndoTest, TheListMenuUndoesOnlyTheSecondOfTwoPassesLeavingWhatTheUserChangedSince) {
  Renumber(L"A");
  Renumber(L"B");
  // Since the pass: B7.jpg replaced by another file (made beside it first, as programs save), and a new A13.jpg.
  ASSERT_TRUE(WriteWholeFile(folder_ + L"B7.jpg.new", "autre"));
  ASSERT_TRUE(MoveFileExW((folder_ + L"B7.jpg.new").c_str(), (folder_ + L"B7.jpg").c_str(), MOVEFILE_REPLACE_EXISTING));
  ASSERT_TRUE(WriteWholeFile(folder_ + L"A13.jpg", "nouveau"));

  UndoFromTheMenu("undo-menu-entry");
  AnswerQuestion(kButtonYes, 2);
  Contents expected = Photos(L"A");
  expected.erase(L"A7.jpg");
  expected[L"B7.jpg"] = "autre";
  expected[L"B13.jpg"] = expected[L"A13.jpg"];
  expected[L"A13.jpg"] = "nouveau";
  EXPECT_EQ(Folder(), expected) << "the others went back; the user's files stay as they are";
  testing::AssertionResult wellFormed = testing::AssertionSuccess();
  std::vector<std::string> lines = LogLinesWithoutStamps(&wellFormed);
  EXPECT_NE(std::find(lines.begin(), lines.end(),
                      "Erreur! - Annulation - Le fichier [B13.jpg] n'a pu reprendre son nom : A13.jpg"),
            lines.end());
  ExpectNothingToUndo();
}

class Undo144Test : public UndoTest {};

TEST_F(Undo144Test, TheMenuOfAnEmptyListTakesARenumberBack) {
  Renumber(L"A");
  ClearList();
  UndoFromTheMenu("undo-menu-entry-144dpi");
  AnswerQuestion(kButtonYes);
  EXPECT_EQ(Folder(), Photos());
}

}  // namespace

}  // namespace e2e
