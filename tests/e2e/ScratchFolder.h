#pragma once
// Real files for end-to-end tests: a fresh folder per test under the temporary folder (or a given one), removed
// with everything in it at the end, and the few whole-file reads and writes the tests need.

#include <optional>
#include <string>
#include <string_view>

namespace e2e {

class ScratchFolder {
 public:
  ScratchFolder();
  // A fresh folder inside `parent` (ending with a backslash), for a test that needs its files in a given place.
  explicit ScratchFolder(const std::wstring& parent);
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

// Local date and time of the last change, as a person reads it; month 1 is January.
struct LocalDateTime {
  int year;
  int month;
  int day;
  int hour;
  int minute;
};
// Gives a file or folder that time of last change.
bool SetModificationTime(const std::wstring& path, const LocalDateTime& time);

bool FileExists(const std::wstring& path);
bool WriteWholeFile(const std::wstring& path, std::string_view content);
std::optional<std::string> ReadWholeFile(const std::wstring& path);

}  // namespace e2e
