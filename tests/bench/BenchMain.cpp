// Measures the running program from outside, as a user's actions would drive it, beside the bare platform calls
// timed in this process: scripts/bench starts the program, makes the files and reads the program's peak memory.
//
//   bench list N FOLDER      FOLDER (a folder name inside Documents) holds N files a*.jpg: listing and emptying
//   bench rename N FOLDER    the same files renumbered by the program, then renamed back by the bare loop; then
//                            renumbered again with the explorer control showing (and watching) FOLDER, and that
//                            pass taken back by "Annuler le dernier renommage"
//   bench preview N FOLDER   FOLDER listed, then a new name typed in renumber mode: the time to the column
//                            "Nouveau nom" on screen, the longest a keystroke waited meanwhile, and its memory
//   bench actions N FOLDER   the same folder listed, "Retirer de la liste" and "Supprimer" on every row; the
//                            files are deleted, and as many again in FOLDER-bare deleted by bare calls
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>
#include <shlobj.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <cstdio>
#include <string>
#include <vector>

#include "base/Numbers.h"
#include "bench/BareCalls.h"
#include "bench/BareRenames.h"
#include "e2e/Driver.h"
#include "e2e/FileDropping.h"
#include "e2e/RemoteBuffer.h"
#include "e2e/Requesters.h"

namespace {

using Clock = std::chrono::steady_clock;
using e2e::Milliseconds;

using namespace base;  // the program's control and command numbers
constexpr Milliseconds kLongLimit{30 * 60 * 1000};

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

struct Program {
  HWND window = nullptr;
  DWORD processId = 0;
  HWND Control(int number) const { return e2e::FindControl(window, number); }
};

bool Attach(Program* program) {
  if (!e2e::WaitUntil([&] { return (program->window = FindWindowW(nullptr, e2e::kProgramTitle)) != nullptr; },
                      e2e::kStartLimit)) {
    return false;
  }
  GetWindowThreadProcessId(program->window, &program->processId);
  return e2e::WaitUntil([&] { return program->Control(kStatusBar) != nullptr; }, e2e::kStartLimit);
}

// The program's memory now, as the system counts it.
double MegabytesOf(DWORD processId) {
  HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof(counters);
  bool got = process && GetProcessMemoryInfo(process, &counters, sizeof(counters));
  if (process) CloseHandle(process);
  return got ? static_cast<double>(counters.WorkingSetSize) / (1024.0 * 1024.0) : -1.0;
}

// The user's Documents folder, ending with a backslash.
std::wstring DocumentsFolder() {
  wchar_t documents[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, 0, documents);
  return std::wstring(documents) + L"\\";
}

std::wstring Header(HWND list) {
  std::vector<std::wstring> titles = e2e::ListColumnTitles(list);
  return titles.empty() ? L"" : titles.front();
}

// Waits until the list holds `rows` rows and its header says so: the command has ended.
bool WaitForRows(HWND list, int rows) {
  std::wstring header = rows == 0 ? L"Nom" : L"Nom ( " + std::to_wstring(rows) + L" éléments )";
  return e2e::WaitUntil([&] { return e2e::ListRowCount(list) == rows && Header(list) == header; }, kLongLimit);
}

int ExplorerRow(HWND explorer, const std::wstring& name) {
  for (int row = 0, count = e2e::ListRowCount(explorer); row < count; ++row) {
    if (e2e::ListCellText(explorer, row, 0) == name) return row;
  }
  return -1;
}

// Selects every other row, starting with the first, through one buffer lent in the program.
void SelectEveryOtherRow(HWND list, int rows) {
  e2e::RemoteBuffer remote(list, sizeof(LVITEMW));
  LVITEMW item{};
  item.stateMask = LVIS_SELECTED;
  item.state = LVIS_SELECTED;
  remote.Write(0, &item, sizeof(item));
  for (int row = 0; row < rows; row += 2) {
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), remote.AsParameter());
  }
}

// Lists the folder through the explorer control's "Ajouter"; the seconds taken, or a negative number.
double ListThroughExplorer(const Program& program, const std::wstring& folderName, int files) {
  HWND explorer = program.Control(kExplorer);
  e2e::SetText(e2e::ComboEditField(program.Control(kTypeField)), L"JPG");
  int row = -1;
  if (!e2e::WaitUntil([&] { return (row = ExplorerRow(explorer, folderName)) >= 0; }, e2e::kStartLimit)) return -1;
  e2e::SelectListRow(explorer, row, true);
  auto start = Clock::now();
  PostMessageW(program.window, WM_COMMAND, MAKEWPARAM(kExplorerAdd, 0), 0);
  if (!WaitForRows(program.Control(kFileList), files)) return -1;
  return SecondsSince(start);
}

int RunListBench(int files, const std::wstring& folderName) {
  Program program;
  if (!Attach(&program)) {
    std::printf("the program's window did not come\n");
    return 1;
  }
  std::wstring folder = DocumentsFolder() + folderName + L"\\";
  HWND list = program.Control(kFileList);

  // The folder scan, through the explorer control's "Ajouter".
  double scan = ListThroughExplorer(program, folderName, files);
  if (scan < 0) {
    std::printf("the list did not reach %d rows\n", files);
    return 1;
  }
  std::printf("%7d rows   program's memory with the rows listed: %.0f MB\n", files, MegabytesOf(program.processId));

  double before = MegabytesOf(GetCurrentProcessId());
  bench::BareListing bare = bench::TimeBareListing(folder);
  std::printf("%7d rows   a plain (not virtual) list of these rows takes %.0f MB in this process\n", files,
              bare.megabytes - before);
  std::printf("%7d files  folder scan: program %7.2f s   bare calls %7.2f s (%d rows)   ratio %.2f\n", files, scan,
              bare.seconds, bare.rows, scan / bare.seconds);

  if (files >= 100000) {
    auto start = Clock::now();
    for (int page = 0; page < 20; ++page) SendMessageW(list, WM_VSCROLL, SB_PAGEDOWN, 0);
    SendMessageW(list, WM_VSCROLL, SB_BOTTOM, 0);
    UpdateWindow(list);
    std::printf("%7d rows   20 pages down and to the end: %.2f s\n", files, SecondsSince(start));
    start = Clock::now();
    SelectEveryOtherRow(list, files);
    std::printf("%7d rows   every other row selected from outside: %.2f s\n", files, SecondsSince(start));
    // Both orders by name, half of the rows selected: the selection moves with its rows. The arrow comes last.
    for (int arrow : {HDF_SORTUP, HDF_SORTDOWN}) {
      start = Clock::now();
      PostMessageW(program.window, WM_COMMAND, MAKEWPARAM(kListSortByName, 0), 0);
      if (!e2e::WaitUntil([&] { return (e2e::ColumnHeadingFormat(list, 0) & arrow) != 0; }, kLongLimit)) {
        std::printf("\"Trier par nom\" showed no arrow\n");
        return 1;
      }
      std::printf("%7d rows   \"Trier par nom\" %s, half of them selected: %.2f s\n", files,
                  arrow == HDF_SORTUP ? "ascending" : "descending", SecondsSince(start));
    }
    start = Clock::now();
    e2e::Click(program.Control(kRemoveSelectionButton));
    if (!WaitForRows(list, files / 2)) {
      std::printf("\"Retirer sélection\" did not leave %d rows\n", files / 2);
      return 1;
    }
    std::printf("%7d rows   \"Retirer sélection\" on half of them: %.2f s (memory now %.0f MB)\n", files,
                SecondsSince(start), MegabytesOf(program.processId));
  }

  auto start = Clock::now();
  e2e::Click(program.Control(kClearAllButton));
  if (!WaitForRows(list, 0)) return 1;
  std::printf("%7d rows   \"Retirer tout\": %.2f s\n", e2e::ListRowCount(list) == 0 ? files : -1, SecondsSince(start));

  // The same files through the open-file requester, typed as names the way a selection comes back.
  if (files > 10000) return 0;
  PostMessageW(program.window, WM_COMMAND, MAKEWPARAM(kAddFilesCommand, 0), 0);
  HWND requester = nullptr;
  if (!e2e::WaitForDialog(program.processId, L"Sélectionnez un fichier il sera ajouté à la liste", &requester)) {
    std::printf("no open-file requester\n");
    return 1;
  }
  std::vector<std::wstring> names;
  for (int i = 0; i < files; ++i) names.push_back(L"a" + std::to_wstring(100000 + i) + L".jpg");
  HWND nameBox = e2e::FindControl(requester, 0x47C);
  e2e::SetText(nameBox, folder);
  e2e::Click(GetDlgItem(requester, IDOK));
  e2e::WaitUntil([&] { return e2e::OpenRequesterFolder(requester) + L"\\" == folder; }, e2e::kReactionLimit);
  std::wstring typed;
  for (const std::wstring& name : names) typed += L"\"" + name + L"\" ";
  e2e::SetText(nameBox, typed);
  start = Clock::now();
  e2e::Click(GetDlgItem(requester, IDOK));
  while (IsWindow(requester)) Sleep(1);
  double inRequester = SecondsSince(start);
  auto closed = Clock::now();
  if (!WaitForRows(list, files)) {
    std::printf("the open-file path did not reach %d rows (it has %d)\n", files, e2e::ListRowCount(list));
    return 1;
  }
  double added = SecondsSince(closed);
  std::printf("%7d files  open-file path: program %7.2f s after the requester closed (requester %.2f s)   "
              "ratio to the folder scan %.2f\n",
              files, added, inRequester, added / scan);

  // The same files dropped on the list as Explorer drops them: each checked on disk and added with the duplicate
  // test, as the open-file path adds them.
  e2e::Click(program.Control(kClearAllButton));
  if (!WaitForRows(list, 0)) return 1;
  std::vector<std::wstring> paths;
  for (const std::wstring& name : names) paths.push_back(folder + name);
  RECT place{};
  GetWindowRect(list, &place);
  start = Clock::now();
  e2e::DropOutcome dropped = e2e::DropFiles({(place.left + place.right) / 2, (place.top + place.bottom) / 2}, paths);
  double dropping = SecondsSince(start);
  if (dropped.result != DRAGDROP_S_DROP || !WaitForRows(list, files)) {
    std::printf("the dropped files did not reach %d rows (it has %d)\n", files, e2e::ListRowCount(list));
    return 1;
  }
  const double afterDrop = SecondsSince(start) - dropping;
  std::printf("%7d files  dropped on the list: program %7.2f s after the drop (drag %.2f s)   ratio to the folder "
              "scan %.2f\n",
              files, afterDrop, dropping, afterDrop / scan);
  return 0;
}

// "Renommer" and Yes on the listed rows; the seconds until the outcome report, which is left open in *box, or a
// negative number.
double TimeRenamePass(const Program& program, HWND* box) {
  e2e::Click(program.Control(kRenameButton));
  if (!e2e::WaitForMessageBox(program.processId, L"RENOMMAGE D'UNE LISTE DE FICHIERS", box)) return -1;
  auto start = Clock::now();
  e2e::PressMessageBoxButton(*box, e2e::kButtonYes);
  if (!e2e::WaitForMessageBox(program.processId, L"Renommage", box, kLongLimit)) {
    std::printf("no outcome report\n");
    return -1;
  }
  return SecondsSince(start);
}

bool AnswerReport(HWND box) {
  bool clean = e2e::MessageBoxText(box).find(L"erreur") == std::wstring::npos;
  e2e::PressMessageBoxButton(box, clean ? e2e::kButtonNo : e2e::kButtonOk);
  if (!clean) std::printf("the pass reported errors\n");
  return clean;
}

// The folder opened in the explorer control by a double click on its row; the seconds until its rows are shown.
double OpenInExplorer(const Program& program, const std::wstring& folderName, int files) {
  HWND explorer = program.Control(kExplorer);
  RECT place{};
  if (!e2e::ListRowNamePlace(explorer, ExplorerRow(explorer, folderName), &place)) return -1;
  auto start = Clock::now();
  e2e::DoubleClickAt(explorer, {(place.left + place.right) / 2, (place.top + place.bottom) / 2});
  if (!e2e::WaitUntil([&] { return e2e::ListRowCount(explorer) == files + 1; }, kLongLimit)) return -1;
  return SecondsSince(start);
}

// Whether the explorer control's first file (the row after "..") has a name beginning with `prefix`.
bool FirstFileBegins(HWND explorer, const std::wstring& prefix) {
  return e2e::ListCellText(explorer, 1, 0).starts_with(prefix);
}

int RunRenameBench(int files, const std::wstring& folderName) {
  Program program;
  if (!Attach(&program)) {
    std::printf("the program's window did not come\n");
    return 1;
  }
  std::wstring folder = DocumentsFolder() + folderName + L"\\";
  if (ListThroughExplorer(program, folderName, files) < 0) {
    std::printf("the files were not listed\n");
    return 1;
  }
  e2e::SetTicked(program.Control(kRenumberModeBox), true);
  e2e::SetText(program.Control(kNewNameField), L"Photo");
  e2e::SetTicked(program.Control(kRenumberSeparatorBox), false);
  HWND box = nullptr;
  double pass = TimeRenamePass(program, &box);
  if (pass < 0 || !AnswerReport(box)) return 1;
  double bare = bench::TimeBareRenames(folder, L"Photo", L"b", files);
  if (bare < 0) std::printf("(some bare renames failed)\n");
  std::printf("%7d files  renumber pass: program %7.2f s   bare loop %7.2f s   ratio %.2f   (%.0f files/s)\n", files,
              pass, bare < 0 ? -bare : bare, pass / (bare < 0 ? -bare : bare), files / pass);

  // The same pass on the files now named b1.jpg..., the explorer control showing their folder, which it watches.
  HWND list = program.Control(kFileList);
  e2e::Click(program.Control(kClearAllButton));
  if (!WaitForRows(list, 0) || ListThroughExplorer(program, folderName, files) < 0) {
    std::printf("the files were not listed again\n");
    return 1;
  }
  double opened = OpenInExplorer(program, folderName, files);
  if (opened < 0) {
    std::printf("the explorer control did not show the folder's %d files\n", files);
    return 1;
  }
  HWND explorer = program.Control(kExplorer);
  double watched = TimeRenamePass(program, &box);
  if (watched < 0) return 1;
  // Read while the report is open: a listing during the pass or under the box would show the new names already.
  bool unchanged = FirstFileBegins(explorer, L"b");
  auto answered = Clock::now();
  if (!AnswerReport(box)) return 1;
  bool relisted = e2e::WaitUntil([&] { return FirstFileBegins(explorer, L"Photo"); }, kLongLimit);
  double relisting = SecondsSince(answered);
  std::printf("%7d files  the explorer control lists the folder in %.2f s\n", files, opened);
  std::printf("%7d files  renumber pass, the explorer control watching the folder: %7.2f s   ratio to the pass "
              "without %.3f (%+.1f %%)\n",
              files, watched, watched / pass, (watched / pass - 1) * 100);
  std::printf("%7d files  explorer rows under the outcome report: %s; new names %s %.2f s after it closed\n", files,
              unchanged ? "the old names (not listed during the pass)" : "ALREADY CHANGED",
              relisted ? "shown" : "NOT shown", relisting);
  if (!unchanged || !relisted) return 1;

  // "Annuler le dernier renommage": the same files back to b1.jpg..., each checked to be the file renamed.
  PostMessageW(program.window, WM_COMMAND, MAKEWPARAM(kUndoRenameCommand, 0), 0);
  if (!e2e::WaitForMessageBox(program.processId, L"Annulation du renommage", &box)) return 1;
  auto start = Clock::now();
  e2e::PressMessageBoxButton(box, e2e::kButtonYes);
  if (!e2e::WaitUntilGone(box)) return 1;  // the report comes under the same title
  if (!e2e::WaitForMessageBox(program.processId, L"Annulation du renommage", &box, kLongLimit)) return 1;
  double undo = SecondsSince(start);
  bool undone = e2e::MessageBoxText(box).find(L"erreur") == std::wstring::npos;
  e2e::PressMessageBoxButton(box, undone ? e2e::kButtonNo : e2e::kButtonOk);
  std::printf("%7d files  undo of the pass: program %7.2f s   bare loop %7.2f s   ratio %.2f   ratio to the pass %.2f%s\n",
              files, undo, bare < 0 ? -bare : bare, undo / (bare < 0 ? -bare : bare), undo / watched,
              undone ? "" : "   (ERRORS)");
  // What keeping the pass for an undo costs it: one identity read per renamed file.
  double identities = bench::TimeBareIdentityReads(folder, L"b", files);
  std::printf("%7d files  identity reads alone (bare calls), as the pass makes them: %.2f s, %.1f %% of the pass%s\n",
              files, identities < 0 ? -identities : identities, (identities < 0 ? -identities : identities) / pass * 100,
              identities < 0 ? "   (SOME FAILED)" : "");
  return undone ? 0 : 1;
}

// Lists the folder through the explorer control's "Ajouter" and selects every row.
bool ListAndSelectAll(const Program& program, const std::wstring& folderName, int files) {
  return ListThroughExplorer(program, folderName, files) >= 0 &&
         e2e::SelectListRow(program.Control(kFileList), -1, true);
}

// Waits until the list is empty with its counted header "Nom ( 0 éléments )".
bool WaitForCountedEmptyList(HWND list) {
  return e2e::WaitUntil([&] { return e2e::ListRowCount(list) == 0 && Header(list) == L"Nom ( 0 éléments )"; },
                        kLongLimit);
}

int RunActionsBench(int files, const std::wstring& folderName) {
  Program program;
  if (!Attach(&program)) return 1;
  HWND list = program.Control(kFileList);
  if (!ListAndSelectAll(program, folderName, files)) return 1;
  auto start = Clock::now();
  PostMessageW(program.window, WM_COMMAND, MAKEWPARAM(kListRemove, 0), 0);
  if (!WaitForCountedEmptyList(list)) return 1;
  std::printf("%7d rows   \"Retirer de la liste\" on every row: %.2f s\n", files, SecondsSince(start));

  if (!ListAndSelectAll(program, folderName, files)) return 1;
  start = Clock::now();
  PostMessageW(program.window, WM_COMMAND, MAKEWPARAM(kListDelete, 0), 0);
  HWND question = nullptr;
  if (!e2e::WaitForMessageBox(program.processId, L"Suppression", &question)) return 1;
  start = Clock::now();  // from the answer to the question
  e2e::PressMessageBoxButton(question, e2e::kButtonYes);
  if (!WaitForCountedEmptyList(list)) return 1;
  double programSeconds = SecondsSince(start);

  std::wstring bare = DocumentsFolder() + folderName + L"-bare\\";
  start = Clock::now();
  int deleted = 0;
  for (int i = 0; i < files; ++i) {
    std::wstring path = bare + L"a" + std::to_wstring(100000 + i) + L".jpg";
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    deleted += DeleteFileW(path.c_str()) ? 1 : 0;
  }
  double bareSeconds = SecondsSince(start);
  std::printf("%7d rows   \"Supprimer\" on every row: program %.2f s   bare calls %.2f s (%d files)   ratio %.2f\n",
              files, programSeconds, bareSeconds, deleted, programSeconds / bareSeconds);
  return 0;
}

// The longest the program's window took to answer a message, asked every few milliseconds until `done` holds:
// how long a keystroke would have waited.
double LongestWait(HWND window, const std::function<bool()>& done, double* seconds) {
  auto start = Clock::now();
  double longest = 0;
  while (!done() && SecondsSince(start) < 600) {
    auto asked = Clock::now();
    SendMessageW(window, WM_NULL, 0, 0);
    longest = std::max(longest, SecondsSince(asked));
    Sleep(2);
  }
  *seconds = SecondsSince(start);
  return longest;
}

std::wstring NewNameHeading(HWND list) {
  std::vector<std::wstring> titles = e2e::ListColumnTitles(list);
  return titles.size() == 3 ? titles[2] : L"";
}

int RunPreviewBench(int files, const std::wstring& folderName) {
  Program program;
  if (!Attach(&program)) return 1;
  HWND list = program.Control(kFileList);
  if (ListThroughExplorer(program, folderName, files) < 0) return 1;
  Sleep(500);
  const double before = MegabytesOf(program.processId);
  e2e::Click(program.Control(kRenumberModeBox));
  HWND field = program.Control(kNewNameField);
  e2e::WaitUntil([&] { return IsWindowVisible(field) != FALSE; }, e2e::kReactionLimit);

  // The first keystroke: the folder is read once, then the plan; the column follows.
  double seconds = 0;
  e2e::TypeText(field, L"V");
  double longest = LongestWait(program.window, [&] { return NewNameHeading(list) == L"Nouveau nom"; }, &seconds);
  const std::wstring first = e2e::ListCellText(list, 0, 2);
  std::printf("%7d rows   first keystroke to the column on screen: %.3f s (of which 0.150 s pause), longest wait "
              "of a keystroke %.3f s; row 1: %ls\n",
              files, seconds, longest, first.c_str());
  const double after = MegabytesOf(program.processId);
  std::printf("%7d rows   memory the column adds: %.1f MB, %.0f bytes a row\n", files, after - before,
              (after - before) * 1024 * 1024 / files);

  // A second keystroke: the folder is known, only the plan runs. Done when the last row shows the new name.
  e2e::TypeText(field, L"a");
  const std::wstring lastWanted = L"Va" + std::to_wstring(files) + L".jpg";
  longest = LongestWait(
      program.window, [&] { return e2e::ListCellText(list, files - 1, 2) == lastWanted; }, &seconds);
  std::printf("%7d rows   next keystroke to the new plan on screen: %.3f s (of which 0.150 s pause), longest wait "
              "of a keystroke %.3f s\n",
              files, seconds, longest);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc == 4 && std::wstring(argv[1]) == L"list") return RunListBench(_wtoi(argv[2]), argv[3]);
  if (argc == 4 && std::wstring(argv[1]) == L"rename") return RunRenameBench(_wtoi(argv[2]), argv[3]);
  if (argc == 4 && std::wstring(argv[1]) == L"preview") return RunPreviewBench(_wtoi(argv[2]), argv[3]);
  if (argc == 4 && std::wstring(argv[1]) == L"actions") return RunActionsBench(_wtoi(argv[2]), argv[3]);
  std::printf("usage: bench list|rename|actions|preview N FOLDER\n");
  return 2;
}
