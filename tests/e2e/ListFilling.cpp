#include "e2e/ListFilling.h"

#include "base/Numbers.h"
#include "e2e/Requesters.h"

namespace e2e {

void PostCommand(const RunningProgram& program, int command) {
  PostMessageW(program.MainWindow(), WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

testing::AssertionResult ChooseType(const RunningProgram& program, const std::wstring& type) {
  HWND edit = ComboEditField(program.Control(base::kTypeField));
  if (!edit || !SetText(edit, type)) return testing::AssertionFailure() << "the type field takes no text";
  return testing::AssertionSuccess();
}

testing::AssertionResult WaitForListRows(const RunningProgram& program, int rows) {
  HWND list = program.Control(base::kFileList);
  if (WaitUntil([&] { return ListRowCount(list) == rows; }, kReactionLimit)) return testing::AssertionSuccess();
  return testing::AssertionFailure() << "the file list has " << ListRowCount(list) << " rows, not " << rows;
}

testing::AssertionResult AddFilesThroughRequester(const RunningProgram& program, const std::wstring& folder,
                                                  const std::vector<std::wstring>& names) {
  int before = ListRowCount(program.Control(base::kFileList));
  PostCommand(program, base::kAddFilesCommand);
  HWND requester = nullptr;
  testing::AssertionResult done = WaitForDialog(program.ProcessId(),
                                                L"Sélectionnez un fichier il sera ajouté à la liste", &requester);
  if (done) done = ChooseFiles(requester, folder, names);
  if (done) done = WaitForListRows(program, before + static_cast<int>(names.size()));
  return done;
}

testing::AssertionResult ListFolderThroughRequester(const RunningProgram& program, const std::wstring& folder,
                                                    int rows) {
  PostCommand(program, base::kAddFolderCommand);
  HWND requester = nullptr;
  testing::AssertionResult done = WaitForFolderRequester(program.ProcessId(), &requester);
  if (done) done = ChooseFolder(requester, folder);
  if (done) done = WaitForListRows(program, rows);
  return done;
}

int ExplorerRow(const RunningProgram& program, const std::wstring& name) {
  HWND explorer = program.Control(base::kExplorer);
  for (int row = 0, count = ListRowCount(explorer); row < count; ++row) {
    if (ListCellText(explorer, row, 0) == name) return row;
  }
  return -1;
}

testing::AssertionResult OpenExplorerFolder(const RunningProgram& program, const std::wstring& name) {
  HWND explorer = program.Control(base::kExplorer);
  int row = -1;
  if (!WaitUntil([&] { return (row = ExplorerRow(program, name)) >= 0; }, kReactionLimit)) {
    return testing::AssertionFailure() << "the explorer control does not show " << name;
  }
  RECT place{};
  if (!ListRowNamePlace(explorer, row, &place)) return testing::AssertionFailure() << "no place for row " << row;
  DoubleClickAt(explorer, {(place.left + place.right) / 2, (place.top + place.bottom) / 2});
  if (WaitUntil([&] { return ExplorerRow(program, L"..") == 0 && ExplorerRow(program, name) < 0; }, kReactionLimit)) {
    return testing::AssertionSuccess();
  }
  return testing::AssertionFailure() << "the explorer control did not open " << name;
}

testing::AssertionResult AddFromExplorer(const RunningProgram& program, const std::wstring& name) {
  int row = ExplorerRow(program, name);
  if (row < 0) return testing::AssertionFailure() << "the explorer control shows no " << name;
  if (!SelectListRow(program.Control(base::kExplorer), row, true)) {
    return testing::AssertionFailure() << "row " << row << " of the explorer control cannot be selected";
  }
  PostCommand(program, base::kExplorerAdd);
  return testing::AssertionSuccess();
}

}  // namespace e2e
