#pragma once
// A folder of its own for one test, under the system's temporary folder, removed with everything in it at the end.

#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>

#include "rename/Utf8.h"

namespace testing_support {

// The file-system path of a wide path as the program's calls take it: UTF-16 on Windows; on Linux the UTF-8 bytes
// the native log writer uses, so that no locale is needed for accented names.
inline std::filesystem::path NativePath(const std::wstring& wide) {
#ifdef _WIN32
  return std::filesystem::path(wide);
#else
  return std::filesystem::path(renaming::EncodeUtf8(wide));
#endif
}

class TempFolder {
 public:
  TempFolder() {
    static std::atomic<unsigned> counter{0};
    auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    path_ = std::filesystem::temp_directory_path() /
            ("tarvelle-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(path_);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }

  // The folder as a wide path ending in its separator, as the program's folder texts do.
  std::wstring Text() const { return (path_ / "").wstring(); }

 private:
  std::filesystem::path path_;
};

}  // namespace testing_support
