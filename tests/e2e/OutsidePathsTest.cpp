// End-to-end tests of files coming from outside the program, as Windows Explorer hands them: on the command line
// of a first start (files dropped on the program's icon, "Envoyer vers"), to the window already open by a second
// start, and dropped on the window by the platform's drag and drop.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/Numbers.h"
#include "e2e/FileDropping.h"
#include "e2e/ListFilling.h"
#include "e2e/RenameFixture.h"
#include "e2e/Screenshot.h"

namespace e2e {

namespace {

using namespace base;  // the program's control numbers

constexpr const wchar_t* kLeftOutTitle = L"Ajout à la liste";

std::wstring ShortForm(const std::wstring& path) {
  wchar_t buffer[MAX_PATH];
  DWORD length = GetShortPathNameW(path.c_str(), buffer, MAX_PATH);
  return length > 0 && length < MAX_PATH ? std::wstring(buffer, length) : path;
}

// A second start with these arguments: it must hand them over and end, cleanly and without a window of its own.
void StartSecond(const std::wstring& arguments) {
  RunningProgram second;
  ASSERT_TRUE(second.Start(ProgramPath(), arguments));
  ASSERT_TRUE(second.WaitForExit());
  EXPECT_EQ(second.ExitCode(), 0u);
  EXPECT_FALSE(second.ShowedWindow()) << second.TitlesSeen();
}

class OutsidePathsTest : public RenameTest {
 protected:
  POINT ListMiddle() {
    RECT list{};
    GetWindowRect(Control(kFileList), &list);
    return {(list.left + list.right) / 2, (list.top + list.bottom) / 2};
  }
};

// Started with a short 8.3 form of a file's path, a folder, a path that names nothing and an option.
class StartWithPathsTest : public OutsidePathsTest {
 protected:
  std::wstring StartArguments() override {
    file_ = folder_->MakeFile(L"Été à Noël (copie).JPG", "x");
    folder_->MakeFile(L"Dossier photos\\a.JPG", "a");
    missing_ = Folder() + L"absent.JPG";
    return JoinNames({ShortForm(file_), Folder() + L"Dossier photos", missing_}) + L" /x";
  }
  std::wstring file_, missing_;
};

TEST_F(StartWithPathsTest, FilesAreAddedAndTheFolderAndMissingPathAreEachToldOnce) {
  // No type is chosen at start-up: the folder cannot be listed, the file still comes.
  ExpectMessage(L"Extension ??", L"Vous devez choisir le type de fichier.");
  ExpectMessage(kLeftOutTitle, L"Un élément n'a pu être ajouté à la liste : il est introuvable ou inaccessible."
                               L"\r\n\r\n" + missing_);
  EXPECT_TRUE(WaitForRows({L"Été à Noël (copie).JPG"}));
  EXPECT_EQ(RowPaths(), Names{file_}) << "the long form of the path";
  EXPECT_EQ(Text(Control(kFolderPathField)), L"");
  EXPECT_TRUE(SaveScreenshot("start-with-paths"));
}

TEST_F(OutsidePathsTest, ASecondStartHandsItsPathsToTheOpenWindowEvenPastThreeHundredCharacters) {
  const std::wstring photos = MakeFolder(L"Dossier été", {{L"a.JPG", "a"}, {L"b.jpg", "b"}, {L"c.png", "c"}});
  // Explorer quotes a path with spaces; a folder's last backslash before the quote stays a backslash.
  std::wstring deep = L"Dossier été";
  for (const wchar_t* level : {L"premier", L"second", L"troisieme"}) {
    deep += L"\\" + std::wstring(level) + std::wstring(100, L'-');
  }
  const std::wstring deepFile = MakeFolder(deep, {{L"fin.txt", "f"}}) + L"fin.txt";
  ASSERT_GT(deepFile.size(), 300u);
  ASSERT_TRUE(ChooseType(Program(), L"JPG"));

  StartSecond(JoinNames({photos, deepFile, PathOf(L"absent.JPG"), PathOf(L"absent 2.JPG")}));
  ExpectMessage(kLeftOutTitle, L"2 éléments n'ont pu être ajoutés à la liste : ils sont introuvables ou "
                               L"inaccessibles.\r\nLe premier :\r\n\r\n" + PathOf(L"absent.JPG"));
  Names names = RowNames();
  ASSERT_EQ(names.size(), 3u) << JoinNames(names);
  EXPECT_EQ(names[2], L"fin.txt") << "a file of any type, after the folder's files";
  EXPECT_EQ(RowPaths()[2], deepFile) << "the whole long path";
  EXPECT_EQ(Text(Control(kFolderPathField)), photos);
  EXPECT_EQ(VisibleWindowsTitled(kProgramTitle).size(), 1u) << "one window";

  // The same file again adds no second row; without paths, a second start only brings the window back.
  StartSecond(JoinNames({deepFile}));
  StartSecond(L"");
  ASSERT_TRUE(CaughtUp());
  EXPECT_EQ(RowNames().size(), 3u);
}

TEST_F(OutsidePathsTest, PathsThatArriveWhileARenameRunsAreAddedAfterIt) {
  const std::wstring photos = MakeFolder(L"photos", {{L"a.jpg", "a"}, {L"b.jpg", "b"}});
  const std::wstring other = MakeFolder(L"autres", {{L"z.jpg", "z"}}) + L"z.jpg";
  List(photos, {L"a.jpg", L"b.jpg"}, L"JPG");
  ChooseMode(kRenumberModeBox);
  Set(kNewNameField, L"Photo_");
  Click(Control(kRenameButton));
  HWND box = nullptr;
  ASSERT_TRUE(WaitForMessageBox(Program().ProcessId(), kConfirmTitle, &box));
  StartSecond(JoinNames({other}));
  EXPECT_EQ(RowNames().size(), 2u) << "nothing is added while the question is open";
  ASSERT_TRUE(PressMessageBoxButton(box, kButtonYes));
  ASSERT_TRUE(WaitForMessageBox(Program().ProcessId(), L"Renommage", &box, std::chrono::seconds(60)));
  ASSERT_TRUE(PressMessageBoxButton(box, kButtonNo));
  EXPECT_TRUE(WaitForRows({L"Photo_1.jpg", L"Photo_2.jpg", L"z.jpg"}))
      << "the folder listed again after the pass, then the path that came meanwhile";
}

TEST_F(OutsidePathsTest, FilesDroppedOnTheListAreAddedAndNothingIsTakenWhileTheWindowIsBusy) {
  const std::wstring photos = MakeFolder(L"Dossier été", {{L"a.JPG", "a"}, {L"b.png", "b"}});
  const std::wstring notes = folder_->MakeFile(L"notes de voyage.txt", "n");
  ASSERT_TRUE(ChooseType(Program(), L"JPG"));

  DropOutcome dropped = DropFiles(ListMiddle(), {notes, photos});
  EXPECT_EQ(dropped.result, DRAGDROP_S_DROP);
  EXPECT_EQ(dropped.effect, static_cast<DWORD>(DROPEFFECT_COPY)) << "a copy for the source, never a move";
  EXPECT_TRUE(WaitForRows({L"notes de voyage.txt", L"a.JPG"}));
  EXPECT_EQ(Text(Control(kFolderPathField)), photos);
  EXPECT_TRUE(SaveScreenshot("dropped-files"));

  // While the rename question is open the window takes no input: the cursor says no, nothing is added.
  ChooseMode(kRenumberModeBox);
  Set(kNewNameField, L"Photo_");
  Click(Control(kRenameButton));
  HWND box = nullptr;
  ASSERT_TRUE(WaitForMessageBox(Program().ProcessId(), kConfirmTitle, &box));
  RECT boxPlace{};
  GetWindowRect(box, &boxPlace);
  dropped = DropFiles({boxPlace.left - 20, boxPlace.top - 20}, {notes});
  EXPECT_EQ(dropped.effectShown, static_cast<DWORD>(DROPEFFECT_NONE));
  EXPECT_NE(dropped.result, DRAGDROP_S_DROP);
  ASSERT_TRUE(PressMessageBoxButton(box, kButtonNo));
  ASSERT_TRUE(WaitUntilGone(box));
  ASSERT_TRUE(CaughtUp());
  EXPECT_EQ(RowNames().size(), 2u);
}

// At another scale the list is elsewhere on the screen, and larger.
class OutsidePaths144Test : public OutsidePathsTest {};

TEST_F(OutsidePaths144Test, FilesDroppedOnTheListAreAdded) {
  const std::wstring photos = MakeFolder(L"Dossier été", {{L"a.JPG", "a"}, {L"b.JPG", "b"}});
  ASSERT_TRUE(ChooseType(Program(), L"JPG"));
  EXPECT_EQ(DropFiles(ListMiddle(), {photos}).effect, static_cast<DWORD>(DROPEFFECT_COPY));
  EXPECT_TRUE(WaitUntil([&] { return RowNames().size() == 2; }, kReactionLimit)) << JoinNames(RowNames());
  EXPECT_TRUE(SaveScreenshot("dropped-files-144dpi"));
}

}  // namespace

}  // namespace e2e
