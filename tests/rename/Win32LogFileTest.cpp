#include "rename/Win32LogFile.h"

#include <windows.h>

#include "rename/RealLogFileCases.h"
#include "rename/Win32LocalTime.h"

namespace {

// A handle opened without sharing, as another program holding the log would have.
class Win32HeldFile : public real_log_file::HeldFile {
 public:
  explicit Win32HeldFile(HANDLE file) : file_(file) {}
  ~Win32HeldFile() override { CloseHandle(file_); }

 private:
  HANDLE file_;
};

struct Win32Backend {
  using Access = renaming::Win32LogFileAccess;
  static std::unique_ptr<real_log_file::HeldFile> HoldWithoutSharing(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return nullptr;
    return std::make_unique<Win32HeldFile>(file);
  }
};

TEST(Win32LogFile, ASharedReaderAlsoKeepsTheLogOut) {
  testing_support::TempFolder folder;
  std::wstring log = renaming::RenameLogPath(folder.Text());
  renaming::Win32LogFileAccess files;
  renaming::RenameLog writer(files, log);
  writer.WriteLogLine(L"first");
  HANDLE reader = CreateFileW(log.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(reader, INVALID_HANDLE_VALUE) << "a viewer opens the log";
  writer.WriteLogLine(L"second");
  EXPECT_TRUE(writer.HasWaitingLines()) << "the log is opened with no sharing, so any other open handle keeps it out";
  CloseHandle(reader);
  writer.WriteLogLine(L"third");
  EXPECT_EQ(real_log_file::FileBytes(log), "first\r\nsecond\r\nthird\r\n") << "the line written meanwhile waited";
}

TEST(Win32LogFile, CreatesTheLogWithNormalAttributes) {
  testing_support::TempFolder folder;
  std::wstring log = renaming::RenameLogPath(folder.Text());
  renaming::Win32LogFileAccess files;
  renaming::RenameLog(files, log).WriteLogLine(L"line");
  DWORD attributes = GetFileAttributesW(log.c_str());
  ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES) << "the log exists";
  EXPECT_EQ(attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM), 0u)
      << "neither read-only, hidden nor system";
}

TEST(Win32LocalTime, ReadsTheLocalClock) {
  SYSTEMTIME before{};
  GetLocalTime(&before);
  renaming::LocalTime now = renaming::CurrentLocalTime();
  SYSTEMTIME after{};
  GetLocalTime(&after);
  EXPECT_TRUE(now.year == before.wYear || now.year == after.wYear) << "year " << now.year;
  EXPECT_TRUE(now.day == before.wDay || now.day == after.wDay) << "day " << now.day;
  EXPECT_TRUE(now.month >= 1 && now.month <= 12) << "month " << now.month;
  EXPECT_TRUE(now.hour >= 0 && now.hour <= 23) << "hour " << now.hour;
}

}  // namespace

namespace real_log_file {
INSTANTIATE_TYPED_TEST_SUITE_P(Win32, RealLogFileTest, Win32Backend);
}  // namespace real_log_file
