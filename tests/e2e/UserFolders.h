#pragma once
// The user's folders as the shell of this Wine prefix gives them, and what a folder holds, for checking what the
// program's explorer control shows. The test process runs in the program's prefix, so both see the same folders.

#include <string>
#include <vector>

namespace e2e {

// A folder the shell knows by its CSIDL number, ending with a backslash; empty when the shell has none.
std::wstring ShellFolderPath(int csidl);
// The Downloads folder as the known-folder lookup gives it, ending with a backslash; empty when there is none.
std::wstring DownloadsFolderPath();

// The names of a folder's entries a person sees: every file and folder but "." and ".." and the hidden ones,
// sorted in code order (not the order the program shows them in).
std::vector<std::wstring> VisibleEntryNames(const std::wstring& folder);

}  // namespace e2e
