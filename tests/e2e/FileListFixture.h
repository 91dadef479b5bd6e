#pragma once
// The fixture of the tests that fill the file list: a fresh run of the program, and a scratch folder of the test's
// own in the user's Documents folder, made before the program starts (so the explorer control shows it, and both
// requesters reach it) and removed after the program ends.

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "e2e/Driver.h"
#include "e2e/ProgramFixtures.h"
#include "e2e/ScratchFolder.h"

namespace e2e {

using Names = std::vector<std::wstring>;

class FileListFixture : public FreshRunTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  const std::wstring& Folder() const { return folder_->Path(); }
  std::wstring FolderName() const;  // its name inside Documents
  std::wstring PathOf(const std::wstring& name) const { return Folder() + name; }
  void MakeFiles(const Names& names);  // each holding "x"

  void Command(int command);  // a menu command, as a link or popup entry sends it
  testing::AssertionResult CaughtUp();  // everything posted so far has been handled

  // The file list: names (column 0), paths (column 1), the count header, and a wait for exactly these names.
  HWND List() const { return list_; }
  Names RowNames();
  Names RowPaths();
  std::wstring Header();
  testing::AssertionResult WaitForRows(const Names& names);

  // The box that must come, its text checked, answered with OK.
  void ExpectMessage(const std::wstring& title, const std::wstring& text);

  std::wstring documents_;
  std::unique_ptr<ScratchFolder> folder_;
  HWND list_ = nullptr;
};

// Each name in quotes after a space: as a command line takes paths, and as a failure shows names.
std::wstring JoinNames(const Names& names);


}  // namespace e2e
