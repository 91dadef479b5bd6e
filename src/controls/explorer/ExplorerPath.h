#pragma once
// Folder paths as the explorer control walks them. Window-free. A folder path ends with `\`; the empty path is the
// top level, where the drives are listed. Both `\` and `/` count as separators.

#include <string>
#include <string_view>

namespace controls {

// Whether the folder is the root of a drive or of a network share: "C:\", "\\server\share\", "\\?\C:\".
bool IsRootFolder(std::wstring_view folder);

// The folder one level up: "C:\Photos\2024\" gives "C:\Photos\"; a root ("C:\", "\\server\share\") and the top
// level itself give the top level (empty).
std::wstring ParentFolder(std::wstring_view folder);

// The sub-folder `name` of `folder`, ending with `\`: "C:\Photos\" and "2024" give "C:\Photos\2024\".
std::wstring JoinFolder(std::wstring_view folder, std::wstring_view name);

// The file `name` in `folder`: "C:\Photos\" and "a.jpg" give "C:\Photos\a.jpg".
std::wstring JoinFile(std::wstring_view folder, std::wstring_view name);

// Whether two folder paths name the same folder, letter case aside (as the file system sees them), with or without
// their trailing separator.
bool SameFolder(std::wstring_view a, std::wstring_view b);

}  // namespace controls
