#include "rename/RenameLoop.h"

#include "base/PathParts.h"
#include "rename/PlatformNames.h"
#include "rename/RenameProgress.h"

namespace renaming {

PassOutcome RunRenameLoop(const RenameRows& rows, RenameCriteria criteria, PassWorld& world) {
  PassOutcome outcome;
  const int rowCount = rows.Count();
  for (int index = 0; index < rowCount; ++index) {
    RenameRow row = rows.Row(index);
    outcome.lastFolder = base::FolderPart(row.fullPath);
    world.observer.RowStarted(row.fullPath);
    RenamePlan plan = PlanRename(criteria, row);
    const std::wstring newPath = base::FolderPart(row.fullPath) + NameAsMade(plan.newName);
    if (RefusalOf(plan.newName) == NameRefusal::None && MoveWithoutReplacing(world.files, row.fullPath, newPath)) {
      AdvanceAfterSuccess(criteria);
      // Read after the move: on FAT volumes a file's index comes from its entry in the folder, which a rename may
      // move.
      if (world.record && newPath != row.fullPath) {
        world.record->push_back({row.fullPath, newPath, world.files.IdentityOf(newPath)});
      }
      world.log.WriteLogLine(SuccessLine(world.clock.Now(), plan.oldNameForLog, plan.newName));
    } else {
      ++outcome.errors;
      world.log.WriteLogLine(FailureLine(world.clock.Now(), plan.oldNameForLog));
    }
    world.observer.Progressed(ProgressPercent(index + 1, rowCount));
  }
  world.log.WriteWaitingLines();
  return outcome;
}

}  // namespace renaming
