#include "rename/UndoPass.h"

#include <utility>

#include "rename/OutcomeDisplay.h"
#include "rename/PassOnWindow.h"
#include "rename/UndoLoop.h"
#include "rename/UndoTexts.h"
#include "ui/MessageBoxes.h"

namespace renaming {

namespace {

std::vector<RenamedFile>& LastRename() {
  static std::vector<RenamedFile> record;
  return record;
}

}  // namespace

void KeepForUndo(std::vector<RenamedFile> record) { LastRename() = std::move(record); }

bool HasRenameToUndo() { return !LastRename().empty(); }

void UndoLastRename() {
  if (!HasRenameToUndo()) {
    ui::ShowMessage(kUndoTitle, kNothingToUndoText, ui::MessageIcon::Information);
    return;
  }
  const int files = static_cast<int>(LastRename().size());
  if (ui::ShowMessage(kUndoTitle, UndoQuestionText(files), ui::MessageIcon::Question, MB_YESNO | MB_DEFBUTTON2) !=
      IDYES) {
    return;
  }
  std::vector<RenamedFile> record = std::exchange(LastRename(), {});
  RunPassOnWindow([&](PassWorld& world) { return RunUndoLoop(record, world); }, ShowUndoReport);
}

}  // namespace renaming
