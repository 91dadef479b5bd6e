#pragma once
// The rename log on Windows files: CreateFileW without sharing, so that no other program opens the log while a line
// is written.

#include "rename/RenameLog.h"

namespace renaming {

class Win32LogFileAccess : public LogFileAccess {
 public:
  std::unique_ptr<OpenLogFile> OpenExclusive(const std::wstring& path) override;
};

}  // namespace renaming
