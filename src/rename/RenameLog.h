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

// The log file while one line is written; closing it is the destructor's work.
class OpenLogFile {
 public:
  virtual ~OpenLogFile() = default;
  // Moves to the current end of the file.
  virtual bool SeekToEnd() = 0;
  // Writes every byte, at the current position.
  virtual bool Write(std::string_view bytes) = 0;
};

// The platform's side of the log: opens the file for reading and writing, creating it with normal attributes when it
// does not exist, and shared with nobody while it is open.
class LogFileAccess {
 public:
  virtual ~LogFileAccess() = default;
  // Null when the file cannot be opened, for instance because another program holds it.
  virtual std::unique_ptr<OpenLogFile> OpenExclusive(const std::wstring& path) = 0;
};

// Appends the line in UTF-8 (no byte-order mark) and CR LF, opening and closing the file for this line alone. When
// the file cannot be opened or its end cannot be reached the line is dropped without a word and false comes back;
// the next line tries again.
bool WriteLogLine(LogFileAccess& files, const std::wstring& logPath, std::wstring_view line);

}  // namespace renaming
