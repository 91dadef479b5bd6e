#include "rename/UndoLoop.h"

#include "base/PathParts.h"
#include "rename/RenameProgress.h"

namespace renaming {

namespace {

// The file at the new name is the one the pass renamed: another one put there since is the user's, and stays.
bool StillTheRenamedFile(FileMoves& files, const RenamedFile& renamed) {
  if (!renamed.identity) return false;
  std::optional<FileIdentity> now = files.IdentityOf(renamed.newPath);
  return now && *now == *renamed.identity;
}

}  // namespace

PassOutcome RunUndoLoop(const std::vector<RenamedFile>& record, PassWorld& world) {
  PassOutcome outcome;
  const int count = static_cast<int>(record.size());
  for (int done = 0; done < count; ++done) {
    const RenamedFile& renamed = record[static_cast<size_t>(count - 1 - done)];
    outcome.lastFolder = base::FolderPart(renamed.oldPath);
    world.observer.RowStarted(renamed.newPath);
    bool back = StillTheRenamedFile(world.files, renamed) &&
                MoveWithoutReplacing(world.files, renamed.newPath, renamed.oldPath);
    const std::wstring newName = base::NamePart(renamed.newPath);
    const std::wstring oldName = base::NamePart(renamed.oldPath);
    if (back) {
      world.log.WriteLogLine(UndoSuccessLine(world.clock.Now(), newName, oldName));
    } else {
      ++outcome.errors;
      world.log.WriteLogLine(UndoFailureLine(world.clock.Now(), newName, oldName));
    }
    world.observer.Progressed(ProgressPercent(done + 1, count));
  }
  world.log.WriteWaitingLines();
  return outcome;
}

}  // namespace renaming
