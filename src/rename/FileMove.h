#pragma once
// Renaming a file or folder on disk without ever replacing another one.

#include <string>

namespace renaming {

// Renames `from` to `to` with the platform's plain move, which fails when `to` names an existing file. A new name
// that differs from the old one only in letter case goes through a unique temporary name in the same folder, since
// some file systems report such a plain move as done and keep the old name; when the second step fails the file
// gets its old name back. True only when the file now bears the new name.
bool MoveWithoutReplacing(const std::wstring& from, const std::wstring& to);

}  // namespace renaming
