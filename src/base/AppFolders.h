#pragma once
// The two folders the program works with, fixed once at start-up; both end with a backslash.

#include <string>

namespace base {

// The folder of the program file (DataFiles lies beside the program).
const std::wstring& ProgramFolder();
// The user's temporary folder in its long form: home of the rename log.
const std::wstring& TempFolder();

// Start-up steps 4 and 6.
void FixProgramFolder();
void FixTempFolder();

}  // namespace base
