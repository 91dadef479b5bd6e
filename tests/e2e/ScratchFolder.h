#pragma once
// Real files for end-to-end tests: a fresh folder per test under the temporary folder, removed with everything in
// it at the end, and the few whole-file reads and writes the tests need.

#include <optional>
#include <string>
#include <string_view>

namespace e2e {

class ScratchFolder {
 public:
  ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  ~ScratchFolder();

  // The folder, ending with a backslash.
  const std::wstring& Path() const { return path_; }
  // Makes a file (and the folders on its way) from a name relative to the folder; returns its full path, or an
  // empty text when it could not be written.
  std::wstring MakeFile(const std::wstring& relativeName, std::string_view content = {}) const;
  std::wstring MakeFolder(const std::wstring& relativeName) const;
  // A copy of the program file in this folder, for a test that needs a program folder of its own.
  std::wstring CopyProgram() const;

 private:
  std::wstring path_;
};

bool FileExists(const std::wstring& path);
bool WriteWholeFile(const std::wstring& path, std::string_view content);
std::optional<std::string> ReadWholeFile(const std::wstring& path);

}  // namespace e2e
