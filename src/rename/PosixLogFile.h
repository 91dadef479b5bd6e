#pragma once
// The rename log on POSIX files, for the native build and its tests. An exclusive `flock` stands for the Windows
// open without sharing: a file another descriptor holds locked is not opened.

#include "rename/RenameLog.h"

namespace renaming {

class PosixLogFileAccess : public LogFileAccess {
 public:
  // The wide path is turned into UTF-8, the file-name encoding of the native build.
  // A lock held elsewhere counts as held by another program.
  LogOpening OpenExclusive(const std::wstring& path) override;
  void Pause(int milliseconds) override;
};

}  // namespace renaming
