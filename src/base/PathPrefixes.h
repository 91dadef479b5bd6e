#pragma once
// The `\\?\` prefix that lets a file-system call take a path of any length: a drive path becomes `\\?\C:\...`, a
// network path `\\?\UNC\server\share\...`. Window-free: only the text is changed, the path must already be full
// and normalised, since Windows passes a prefixed path to the file system as it stands.

#include <string>

namespace base {

// The path begins with `\\?\`, `\\.\` or `\??\`: Windows passes it on unchanged, unlike any other.
bool HasPathPrefix(const std::wstring& path);

// The prefixed form of a full drive or network path. A path that already carries a prefix (`\\?\`, `\\.\`, `\??\`)
// and one that is neither (relative, drive-relative) are given back as they are.
std::wstring ExtendedLengthForm(const std::wstring& fullPath);

// The path without the prefix ExtendedLengthForm gives it: what the user and the log are shown.
std::wstring WithoutExtendedPrefix(const std::wstring& path);

}  // namespace base
