#pragma once
// Renaming a file or folder on disk without ever replacing another one. Window-free: the platform's calls sit
// behind `FileMoves`, so that the steps of a rename can be followed one by one.

#include <string>

namespace renaming {

enum class MoveResult {
  Moved,
  NameTaken,  // the new name names an existing entry: nothing was replaced
  Failed,     // any other refusal
};

// The platform's side of a rename.
class FileMoves {
 public:
  virtual ~FileMoves() = default;
  // Clears the read-only attribute, so that the entry can be renamed; its attributes are not restored.
  virtual void MakeWritable(const std::wstring& path) = 0;
  // The plain move, which refuses when `to` names an existing entry.
  virtual MoveResult Move(const std::wstring& from, const std::wstring& to) = 0;
  // Whether two different paths name the same entry but for letter case, as the file system compares names.
  virtual bool DifferOnlyInLetterCase(const std::wstring& a, const std::wstring& b) = 0;
  // A name in `folder` for the middle step of a letter-case rename, another one at each attempt.
  virtual std::wstring TemporaryName(const std::wstring& folder, unsigned attempt) = 0;
};

// Renames `from` to `to` with the plain move. A new name that differs from the old one only in letter case goes
// through a temporary name in the same folder, since some file systems report such a plain move as done and keep
// the old name; when the second step fails the file gets its old name back. True only when the file now bears the
// new name.
bool MoveWithoutReplacing(FileMoves& files, const std::wstring& from, const std::wstring& to);

}  // namespace renaming
