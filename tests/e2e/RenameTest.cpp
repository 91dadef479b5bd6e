// End-to-end tests of "Renommer" on real files: the checks before a pass, the three modes on disk, what is never
// lost, the rename log's bytes and the outcome report. Files are made in the user's Documents folder, where both
// requesters reach them, and picked in the order a test needs through the open-file requester.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <regex>
#include <string>
#include <tuple>
#include <vector>

#include "base/Numbers.h"
#include "e2e/Driver.h"
#include "e2e/RenameFixture.h"
#include "e2e/FileListFixture.h"
#include "e2e/ListFilling.h"
#include "e2e/ProgramFixtures.h"
#include "e2e/Requesters.h"
#include "e2e/ScratchFolder.h"
#include "e2e/UserFolders.h"

namespace e2e {

namespace {

using namespace base;  // the program's control and command numbers

struct ModeCase {
  const char* what;
  Names files;   // picked in this order
  Names expected;  // what the folder holds afterwards
};

TEST_F(RenameTest, RenumberGivesTheCommonNameARunningNumberAndTheOwnExtension) {
  struct Case : ModeCase {
    bool separator;
    const wchar_t* start;
    const wchar_t* increment;
  };
  // README's new name ends in a dot; the platform drops a trailing dot, so README becomes Vacances_1 on disk.
  const Case cases[] = {
      {{"separator", {L"IMG_0001.JPG", L"IMG_0002.JPG", L"notes.txt"},
        {L"Vacances_1.JPG", L"Vacances_2.JPG", L"Vacances_3.txt"}}, true, L"1", L"1"},
      {{"no separator", {L"IMG_0001.JPG", L"IMG_0002.JPG", L"notes.txt"},
        {L"Vacances1.JPG", L"Vacances2.JPG", L"Vacances3.txt"}}, false, L"1", L"1"},
      {{"start 8, increment 2", {L"a.JPG", L"b.JPG", L"c.JPG"}, {L"Vacances_10.JPG", L"Vacances_12.JPG", L"Vacances_8.JPG"}},
       true, L"8", L"2"},
      {{"no extension and a double one", {L"README", L"archive.tar.gz"}, {L"Vacances_1", L"Vacances_2.gz"}}, true, L"1", L"1"},
      {{"start emptied", {L"a.JPG"}, {L"Vacances_0.JPG"}}, true, L"", L"1"},
  };
  ChooseMode(kRenumberModeBox);
  Set(kNewNameField, L"Vacances");
  for (size_t i = 0; i < std::size(cases); ++i) {
    const Case& c = cases[i];
    SCOPED_TRACE(c.what);
    std::vector<std::pair<std::wstring, std::string>> files;
    for (const std::wstring& name : c.files) files.push_back({name, Utf8(name)});
    std::wstring folder = MakeFolder(L"renumber" + std::to_wstring(i), files);
    ClearList();
    List(folder, c.files);
    Tick(kRenumberSeparatorBox, c.separator);
    Set(kRenumberStartField, c.start);
    Set(kRenumberIncrementField, c.increment);
    Rename(0);
    EXPECT_EQ(EntriesOf(folder), c.expected) << "on disk:" << JoinNames(EntriesOf(folder));
    EXPECT_EQ(Text(Control(kFolderPathField)), folder) << "the folder of the last row is listed again";
  }
  // Contents follow their files: the first case's IMG_0002.JPG is now Vacances_2.JPG.
  EXPECT_EQ(ReadWholeFile(folder_->Path() + L"renumber0\\Vacances_2.JPG").value_or(""), "IMG_0002.JPG");
}

TEST_F(RenameTest, ReplaceChangesEveryOccurrenceIgnoringTheCaseOfAToZOnly) {
  struct Case : ModeCase {
    const wchar_t* part;
    const wchar_t* replacement;  // null: the remove-only box
  };
  const Case cases[] = {
      {{"case ignored", {L"IMG_0001.JPG"}, {L"Photo-0001.JPG"}}, L"img_", L"Photo-"},
      {{"every occurrence, extension included; only the case changes", {L"report.txt"}, {L"reporT.TxT"}}, L"t", L"T"},
      {{"left to right without overlap", {L"aaa.txt"}, {L"ba.txt"}}, L"aa", L"b"},
      {{"the extension changed", {L"photo.jpeg"}, {L"photo.jpg"}}, L".jpeg", L".jpg"},
      {{"accented capital not folded", {L"Été.jpg"}, {L"Été.jpg"}}, L"été", L"x"},
      {{"only the part removed", {L"Copy of notes.txt"}, {L" notes.txt"}}, L"Copy of", nullptr},
      {{"letter case only", {L"IMG_0001.JPG"}, {L"img_0001.JPG"}}, L"img", L"img"},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    const Case& c = cases[i];
    SCOPED_TRACE(c.what);
    std::wstring folder = MakeFolder(L"replace" + std::to_wstring(i), {{c.files.front(), "contenu"}});
    ClearList();
    List(folder, c.files);
    Set(kPartField, c.part);
    Tick(kRemoveOnlyBox, c.replacement == nullptr);
    if (c.replacement) Set(kReplacementField, c.replacement);
    Rename(0);
    EXPECT_EQ(EntriesOf(folder), c.expected) << "on disk:" << JoinNames(EntriesOf(folder));
    EXPECT_EQ(ReadWholeFile(folder + c.expected.front()).value_or("?"), "contenu");
  }
}

TEST_F(RenameTest, AddPutsTheTextBeforeOrAfterTheBaseNameWithSeparatorAndNumber) {
  struct Case : ModeCase {
    int position;
    bool separator;
    bool numbering;
    const wchar_t* text;
  };
  const Case cases[] = {
      {{"start", {L"IMG_0001.JPG", L"notes.txt"}, {L"2024IMG_0001.JPG", L"2024notes.txt"}}, kAtStartOption, false, false, L"2024"},
      {{"start, separator", {L"IMG_0001.JPG", L"notes.txt"}, {L"2024_IMG_0001.JPG", L"2024_notes.txt"}}, kAtStartOption, true, false, L"2024"},
      {{"end, separator", {L"IMG_0001.JPG", L"notes.txt"}, {L"IMG_0001_2024.JPG", L"notes_2024.txt"}}, kAtEndOption, true, false, L"2024"},
      {{"end, numbering", {L"IMG_0001.JPG", L"notes.txt"}, {L"IMG_00012024_1.JPG", L"notes2024_2.txt"}}, kAtEndOption, false, true, L"2024"},
      {{"end, both", {L"IMG_0001.JPG", L"notes.txt"}, {L"IMG_0001_2024_1.JPG", L"notes_2024_2.txt"}}, kAtEndOption, true, true, L"2024"},
      {{"start, both", {L"IMG_0001.JPG", L"notes.txt"}, {L"2024_IMG_0001_1.JPG", L"2024_notes_2.txt"}}, kAtStartOption, true, true, L"2024"},
      {{"no extension, double extension", {L"README", L"archive.tar.gz"}, {L"README_old", L"archive.tar_old.gz"}}, kAtEndOption, true, false, L"old"},
  };
  ChooseMode(kAppendModeBox);
  Set(kAppendStartField, L"1");
  Set(kAppendIncrementField, L"1");
  for (size_t i = 0; i < std::size(cases); ++i) {
    const Case& c = cases[i];
    SCOPED_TRACE(c.what);
    std::vector<std::pair<std::wstring, std::string>> files;
    for (const std::wstring& name : c.files) files.push_back({name, "x"});
    std::wstring folder = MakeFolder(L"add" + std::to_wstring(i), files);
    ClearList();
    List(folder, c.files);
    Set(kAddedTextField, c.text);
    Tick(c.position, true);
    Tick(kAppendSeparatorBox, c.separator);
    Tick(kNumberingBox, c.numbering);
    Rename(0);
    Names expected = c.expected;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(EntriesOf(folder), expected) << "on disk:" << JoinNames(EntriesOf(folder));
  }
  // The log names the old file without its extension; the new name has its dot even without an extension.
  testing::AssertionResult wellFormed = testing::AssertionSuccess();
  std::vector<std::string> lines = LogLinesWithoutStamps(&wellFormed);
  EXPECT_TRUE(wellFormed);
  ASSERT_EQ(lines.size(), 14u);
  EXPECT_EQ(lines[0], Success(L"IMG_0001", L"2024IMG_0001.JPG"));
  EXPECT_EQ(lines[12], Success(L"README", L"README_old."));
}

TEST_F(RenameTest, CollisionsFailWithoutReplacingAndTheNumberWaitsForASuccess) {
  // An existing file outside the list takes the first number: that row fails, the next row gets the number.
  std::wstring folder = MakeFolder(L"clash", {{L"Vacances_1.JPG", "ancien"}, {L"b.JPG", "b"}, {L"c.txt", "c"}});
  ChooseMode(kRenumberModeBox);
  Set(kNewNameField, L"Vacances");
  Tick(kRenumberSeparatorBox, true);
  List(folder, {L"b.JPG", L"c.txt"});
  Rename(1);
  EXPECT_EQ(EntriesOf(folder), (Names{L"Vacances_1.JPG", L"Vacances_1.txt", L"b.JPG"}));
  EXPECT_EQ(ReadWholeFile(folder + L"Vacances_1.JPG").value_or(""), "ancien");
  EXPECT_EQ(ReadWholeFile(folder + L"b.JPG").value_or(""), "b");
  EXPECT_EQ(ReadWholeFile(folder + L"Vacances_1.txt").value_or(""), "c");

  // Increment 0: every row asks for the same name; only the first of each extension gets it.
  std::wstring same = MakeFolder(L"zero", {{L"a.JPG", "a"}, {L"b.JPG", "b"}, {L"c.JPG", "c"}});
  ClearList();
  List(same, {L"a.JPG", L"b.JPG", L"c.JPG"});
  Set(kRenumberIncrementField, L"0");
  Rename(2);
  EXPECT_EQ(EntriesOf(same), (Names{L"Vacances_1.JPG", L"b.JPG", L"c.JPG"}));
  EXPECT_EQ(ReadWholeFile(same + L"Vacances_1.JPG").value_or(""), "a");
}

// A file made in `folder` beside one whose name differs only in letter case. Under Wine, whose file calls answer to
// either spelling in a Linux folder, a Linux shell makes it; under Windows, a folder with case sensitivity turned on
// takes a create that tells case apart. False where neither can.
bool MakeCaseTwin(const std::wstring& folder, const std::wstring& name, const std::string& content) {
  const size_t entries = EntriesOf(folder).size();
  std::wstring path = folder + name;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_FLAG_POSIX_SEMANTICS, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    DWORD written = 0;
    WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
    return written == content.size();
  }
  using UnixFileName = char*(CDECL*)(const wchar_t*);
  auto unixFileName = reinterpret_cast<UnixFileName>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  if (!unixFileName) return false;
  char* unixFolder = unixFileName(folder.c_str());
  if (!unixFolder) return false;
  std::wstring command = L"Z:\\bin\\sh -c \"printf " + std::wstring(content.begin(), content.end()) + L" > '" +
                         std::wstring(unixFolder, unixFolder + strlen(unixFolder)) + L"/" + name + L"'\"";
  HeapFree(GetProcessHeap(), 0, unixFolder);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(L"Z:\\bin\\sh", command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return false;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return WaitUntil([&] { return EntriesOf(folder).size() == entries + 1; }, kReactionLimit);
}

// The content of the file of exactly that name, not of a twin answering to it.
std::string ReadExactly(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_FLAG_POSIX_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "?";
  char bytes[64] = {};
  DWORD read = 0;
  ReadFile(file, bytes, sizeof(bytes), &read, nullptr);
  CloseHandle(file);
  return std::string(bytes, read);
}

TEST_F(RenameTest, ALetterCaseRenameBesideACaseTwinLeavesTheFileAsItWasAndOthersStillChangeCase) {
  std::wstring folder = MakeFolder(L"casse", {{L"photo.jpg", "1"}, {L"photo-2.jpg", "3"}});
  if (!MakeCaseTwin(folder, L"Photo.jpg", "2") || EntriesOf(folder).size() != 3) {
    GTEST_SKIP() << "this folder does not tell letter case apart";
  }
  ChooseMode(kReplaceModeBox);
  Set(kPartField, L"photo");
  Set(kReplacementField, L"PHOTO");
  List(folder, {L"photo.jpg", L"photo-2.jpg"});
  // "photo.jpg" would become "PHOTO.jpg", which "Photo.jpg" answers to; "photo-2.jpg" has no twin.
  Rename(1);
  EXPECT_EQ(EntriesOf(folder), (Names{L"PHOTO-2.jpg", L"Photo.jpg", L"photo.jpg"}))
      << "no temporary name is left and the twin is untouched";
  EXPECT_EQ(ReadExactly(folder + L"photo.jpg"), "1");
  EXPECT_EQ(ReadExactly(folder + L"Photo.jpg"), "2");
  EXPECT_EQ(ReadExactly(folder + L"PHOTO-2.jpg"), "3");
  testing::AssertionResult wellFormed = testing::AssertionSuccess();
  EXPECT_EQ(LogLinesWithoutStamps(&wellFormed),
            (std::vector<std::string>{Failure(L"photo.jpg"), Success(L"photo-2.jpg", L"PHOTO-2.jpg")}));
}

TEST_F(RenameTest, AwkwardRowsFailOrSucceedAloneAndThePassGoesOn) {
  std::wstring first = MakeFolder(L"un", {{L"lecture.JPG", "1"}, {L"cache.JPG", "2"}, {L"parti.JPG", "3"}});
  std::wstring second = MakeFolder(L"deux", {{L"autre.JPG", "4"}, {L"reste.png", "5"}});
  std::wstring third = MakeFolder(L"trois", {{L"Album.JPG\\dedans.jpg", "6"}});
  ASSERT_TRUE(SetFileAttributesW((first + L"lecture.JPG").c_str(), FILE_ATTRIBUTE_READONLY));
  ASSERT_TRUE(SetFileAttributesW((first + L"cache.JPG").c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
  ChooseMode(kRenumberModeBox);
  Set(kNewNameField, L"Photo");
  Tick(kRenumberSeparatorBox, true);
  List(first, {L"lecture.JPG", L"cache.JPG", L"parti.JPG"});
  ASSERT_TRUE(AddFilesThroughRequester(Program(), second, {L"autre.JPG"}));
  ASSERT_TRUE(DeleteFileW((first + L"parti.JPG").c_str()));

  // The log is held by another program for the whole pass: the renames go on, the lines wait for the log.
  HANDLE held = CreateFileW(RenameLogPath().c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  Rename(1, kButtonNo, [&] { CloseHandle(held); });
  EXPECT_EQ(EntriesOf(first), (Names{L"Photo_1.JPG", L"Photo_2.JPG"}));
  EXPECT_EQ(EntriesOf(second), (Names{L"Photo_3.JPG", L"reste.png"})) << "each row renamed in its own folder";
  constexpr DWORD kReadOnlyHidden = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN;
  EXPECT_EQ(GetFileAttributesW((first + L"Photo_1.JPG").c_str()) & kReadOnlyHidden, FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(GetFileAttributesW((first + L"Photo_2.JPG").c_str()) & kReadOnlyHidden, kReadOnlyHidden)
      << "the read-only files are renamed with their attributes";
  EXPECT_EQ(ReadWholeFile(RenameLogPath()).value_or("?"), "") << "nothing got into the held log";
  // The list holds the matching entries of the last row's folder only.
  HWND list = Control(kFileList);
  ASSERT_TRUE(WaitForListRows(Program(), 1));
  EXPECT_EQ(ListCellText(list, 0, 1), second + L"Photo_3.JPG");
  EXPECT_EQ(Text(Control(kFolderPathField)), second);

  // A folder row is renamed like a file.
  ClearList();
  ASSERT_TRUE(OpenExplorerFolder(Program(), FolderName()));
  ASSERT_TRUE(AddFromExplorer(Program(), L"trois"));
  ASSERT_TRUE(WaitForListRows(Program(), 1));
  Rename(0);
  EXPECT_EQ(EntriesOf(third), (Names{L"Photo_1.JPG"}));
  EXPECT_EQ(ReadWholeFile(third + L"Photo_1.JPG\\dedans.jpg").value_or(""), "6");
  testing::AssertionResult wellFormed = testing::AssertionSuccess();
  EXPECT_EQ(LogLinesWithoutStamps(&wellFormed),
            (std::vector<std::string>{Success(L"lecture.JPG", L"Photo_1.JPG"), Success(L"cache.JPG", L"Photo_2.JPG"),
                                      Failure(L"parti.JPG"), Success(L"autre.JPG", L"Photo_3.JPG"),
                                      Success(L"Album.JPG", L"Photo_1.JPG")}))
      << "once the log is free, the lines that waited come first, each once";
  EXPECT_TRUE(wellFormed);
}

TEST_F(RenameTest, AHiddenReadOnlyArchivedFileKeepsItsAttributesInEveryModeAndWhenItsMoveFails) {
  constexpr DWORD kKept = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE;
  std::wstring folder = MakeFolder(L"attributs", {{L"garde.txt", "1"}});
  ASSERT_TRUE(SetFileAttributesW((folder + L"garde.txt").c_str(), kKept));
  auto attributesOf = [&](const wchar_t* name) { return GetFileAttributesW((folder + name).c_str()) & kKept; };
  List(folder, {L"garde.txt"}, L"TXT");

  ChooseMode(kReplaceModeBox);
  Set(kPartField, L"garde");
  Set(kReplacementField, L"gardé");
  Rename(0);
  EXPECT_EQ(attributesOf(L"gardé.txt"), kKept) << "replacing";
  ChooseMode(kRenumberModeBox);
  Set(kNewNameField, L"Garde");
  Tick(kRenumberSeparatorBox, true);
  ASSERT_TRUE(WaitForListRows(Program(), 1));
  Rename(0);
  EXPECT_EQ(attributesOf(L"Garde_1.txt"), kKept) << "renumbering";
  ChooseMode(kAppendModeBox);
  Set(kAddedTextField, L"-fin");
  Tick(kAtEndOption, true);
  Tick(kAppendSeparatorBox, false);
  Tick(kNumberingBox, false);
  ASSERT_TRUE(WaitForListRows(Program(), 1));
  Rename(0);
  EXPECT_EQ(EntriesOf(folder), (Names{L"Garde_1-fin.txt"}));
  EXPECT_EQ(attributesOf(L"Garde_1-fin.txt"), kKept) << "adding";

  // Held open by another program, the file cannot be moved: it stays as it was, attributes and all.
  Set(kAddedTextField, L"-non");
  ASSERT_TRUE(WaitForListRows(Program(), 1));
  HANDLE held = CreateFileW((folder + L"Garde_1-fin.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0,
                            nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  Rename(1);
  CloseHandle(held);
  EXPECT_EQ(EntriesOf(folder), (Names{L"Garde_1-fin.txt"}));
  EXPECT_EQ(attributesOf(L"Garde_1-fin.txt"), kKept) << "a failed move";
}

TEST_F(RenameTest, FilesPastThreeHundredCharactersAreListedRenamedAndActedOnThroughTheExplorer) {
  // Three folders of 100-character names put every file of the innermost one past 300 characters.
  Names levels;
  for (std::wstring start : {L"premier", L"second", L"troisieme"}) {
    levels.push_back(start + std::wstring(100 - start.size(), L'-'));
  }
  std::wstring deep = MakeFolder(levels[0] + L"\\" + levels[1] + L"\\" + levels[2],
                                 {{L"a.jpg", "1"}, {L"b.jpg", "2"}, {L"c.jpg", "3"}, {L"note.ini", "4"}});
  ASSERT_GT(deep.size(), 300u);
  HWND list = Control(kFileList);
  HWND explorer = Control(kExplorer);

  // Reached and listed through the explorer control.
  ASSERT_TRUE(ChooseType(Program(), L"JPG"));
  ASSERT_TRUE(OpenExplorerFolder(Program(), FolderName()));
  ASSERT_TRUE(OpenExplorerFolder(Program(), levels[0]));
  ASSERT_TRUE(OpenExplorerFolder(Program(), levels[1]));
  ASSERT_TRUE(AddFromExplorer(Program(), levels[2]));
  ASSERT_TRUE(WaitForListRows(Program(), 3));
  EXPECT_EQ(RowPaths(), (Names{deep + L"a.jpg", deep + L"b.jpg", deep + L"c.jpg"}));
  EXPECT_EQ(Text(Control(kFolderPathField)), deep);

  // Each mode, on the rows the end of each pass lists again.
  ChooseMode(kRenumberModeBox);
  Set(kNewNameField, L"Vacances");
  Tick(kRenumberSeparatorBox, true);
  Rename(0);
  EXPECT_EQ(EntriesOf(deep), (Names{L"Vacances_1.jpg", L"Vacances_2.jpg", L"Vacances_3.jpg", L"note.ini"}));
  ChooseMode(kReplaceModeBox);
  Set(kPartField, L"Vacances");
  Set(kReplacementField, L"Été");
  ASSERT_TRUE(WaitForListRows(Program(), 3));
  Rename(0);
  EXPECT_EQ(EntriesOf(deep), (Names{L"note.ini", L"Été_1.jpg", L"Été_2.jpg", L"Été_3.jpg"}));
  ChooseMode(kAppendModeBox);
  Set(kAddedTextField, L"2024-");
  Tick(kAtStartOption, true);
  ASSERT_TRUE(WaitForListRows(Program(), 3));
  Rename(0);
  Names renamed{L"2024-Été_1.jpg", L"2024-Été_2.jpg", L"2024-Été_3.jpg"};
  EXPECT_EQ(EntriesOf(deep), (Names{renamed[0], renamed[1], renamed[2], L"note.ini"}));
  EXPECT_EQ(ReadWholeFile(deep + renamed[2]).value_or(""), "3");
  testing::AssertionResult wellFormed = testing::AssertionSuccess();
  EXPECT_EQ(LogLinesWithoutStamps(&wellFormed).size(), 9u) << "every attempt logged";

  // The file actions: "Supprimer" deletes; the recycle bin takes no such path and the file stays, with the message.
  ASSERT_TRUE(WaitForListRows(Program(), 3));
  ASSERT_TRUE(SelectListRow(list, 0, true));
  PostCommand(Program(), kListDelete);
  HWND question = nullptr;
  ASSERT_TRUE(WaitForMessageBox(Program().ProcessId(), L"Suppression", &question));
  ASSERT_TRUE(PressMessageBoxButton(question, kButtonYes));
  ASSERT_TRUE(WaitForListRows(Program(), 2));
  EXPECT_FALSE(FileExists(deep + renamed[0]));
  ASSERT_TRUE(SelectListRow(list, 0, true));
  PostCommand(Program(), kListRecycle);
  HWND box = nullptr;
  ASSERT_TRUE(WaitForMessageBox(Program().ProcessId(), L"Envoi à la corbeille", &box));
  EXPECT_EQ(MessageBoxText(box), L"Le fichier " + renamed[1] + L" n'a pu être placé dans la corbeille !");
  ASSERT_TRUE(PressMessageBoxButton(box, kButtonOk));
  EXPECT_TRUE(FileExists(deep + renamed[1])) << "refused, untouched";

  // A deep file the shell cannot be handed (here, gone behind the program's back) is named in a message.
  ASSERT_TRUE(DeleteFileW((deep + renamed[2]).c_str()));
  Names rows = RowPaths();
  int gone = static_cast<int>(std::find(rows.begin(), rows.end(), deep + renamed[2]) - rows.begin());
  for (auto [command, title, text] : {std::tuple{kListOpen, L"Ouvrir", L"Windows ne peut ouvrir cet élément"},
                                      std::tuple{kListProperties, L"Propriétés",
                                                 L"Windows ne peut afficher les propriétés de cet élément"}}) {
    ASSERT_TRUE(SelectListRow(list, -1, false));
    ASSERT_TRUE(SelectListRow(list, gone, true));
    PostCommand(Program(), command);
    ASSERT_TRUE(WaitForMessageBox(Program().ProcessId(), title, &box));
    EXPECT_EQ(MessageBoxText(box), std::wstring(text) + L" : son chemin dépasse 260 caractères.\r\n" + deep + renamed[2]);
    ASSERT_TRUE(PressMessageBoxButton(box, kButtonOk));
    ASSERT_TRUE(WaitUntilGone(box));
  }

  // "Ouvrir" in the explorer control opens a file there in its viewer.
  ASSERT_TRUE(OpenExplorerFolder(Program(), levels[2]));
  int note = ExplorerRow(Program(), L"note.ini");
  ASSERT_GE(note, 0) << "the explorer control lists the deep folder";
  ASSERT_TRUE(SelectListRow(explorer, note, true));
  PostCommand(Program(), kExplorerOpen);
  EXPECT_TRUE(WaitUntil([] { return !VisibleWindowsTitled(L"note.ini").empty(); }, kReactionLimit * 2))
      << "windows:" << AllTitles();
  for (HWND viewer : VisibleWindowsTitled(L"note.ini")) PostMessageW(viewer, WM_CLOSE, 0, 0);
}

TEST_F(RenameTest, TheLogHoldsOneUtf8LinePerAttemptAcrossPassesAndGoesAtExit) {
  std::wstring folder = MakeFolder(L"journal", {{L"à voir.txt", "1"}, {L"Ωmega.txt", "2"}, {L"fixe.txt", "3"},
                                                {L"été.txt", "4"}});
  ChooseMode(kReplaceModeBox);
  Set(kPartField, L".txt");
  Set(kReplacementField, L".md");
  List(folder, {L"à voir.txt", L"Ωmega.txt"}, L"TXT");
  Rename(0, kButtonYes);

  // A second pass appends; a failure (the new name exists) is logged with the failure form; No opens nothing.
  ASSERT_TRUE(folder_->MakeFile(L"journal\\fixe.md", "autre").size() > 0);
  ClearList();
  List(folder, {L"fixe.txt", L"été.txt"}, L"TXT");
  Rename(1);
  testing::AssertionResult wellFormed = testing::AssertionSuccess();
  std::vector<std::string> lines = LogLinesWithoutStamps(&wellFormed);
  EXPECT_TRUE(wellFormed);
  EXPECT_EQ(lines, (std::vector<std::string>{Success(L"à voir.txt", L"à voir.md"), Success(L"Ωmega.txt", L"Ωmega.md"),
                                             Failure(L"fixe.txt"), Success(L"été.txt", L"été.md")}));

  // A pass answered No shows nothing.
  ClearList();
  List(folder, {L"été.md"}, L"MD");
  Set(kPartField, L"é");
  Set(kReplacementField, L"e");
  Rename(0, kButtonNo);
  EXPECT_FALSE(WaitUntil([] { return !LogViewers().empty(); }, std::chrono::milliseconds(2000)))
      << "No opens no viewer";
  EXPECT_TRUE(FileExists(RenameLogPath()));
  CloseProgram(Program());
  EXPECT_FALSE(FileExists(RenameLogPath())) << "the log is deleted at exit";
}

TEST_F(RenameTest, ALongPassShowsItsCurrentRowAsItGoesAndNeverLooksHung) {
  constexpr int kFiles = 3000;
  std::vector<std::pair<std::wstring, std::string>> files;
  for (int i = 0; i < kFiles; ++i) files.push_back({L"p" + std::to_wstring(10000 + i) + L".jpg", ""});
  std::wstring folder = MakeFolder(L"long", files);
  ASSERT_TRUE(ChooseType(Program(), L"JPG"));
  ASSERT_TRUE(ListFolderThroughRequester(Program(), folder, kFiles));
  ChooseMode(kRenumberModeBox);
  Set(kNewNameField, L"Photo");
  Click(Control(kRenameButton));
  HWND box = nullptr;
  ASSERT_TRUE(WaitForMessageBox(Program().ProcessId(), kConfirmTitle, &box));
  ASSERT_TRUE(PressMessageBoxButton(box, kButtonYes));
  ASSERT_TRUE(WaitUntilGone(box));

  // The activity line is read as the system keeps it, without asking the busy program.
  HWND line = Control(kActivityLine);
  std::vector<std::wstring> shown;
  auto lastChange = std::chrono::steady_clock::now();
  std::chrono::milliseconds longestWait{0};
  bool hung = false;
  bool enabled = false;
  while (MessageBoxesOf(Program().ProcessId()).empty() && Program().IsRunning()) {
    // Read before the line: the pass empties the line before it enables the window again.
    bool enabledNow = IsWindowEnabled(Window()) != FALSE;
    wchar_t text[MAX_PATH] = {};
    GetWindowTextW(line, text, MAX_PATH);
    auto now = std::chrono::steady_clock::now();
    if (text[0] != L'\0' && (shown.empty() || shown.back() != text)) {
      if (!shown.empty()) {
        longestWait = std::max(longestWait, std::chrono::duration_cast<std::chrono::milliseconds>(now - lastChange));
      }
      shown.push_back(text);
      lastChange = now;
    }
    hung = hung || IsHungAppWindow(Window());
    enabled = enabled || (enabledNow && text[0] != L'\0');
    Sleep(5);
  }
  EXPECT_GT(shown.size(), 10u) << "rows seen in the activity line during the pass";
  EXPECT_LT(longestWait.count(), 400) << "longest time the activity line stood still, in ms";
  EXPECT_FALSE(hung) << "the system took the program for hung";
  EXPECT_FALSE(enabled) << "the main window took input during the pass";
  ASSERT_TRUE(WaitForMessageBox(Program().ProcessId(), L"Renommage", &box));
  ASSERT_TRUE(PressMessageBoxButton(box, kButtonNo));
  ASSERT_TRUE(WaitForListRows(Program(), kFiles));
  EXPECT_EQ(ListColumnTitles(Control(kFileList)).front(), L"Nom ( 3000 éléments )");
}

TEST_F(RenameTest, EveryRefusalNamesItsFieldAndRenamesNothing) {
  Click(Control(kRenameButton));
  HWND box = nullptr;
  ASSERT_TRUE(WaitForMessageBox(Program().ProcessId(), L"ERREUR", &box));
  EXPECT_EQ(MessageBoxText(box), L"Aucun fichiers à renommer dans la liste!") << "no confirmation on an empty list";
  ASSERT_TRUE(PressMessageBoxButton(box, kButtonOk));
  ASSERT_TRUE(WaitUntilGone(box));

  std::wstring folder = MakeFolder(L"refus", {{L"a.JPG", "a"}});
  List(folder, {L"a.JPG"});
  Click(Control(kRenameButton));
  ASSERT_TRUE(WaitForMessageBox(Program().ProcessId(), kConfirmTitle, &box));
  ASSERT_TRUE(PressMessageBoxButton(box, kButtonNo));
  ASSERT_TRUE(WaitForMessageBox(Program().ProcessId(), L"Processus", &box));
  EXPECT_EQ(MessageBoxText(box), L"Le renommage a été annulé par l'utilisateur!");
  ASSERT_TRUE(PressMessageBoxButton(box, kButtonOk));
  ASSERT_TRUE(WaitUntilGone(box));

  const std::wstring forbidden = L"Des caractères interdits ont été détectés dans le nouveau nom. Vous devez modifier "
                                 L"ces caractères pour valider l'opération.";
  const std::wstring missingName = L"VOUS DEVEZ SAISIR DES CARACTERES DANS LE CHAMP NOUVEAU NOM!";
  struct Case {
    const char* what;
    int modeBox;
    std::vector<std::pair<int, const wchar_t*>> fields;
    const std::wstring text;
    int focus;
  };
  const Case cases[] = {
      {"replace, part empty", kReplaceModeBox, {{kPartField, L""}}, L"Vous devez saisir des caractères à supprimer dans le nom d'origine !", kPartField},
      {"replace, replacement empty", kReplaceModeBox, {{kPartField, L"a"}, {kReplacementField, L""}}, L"Vous devez saisir des caractères dans le champ du nouveau nom !", kReplacementField},
      {"replace, replacement a/b", kReplaceModeBox, {{kReplacementField, L"a/b"}}, forbidden, kReplacementField},
      {"renumber, new name empty", kRenumberModeBox, {{kNewNameField, L""}}, missingName, kNewNameField},
      {"renumber, new name a:b", kRenumberModeBox, {{kNewNameField, L"a:b"}}, forbidden, kNewNameField},
      {"add, text empty", kAppendModeBox, {{kAddedTextField, L""}}, missingName, kAddedTextField},
      {"add, text a?b", kAppendModeBox, {{kAddedTextField, L"a?b"}}, forbidden, kAddedTextField},
      {"add, no position", kAppendModeBox, {{kAddedTextField, L"ok"}}, L"Vous devez choisir d'ajouter les caractères au début ou à la fin du nom.", kAtStartOption},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ChooseMode(c.modeBox);
    for (const auto& [field, text] : c.fields) Set(field, text);
    ExpectRefusal(c.text, c.focus);
  }
  // No mode box ticked: after Yes, nothing at all.
  Tick(kAppendModeBox, false);
  Click(Control(kRenameButton));
  ASSERT_TRUE(WaitForMessageBox(Program().ProcessId(), kConfirmTitle, &box));
  ASSERT_TRUE(PressMessageBoxButton(box, kButtonYes));
  ASSERT_TRUE(WaitUntilGone(box));
  ASSERT_TRUE(WaitForPostedInput(Control(kAppendSeparatorBox)));
  EXPECT_TRUE(MessageBoxesOf(Program().ProcessId()).empty());
  EXPECT_EQ(EntriesOf(folder), (Names{L"a.JPG"})) << "nothing renamed";
  EXPECT_FALSE(FileExists(RenameLogPath())) << "nothing logged";
}

}  // namespace

}  // namespace e2e
