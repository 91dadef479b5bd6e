#pragma once
// The file moves of a rename on Windows files.

#include "rename/FileMoves.h"

namespace renaming {

class Win32FileMoves : public FileMoves {
 public:
  void MakeWritable(const std::wstring& path) override;
  // MoveFileW, which never replaces an existing file.
  MoveResult Move(const std::wstring& from, const std::wstring& to) override;
  // Equal under the letter-case fold of the file system (PlatformLetterCase), as the plan of a pass compares names.
  bool DifferOnlyInLetterCase(const std::wstring& a, const std::wstring& b) override;
  // A search of the folder with a pattern that leaves every letter open, so that it finds every spelling also in a
  // folder that tells letter case apart; the names found are then compared as DifferOnlyInLetterCase does.
  std::vector<std::wstring> NamesAnsweringTo(const std::wstring& path) override;
  // "~tarvelle-<process>-<ticks>-<attempt>.tmp".
  std::wstring TemporaryName(const std::wstring& folder, unsigned attempt) override;
  // GetFileInformationByHandle on a handle that asks for no access, so that a file another program holds without
  // sharing still answers; a link is asked about itself, as the move renames the link.
  std::optional<FileIdentity> IdentityOf(const std::wstring& path) override;
  void PauseBeforeRetry() override;
};

}  // namespace renaming
