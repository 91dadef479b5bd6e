#include "rename/Win32LogFile.h"

#include <windows.h>

#include <algorithm>

#include "base/PathForms.h"

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

  size_t Write(std::string_view bytes) override {
    size_t done = 0;
    while (done < bytes.size()) {
      DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 30));
      DWORD written = 0;
      if (!WriteFile(file_, bytes.data() + done, chunk, &written, nullptr) || written == 0) break;
      done += written;
    }
    return done;
  }

 private:
  HANDLE file_;
};

}  // namespace

LogOpening Win32LogFileAccess::OpenExclusive(const std::wstring& path) {
  HANDLE file = CreateFileW(base::FileCallForm(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    DWORD error = GetLastError();
    return {nullptr, error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION};
  }
  return {std::make_unique<Win32OpenLogFile>(file), false};
}

void Win32LogFileAccess::Pause(int milliseconds) { Sleep(static_cast<DWORD>(milliseconds)); }

}  // namespace renaming
