#pragma once
// The shell and file services the list's actions hand a path to: open, properties window, recycle bin, delete.

#include <string>

namespace filelist {

// Opens the file in the program associated with its type, or the folder in the shell's file browser; a path of 260
// characters or more goes in its short form where there is one. Whatever happens is the shell's business: nothing is
// reported.
void OpenWithShell(const std::wstring& path);
// Opens the shell's properties window for the path without waiting for it; nothing is reported.
void ShowPropertiesWindow(const std::wstring& path);
// Sends the file or folder (with its content) to the recycle bin without asking. False when it is not there now,
// when its path has 260 characters or more, and when the shell could only have destroyed it for good and the user
// declined.
bool SendToRecycleBin(const std::wstring& path);
// Clears the file's attributes (they stay cleared if the deletion then fails) and deletes it for good; folders are
// refused. False when the file is still there.
bool DeleteForGood(const std::wstring& path);

}  // namespace filelist
