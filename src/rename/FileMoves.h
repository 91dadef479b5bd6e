#pragma once
// Renaming a file or folder on disk without ever replacing another one, and without ever leaving it under a name
// nobody asked for. Window-free: the platform's calls sit behind `FileMoves`, so that the steps of a rename can be
// followed one by one.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace renaming {

enum class MoveResult {
  Moved,
  NameTaken,  // the new name names an existing entry: nothing was replaced
  ReadOnly,   // refused because the entry is read-only, as some file systems refuse it
  Failed,     // any other refusal
};

// Which file an entry is, whatever its name: its volume's serial number and its index on that volume, as its own
// handle tells them. A file put in another's place has another identity.
struct FileIdentity {
  std::uint32_t volume = 0;
  std::uint64_t index = 0;
  bool operator==(const FileIdentity&) const = default;
};

// The platform's side of a rename.
class FileMoves {
 public:
  virtual ~FileMoves() = default;
  // The plain move, which refuses when `to` names an existing entry.
  virtual MoveResult Move(const std::wstring& from, const std::wstring& to) = 0;
  // Sets or clears the read-only attribute of the entry, and only that one.
  virtual void SetReadOnly(const std::wstring& path, bool readOnly) = 0;
  // Whether two different paths name the same entry but for letter case, as the file system compares names.
  virtual bool DifferOnlyInLetterCase(const std::wstring& a, const std::wstring& b) = 0;
  // The names in the folder of `path` that equal its name but for letter case, spelt as the folder holds them. A
  // folder that tells letter case apart can hold several.
  virtual std::vector<std::wstring> NamesAnsweringTo(const std::wstring& path) = 0;
  // A name in `folder` for the middle step of a letter-case rename, another one at each attempt.
  virtual std::wstring TemporaryName(const std::wstring& folder, unsigned attempt) = 0;
  // The identity of the entry at `path` (the entry itself, not what a link leads to); none when it cannot be read.
  virtual std::optional<FileIdentity> IdentityOf(const std::wstring& path) = 0;
  // Waits before a step that failed is tried again.
  virtual void PauseBeforeRetry() = 0;
};

// Renames `from` to `to` with the plain move. True only when the file now bears the new name. Every attribute of
// the file stays as it was: where a step is refused because the file is read-only, that attribute alone is cleared
// for the step and set again on the file under whichever name it then bears.
//
// A new name that differs from the old one only in letter case is checked on disk: it is tried only when no other
// entry of the folder answers to the new name (else the file keeps its name, untouched); the plain move comes
// first, since Windows changes letter case with it; where the platform reports it done and keeps the old name,
// the file goes through a temporary name in the same folder. Should the step from the temporary name fail, the
// file is moved back to its old name, or on to the new one, until one of them takes.
bool MoveWithoutReplacing(FileMoves& files, const std::wstring& from, const std::wstring& to);

}  // namespace renaming
