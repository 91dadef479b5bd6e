#include "rename/RenameLog.h"

#include "base/PathParts.h"
#include "rename/Utf8.h"

namespace renaming {

std::wstring RenameLogPath(std::wstring_view tempFolder) {
  return base::WithTrailingBackslash(tempFolder) + std::wstring(kRenameLogFileName);
}

bool WriteLogLine(LogFileAccess& files, const std::wstring& logPath, std::wstring_view line) {
  std::unique_ptr<OpenLogFile> file = files.OpenExclusive(logPath);
  if (!file) return false;
  // Without the end, writing would overwrite earlier lines: better to lose this one.
  if (!file->SeekToEnd()) return false;
  // One write for the line and its end, so that a line is never left without its CR LF by a second call failing.
  return file->Write(EncodeUtf8(line) + "\r\n");
}

}  // namespace renaming
