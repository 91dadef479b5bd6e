#pragma once
// The rename log on Windows files: CreateFileW without sharing, so that no other program opens the log while a line
// is written.

#include "rename/RenameLog.h"

namespace renaming {

class Win32LogFileAccess : public LogFileAccess {
 public:
  // A sharing or lock violation counts as held by another program.
  LogOpening OpenExclusive(const std::wstring& path) override;
  void Pause(int milliseconds) override;
};

}  // namespace renaming
