#include "rename/RenameLog.h"

#include <utility>

#include "base/PathParts.h"
#include "rename/Utf8.h"

namespace renaming {

namespace {

// A held log is tried again this many times, with this pause between tries: a few milliseconds for a line...
constexpr int kLinePauses = 4;
constexpr int kLinePauseMilliseconds = 2;
// ...and up to a second at the end of a pass, before the outcome is shown.
constexpr int kPassEndPauses = 50;
constexpr int kPassEndPauseMilliseconds = 20;

}  // namespace

std::wstring RenameLogPath(std::wstring_view tempFolder) {
  return base::WithTrailingBackslash(tempFolder) + std::wstring(kRenameLogFileName);
}

RenameLog::RenameLog(LogFileAccess& files, std::wstring path) : files_(files), path_(std::move(path)) {}

void RenameLog::WriteLogLine(std::wstring_view line) {
  bool waitedAtLastTry = HasWaitingLines();
  waiting_ += EncodeUtf8(line) + "\r\n";
  TryWhileHeld(waitedAtLastTry ? 0 : kLinePauses, kLinePauseMilliseconds);
}

void RenameLog::WriteWaitingLines() { TryWhileHeld(kPassEndPauses, kPassEndPauseMilliseconds); }

void RenameLog::TryWhileHeld(int pauses, int milliseconds) {
  for (int pause = 0; TryWaitingLines() && pause < pauses; ++pause) files_.Pause(milliseconds);
}

bool RenameLog::TryWaitingLines() {
  if (waiting_.empty()) return false;
  LogOpening opening = files_.OpenExclusive(path_);
  if (!opening.file) return opening.heldElsewhere;
  // Without the end, writing would overwrite earlier lines: the lines wait for the next open.
  if (!opening.file->SeekToEnd()) return false;
  // One write for all the lines, so that the file takes them in order; a part that did not reach it waits.
  waiting_.erase(0, opening.file->Write(waiting_));
  return false;
}

}  // namespace renaming
