#pragma once
// The rename pass itself, without windows: every row in list order, planned by the chosen mode, renamed on disk in
// its own folder without replacing anything, each attempt logged with its date stamp. The pass talks to the world
// through the small interfaces below: the program hands it the Windows ones (rename/RenamePass.cpp), the tests
// hand it fakes.

#include <optional>
#include <string>
#include <vector>

#include "rename/FileMoves.h"
#include "rename/LogLine.h"
#include "rename/RenameLog.h"
#include "rename/RenameModes.h"

namespace renaming {

// The rows to rename, in list order; a row is read when the pass reaches it.
class RenameRows {
 public:
  virtual ~RenameRows() = default;
  virtual int Count() const = 0;
  virtual RenameRow Row(int index) const = 0;
};

// The local clock, read for every log line.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalTime Now() = 0;
};

// What the user is shown while the pass runs.
class PassObserver {
 public:
  virtual ~PassObserver() = default;
  // The row whose rename is tried next, by its full path.
  virtual void RowStarted(const std::wstring& fullPath) = 0;
  // After each row: the share of rows done, as the progress bar's percentage.
  virtual void Progressed(int percent) = 0;
};

// A file the pass gave another name, as the pass found it just after the move; what an undo needs.
struct RenamedFile {
  std::wstring oldPath;
  std::wstring newPath;
  std::optional<FileIdentity> identity;  // none when it could not be read: the undo then leaves the file alone
};

struct PassWorld {
  FileMoves& files;
  RenameLog& log;
  Clock& clock;
  PassObserver& observer;
  // When given, every file whose path the pass changed, in the order of the moves.
  std::vector<RenamedFile>* record = nullptr;
};

struct PassOutcome {
  int errors = 0;
  std::wstring lastFolder;  // the folder of the last row, where the list is filled again; empty for no rows
};

// Tries every row once. The file is moved to the new name as Windows makes it (trailing dots and spaces dropped); a
// name that Windows refuses (rename/PlatformNames.h), one reduced to nothing among them, fails without asking the
// platform, so that the pass and its plan (rename/PassPlan.h) agree on every system. A failure is counted and logged
// and never stops the pass; the mode's running number moves on only after a success. Before the pass ends, lines
// the log could not take yet are tried once more.
PassOutcome RunRenameLoop(const RenameRows& rows, RenameCriteria criteria, PassWorld& world);

}  // namespace renaming
