#include "rename/FileMoves.h"

#include <algorithm>

#include "base/PathParts.h"

namespace renaming {

namespace {

// Temporary names that happen to exist are passed over; this many tries find a free one.
constexpr unsigned kTemporaryNameAttempts = 100;
// Rounds of moving a file away from its temporary name, a pause between rounds: a scanner that holds the file for
// a moment lets go long before the last.
constexpr int kWayOutRounds = 20;

// One move; a file refused for being read-only is moved without that attribute, which it gets back at once.
MoveResult MoveStep(FileMoves& files, const std::wstring& from, const std::wstring& to) {
  MoveResult result = files.Move(from, to);
  if (result != MoveResult::ReadOnly) return result;
  files.SetReadOnly(from, false);
  result = files.Move(from, to);
  files.SetReadOnly(result == MoveResult::Moved ? to : from, true);
  return result == MoveResult::ReadOnly ? MoveResult::Failed : result;
}

bool HoldsName(const std::vector<std::wstring>& names, const std::wstring& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// Whether the folder holds the new name as spelt: a letter-case rename is done only when the disk shows it.
bool BearsName(FileMoves& files, const std::wstring& path) {
  return HoldsName(files.NamesAnsweringTo(path), base::NamePart(path));
}

// Gives the file at `temporary` its old name or, failing that, the new one. True when it bears the new name.
bool LeaveTemporaryName(FileMoves& files, const std::wstring& temporary, const std::wstring& from,
                        const std::wstring& to) {
  for (int round = 0; round < kWayOutRounds; ++round) {
    if (round > 0) files.PauseBeforeRetry();
    if (MoveStep(files, temporary, from) == MoveResult::Moved) return false;
    if (MoveStep(files, temporary, to) == MoveResult::Moved) return true;
  }
  return false;
}

bool MoveThroughTemporaryName(FileMoves& files, const std::wstring& from, const std::wstring& to) {
  std::wstring folder = base::FolderPart(from);
  for (unsigned attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    std::wstring temporary = files.TemporaryName(folder, attempt);
    MoveResult away = MoveStep(files, from, temporary);
    if (away == MoveResult::NameTaken) continue;
    if (away != MoveResult::Moved) return false;
    if (MoveStep(files, temporary, to) == MoveResult::Moved && BearsName(files, to)) return true;
    return LeaveTemporaryName(files, temporary, from, to) && BearsName(files, to);
  }
  return false;
}

bool MoveToOtherLetterCase(FileMoves& files, const std::wstring& from, const std::wstring& to) {
  const std::wstring oldName = base::NamePart(from);
  // Where a folder tells letter case apart, a twin answering to the new name would refuse the last step and then
  // the step back as well: the file stays as it is.
  if (files.NamesAnsweringTo(to) != std::vector<std::wstring>{oldName}) return false;
  if (MoveStep(files, from, to) == MoveResult::Moved) {
    std::vector<std::wstring> names = files.NamesAnsweringTo(to);
    if (HoldsName(names, base::NamePart(to))) return true;
    // Reported done but the old name kept: the temporary name is needed. Anything else is beyond repair here.
    if (!HoldsName(names, oldName)) return false;
  }
  return MoveThroughTemporaryName(files, from, to);
}

}  // namespace

bool MoveWithoutReplacing(FileMoves& files, const std::wstring& from, const std::wstring& to) {
  if (files.DifferOnlyInLetterCase(from, to)) return MoveToOtherLetterCase(files, from, to);
  return MoveStep(files, from, to) == MoveResult::Moved;
}

}  // namespace renaming
