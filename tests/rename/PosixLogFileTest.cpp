#include "rename/PosixLogFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "rename/RealLogFileCases.h"
#include "rename/Utf8.h"

namespace {

// Another descriptor with the exclusive lock, as another program holding the log would have.
class PosixHeldFile : public real_log_file::HeldFile {
 public:
  explicit PosixHeldFile(int fd) : fd_(fd) {}
  ~PosixHeldFile() override { ::close(fd_); }

 private:
  int fd_;
};

struct PosixBackend {
  using Access = renaming::PosixLogFileAccess;
  static std::unique_ptr<real_log_file::HeldFile> HoldWithoutSharing(const std::wstring& path) {
    int fd = ::open(renaming::EncodeUtf8(path).c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) return nullptr;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
      ::close(fd);
      return nullptr;
    }
    return std::make_unique<PosixHeldFile>(fd);
  }
};

}  // namespace

namespace real_log_file {
INSTANTIATE_TYPED_TEST_SUITE_P(Posix, RealLogFileTest, PosixBackend);
}  // namespace real_log_file
