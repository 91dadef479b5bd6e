#include "rename/PosixLogFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "rename/Utf8.h"

namespace renaming {

namespace {

class PosixOpenLogFile : public OpenLogFile {
 public:
  explicit PosixOpenLogFile(int fd) : fd_(fd) {}
  PosixOpenLogFile(const PosixOpenLogFile&) = delete;
  PosixOpenLogFile& operator=(const PosixOpenLogFile&) = delete;
  // Closing also releases the lock.
  ~PosixOpenLogFile() override { ::close(fd_); }

  bool SeekToEnd() override { return ::lseek(fd_, 0, SEEK_END) >= 0; }

  bool Write(std::string_view bytes) override {
    while (!bytes.empty()) {
      ssize_t written = ::write(fd_, bytes.data(), bytes.size());
      if (written < 0 && errno == EINTR) continue;
      if (written <= 0) return false;
      bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
  }

 private:
  int fd_;
};

}  // namespace

std::unique_ptr<OpenLogFile> PosixLogFileAccess::OpenExclusive(const std::wstring& path) {
  int fd = ::open(EncodeUtf8(path).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) return nullptr;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return nullptr;
  }
  return std::make_unique<PosixOpenLogFile>(fd);
}

}  // namespace renaming
