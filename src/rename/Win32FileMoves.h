#pragma once
// The file moves of a rename on Windows files.

#include <windows.h>

#include <map>

#include "rename/FileMoves.h"

namespace renaming {

class Win32FileMoves : public FileMoves {
 public:
  // MoveFileW, which never replaces an existing file. Windows renames a read-only file; a refusal ("access denied")
  // of a read-only one is told apart, since some file systems refuse it.
  MoveResult Move(const std::wstring& from, const std::wstring& to) override;
  void SetReadOnly(const std::wstring& path, bool readOnly) override;
  // Equal under the letter-case fold of the file system (PlatformLetterCase), as the plan of a pass compares names.
  bool DifferOnlyInLetterCase(const std::wstring& a, const std::wstring& b) override;
  // A search of the folder with a pattern that leaves every letter open, so that it finds every spelling also in a
  // folder that tells letter case apart; the names found are then compared as DifferOnlyInLetterCase does.
  std::vector<std::wstring> NamesAnsweringTo(const std::wstring& path) override;
  // "~tarvelle-<process>-<ticks>-<attempt>.tmp".
  std::wstring TemporaryName(const std::wstring& folder, unsigned attempt) override;
  // The file's index and its volume's serial number, from a handle that asks only to read attributes, which no
  // sharing mode refuses, so that a file another program holds open still answers; a link is asked about itself,
  // as the move renames the link. The serial number is asked once per folder: some systems (Wine) read the volume
  // anew at every request, which cost the pass a third of its time.
  std::optional<FileIdentity> IdentityOf(const std::wstring& path) override;
  void PauseBeforeRetry() override;

 private:
  std::optional<std::uint32_t> VolumeSerialNumber(const std::wstring& folder, HANDLE file);
  std::map<std::wstring, std::uint32_t> volumes_;
};

}  // namespace renaming
