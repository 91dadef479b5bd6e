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

  size_t Write(std::string_view bytes) override {
    size_t done = 0;
    while (done < bytes.size()) {
      ssize_t written = ::write(fd_, bytes.data() + done, bytes.size() - done);
      if (written < 0 && errno == EINTR) continue;
      if (written <= 0) break;
      done += static_cast<size_t>(written);
    }
    return done;
  }

 private:
  int fd_;
};

}  // namespace

LogOpening PosixLogFileAccess::OpenExclusive(const std::wstring& path) {
  int fd = ::open(EncodeUtf8(path).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) return {};
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    bool held = errno == EWOULDBLOCK;
    ::close(fd);
    return {nullptr, held};
  }
  return {std::make_unique<PosixOpenLogFile>(fd), false};
}

void PosixLogFileAccess::Pause(int milliseconds) { ::usleep(static_cast<useconds_t>(milliseconds) * 1000); }

}  // namespace renaming
