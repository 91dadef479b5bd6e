#pragma once
// The shell and file services the list's actions hand a path to: open, properties window, recycle bin, delete.

#include <string>

namespace filelist {

// Opens the file in the program associated with its type, or the folder in the shell's file browser. What the shell
// says of it is the shell's business; only a path of 260 characters or more that the shell cannot be handed at all
// gets a message of the program's, naming it.
void OpenWithShell(const std::wstring& path);
// Opens the shell's properties window for the path without waiting for it; the same message where the shell cannot
// be handed the path.
void ShowPropertiesWindow(const std::wstring& path);
// Sends the file or folder (with its content) to the recycle bin without asking. False when it is not there now,
// when its path has 260 characters or more, and when the shell could only have destroyed it for good and the user
// declined.
bool SendToRecycleBin(const std::wstring& path);
// Deletes the file for good, read-only or not; folders are refused. False when the file is still there, with its
// attributes as they were.
bool DeleteForGood(const std::wstring& path);

}  // namespace filelist
