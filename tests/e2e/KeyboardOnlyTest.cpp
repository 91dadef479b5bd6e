// The whole job with the keyboard alone: real keys to the program, no click anywhere. A type typed in the task
// pane, a folder listed through the pane's link and the folder requester, renumbering chosen, the rename started
// and both of its boxes answered.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "e2e/ListFilling.h"
#include "e2e/ProgramFixtures.h"
#include "e2e/Requesters.h"
#include "e2e/Screenshot.h"
#include "e2e/ScratchFolder.h"
#include "e2e/UserFolders.h"

namespace e2e {
namespace {

constexpr int kMostTabs = 40;  // more than the main window has stops

class KeyboardOnlyTest : public FreshRunTest {
 protected:
  HWND Focus() { return FocusedControlOf(Window()); }
  bool FocusIsIn(HWND control) {
    HWND focus = Focus();
    return control && focus && (focus == control || IsChild(control, focus));
  }
  // Tab, as a person would, until the focus is on the control; false after more presses than the window has stops.
  bool TabTo(HWND control) {
    for (int presses = 0; presses < kMostTabs; ++presses) {
      if (FocusIsIn(control)) return true;
      if (!PressRealKeys(Window(), {VK_TAB})) return false;
      HWND before = Focus();
      WaitUntil([&] { return Focus() != before; }, Milliseconds(1000));
    }
    return FocusIsIn(control);
  }
  HWND Canvas() { return FindWindowExW(Program().Control(base::kTaskPane), nullptr, L"TarvelleScrollCanvas", nullptr); }
  void DoTheWholeJob(const std::string& shot);
};

// The same at 150 %, in a prefix of its own.
class KeyboardOnly144Test : public KeyboardOnlyTest {};

TEST_F(KeyboardOnlyTest, FillTheListRenumberAndAnswerTheBoxes) { DoTheWholeJob("keyboard-on-link-96dpi"); }
TEST_F(KeyboardOnly144Test, FillTheListRenumberAndAnswerTheBoxes) { DoTheWholeJob("keyboard-on-link-144dpi"); }

void KeyboardOnlyTest::DoTheWholeJob(const std::string& shot) {
  ScratchFolder folder(ShellFolderPath(CSIDL_PERSONAL));
  for (const wchar_t* name : {L"a.jpg", L"b.jpg", L"c.jpg"}) ASSERT_FALSE(folder.MakeFile(name, "x").empty());
  const std::wstring folderName = std::filesystem::path(folder.Path()).parent_path().filename().wstring();

  // The pane comes first: its first header, then the type field.
  ASSERT_TRUE(PressRealKeys(Window(), {VK_TAB}));
  ASSERT_TRUE(WaitUntil([&] { return Focus() == Canvas(); }, kReactionLimit)) << "Tab reaches the task pane";
  HWND typeField = Program().Control(base::kTypeField);
  ASSERT_TRUE(PressRealKeys(Window(), {VK_TAB}));
  ASSERT_TRUE(WaitUntil([&] { return FocusIsIn(typeField); }, kReactionLimit)) << "then the type field";
  ASSERT_TRUE(TypeRealText(Window(), L"jpg"));
  ASSERT_TRUE(WaitUntil([&] { return Text(ComboEditField(typeField)) == L"JPG"; }, kReactionLimit))
      << "the field shows " << testing::PrintToString(Text(ComboEditField(typeField)));

  // The two links, then Enter on "Ajouter un répertoire complet".
  ASSERT_TRUE(PressRealKeys(Window(), {VK_TAB}));
  ASSERT_TRUE(PressRealKeys(Window(), {VK_TAB}));
  ASSERT_TRUE(WaitUntil([&] { return Focus() == Canvas(); }, kReactionLimit))
      << "focus on " << WindowClass(Focus()) << " id " << GetDlgCtrlID(Focus()) << " parent "
      << WindowClass(GetParent(Focus()));
  EXPECT_TRUE(SaveWindowScreenshot(shot, Window()));  // the focus rectangle around the link, to look at
  ASSERT_TRUE(PressRealKeys(Window(), {VK_RETURN}));
  HWND requester = nullptr;
  ASSERT_TRUE(WaitForFolderRequester(Program().ProcessId(), &requester));
  // Documents is selected: the right arrow opens it, typing a name goes to that folder, Enter confirms.
  ASSERT_TRUE(WaitUntil([&] { return !FolderRequesterSelection(requester).empty(); }, kReactionLimit));
  ASSERT_TRUE(PressRealKeys(requester, {VK_RIGHT}));
  ASSERT_TRUE(TypeRealText(requester, folderName));
  ASSERT_TRUE(WaitUntil([&] { return FolderRequesterSelection(requester) == folderName; }, kReactionLimit))
      << "the requester shows " << testing::PrintToString(FolderRequesterSelection(requester));
  ASSERT_TRUE(PressRealKeys(requester, {VK_RETURN}));
  ASSERT_TRUE(WaitUntilGone(requester));
  ASSERT_TRUE(WaitForListRows(Program(), 3));

  // Renumbering, its new name, and "Renommer".
  HWND renumber = Program().Control(base::kRenumberModeBox);
  ASSERT_TRUE(TabTo(renumber)) << "Tab reaches the renumber box";
  ASSERT_TRUE(PressRealKeys(Window(), {VK_SPACE}));
  ASSERT_TRUE(WaitUntil([&] { return IsTicked(renumber); }, kReactionLimit));
  HWND newName = Program().Control(base::kNewNameField);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(newName) != FALSE; }, kReactionLimit)) << "its panel shows";
  ASSERT_TRUE(TabTo(newName));
  ASSERT_TRUE(TypeRealText(Window(), L"Vacances"));
  ASSERT_TRUE(WaitUntil([&] { return Text(newName) == L"Vacances"; }, kReactionLimit));
  ASSERT_TRUE(TabTo(Program().Control(base::kRenameButton)));
  ASSERT_TRUE(PressRealKeys(Window(), {VK_SPACE}));

  HWND box = nullptr;
  ASSERT_TRUE(WaitForMessageBox(Program().ProcessId(), L"RENOMMAGE D'UNE LISTE DE FICHIERS", &box));
  ASSERT_TRUE(PressRealKeys(box, {VK_RETURN})) << "Enter answers Oui";
  ASSERT_TRUE(WaitUntilGone(box));
  ASSERT_TRUE(WaitForMessageBox(Program().ProcessId(), L"Renommage", &box, std::chrono::seconds(30)));
  ASSERT_TRUE(PressRealKeys(box, {VK_TAB}));
  ASSERT_TRUE(PressRealKeys(box, {VK_RETURN})) << "Tab then Enter answers Non: the log is not shown";
  ASSERT_TRUE(WaitUntilGone(box));

  std::vector<std::wstring> names = VisibleEntryNames(folder.Path());
  ASSERT_EQ(names.size(), 3u);
  for (const std::wstring& name : names) EXPECT_EQ(name.rfind(L"Vacances", 0), 0u) << testing::PrintToString(name);
}

}  // namespace
}  // namespace e2e
