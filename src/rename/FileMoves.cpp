#include "rename/FileMoves.h"

#include "base/PathParts.h"

namespace renaming {

namespace {

// Temporary names that happen to exist are passed over; this many tries find a free one.
constexpr unsigned kTemporaryNameAttempts = 100;

bool MoveThroughTemporaryName(FileMoves& files, const std::wstring& from, const std::wstring& to) {
  std::wstring folder = base::FolderPart(from);
  for (unsigned attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    std::wstring temporary = files.TemporaryName(folder, attempt);
    MoveResult away = files.Move(from, temporary);
    if (away == MoveResult::NameTaken) continue;
    if (away != MoveResult::Moved) return false;
    if (files.Move(temporary, to) == MoveResult::Moved) return true;
    files.Move(temporary, from);
    return false;
  }
  return false;
}

}  // namespace

bool MoveWithoutReplacing(FileMoves& files, const std::wstring& from, const std::wstring& to) {
  if (files.DifferOnlyInLetterCase(from, to)) return MoveThroughTemporaryName(files, from, to);
  return files.Move(from, to) == MoveResult::Moved;
}

}  // namespace renaming
