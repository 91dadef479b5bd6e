#include "rename/RenamePass.h"

#include <utility>
#include <vector>

#include "rename/ListedRows.h"
#include "rename/OutcomeDisplay.h"
#include "rename/PassOnWindow.h"
#include "rename/UndoPass.h"

namespace renaming {

void RenamePass(RenameCriteria criteria) {
  std::vector<RenamedFile> record;
  RunPassOnWindow(
      [&](PassWorld& world) {
        world.record = &record;
        return RunRenameLoop(ListedRows(), std::move(criteria), world);
      },
      ShowOutcomeReport);
  KeepForUndo(std::move(record));
}

}  // namespace renaming
