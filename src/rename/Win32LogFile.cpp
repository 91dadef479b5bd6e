#include "rename/Win32LogFile.h"

#include <windows.h>

#include <algorithm>

namespace renaming {

namespace {

class Win32OpenLogFile : public OpenLogFile {
 public:
  explicit Win32OpenLogFile(HANDLE file) : file_(file) {}
  Win32OpenLogFile(const Win32OpenLogFile&) = delete;
  Win32OpenLogFile& operator=(const Win32OpenLogFile&) = delete;
  ~Win32OpenLogFile() override { CloseHandle(file_); }

  bool SeekToEnd() override {
    LARGE_INTEGER distance{};
    return SetFilePointerEx(file_, distance, nullptr, FILE_END) != 0;
  }

  bool Write(std::string_view bytes) override {
    while (!bytes.empty()) {
      DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 30));
      DWORD written = 0;
      if (!WriteFile(file_, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
      bytes.remove_prefix(written);
    }
    return true;
  }

 private:
  HANDLE file_;
};

}  // namespace

std::unique_ptr<OpenLogFile> Win32LogFileAccess::OpenExclusive(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return nullptr;
  return std::make_unique<Win32OpenLogFile>(file);
}

}  // namespace renaming
