#pragma once
// Writing the rename log "RenameLog.txt": one UTF-8 line ended by CR LF per rename attempt, appended to whatever the
// file holds. Window-free: the platform's file calls sit behind `LogFileAccess`.

#include <memory>
#include <string>
#include <string_view>

namespace renaming {

inline constexpr std::wstring_view kRenameLogFileName = L"RenameLog.txt";

// The log's path in the temporary folder (which ends in `\`; one is put in between when it does not).
std::wstring RenameLogPath(std::wstring_view tempFolder);

// The log file while lines are written; closing it is the destructor's work.
class OpenLogFile {
 public:
  virtual ~OpenLogFile() = default;
  // Moves to the current end of the file.
  virtual bool SeekToEnd() = 0;
  // Writes at the current position; answers how many of the bytes reached the file (all of them but for a fault).
  virtual size_t Write(std::string_view bytes) = 0;
};

struct LogOpening {
  std::unique_ptr<OpenLogFile> file;  // null when the file could not be opened
  bool heldElsewhere = false;         // refused because another program has the file open
};

// The platform's side of the log: opens the file for reading and writing, creating it with normal attributes when it
// does not exist, and shared with nobody while it is open.
class LogFileAccess {
 public:
  virtual ~LogFileAccess() = default;
  virtual LogOpening OpenExclusive(const std::wstring& path) = 0;
  // Waits before the next try of a file another program holds.
  virtual void Pause(int milliseconds) = 0;
};

// The log of one run. Each line is appended in UTF-8 (no byte-order mark) and CR LF, the file opened and closed for
// it. A virus scanner or an indexer often holds a file it just saw written for a few milliseconds, and the log is the
// user's only record of what became of each file: so a line that cannot be written is not dropped but kept, in
// order, and written before the next one as soon as the file opens again. Nothing is written twice: what reached
// the file is never kept.
class RenameLog {
 public:
  RenameLog(LogFileAccess& files, std::wstring path);

  // Writes the line after those still waiting. While the file is held by another program it is tried again for a
  // few milliseconds; when lines were already waiting at the last try, once only, so that a log held for a whole
  // pass does not slow every row.
  void WriteLogLine(std::wstring_view line);
  // At the end of a pass: the waiting lines are tried for up to a second while another program holds the file.
  void WriteWaitingLines();
  bool HasWaitingLines() const { return !waiting_.empty(); }

 private:
  // One open; true when the file was held by another program.
  bool TryWaitingLines();
  void TryWhileHeld(int pauses, int milliseconds);

  LogFileAccess& files_;
  std::wstring path_;
  std::string waiting_;  // encoded lines, oldest first, each with its CR LF
};

}  // namespace renaming
