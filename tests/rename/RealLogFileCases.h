#pragma once
// The rename log written on real files, the same cases for each platform's `LogFileAccess`. A backend gives its
// access type and a way to hold a file open without sharing, as another program would. Include once per test
// program, then instantiate `RealLogFileTest` with the backend.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "rename/LogLine.h"
#include "rename/RenameLog.h"
#include "rename/TempFolder.h"

namespace real_log_file {

// Held open by someone else until destroyed.
class HeldFile {
 public:
  virtual ~HeldFile() = default;
};

inline std::string FileBytes(const std::wstring& path) {
  std::ifstream in(testing_support::NativePath(path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

const std::wstring kSeparator(1, std::filesystem::path::preferred_separator);
const renaming::LocalTime kMorning{2026, 3, 5, 9, 4, 7};

template <class Backend>
class RealLogFileTest : public testing::Test {
 protected:
  testing_support::TempFolder folder_;
  std::wstring log_ = renaming::RenameLogPath(folder_.Text());
};

TYPED_TEST_SUITE_P(RealLogFileTest);

TYPED_TEST_P(RealLogFileTest, FirstLineCreatesTheFileWithExactUtf8Bytes) {
  typename TypeParam::Access files;
  renaming::RenameLog log(files, this->log_);
  ASSERT_FALSE(std::filesystem::exists(testing_support::NativePath(this->log_))) << "no log before the first line";
  log.WriteLogLine(renaming::SuccessLine(kMorning, L"IMG_0001.JPG", L"Vacances_1.JPG"));
  EXPECT_EQ(FileBytes(this->log_),
            "05/03/2026 \xC3\xA0 09:04:07 - Le fichier [IMG_0001.JPG] a \xC3\xA9t\xC3\xA9 renomm\xC3\xA9 : "
            "Vacances_1.JPG\r\n")
      << "UTF-8 without a byte-order mark, à and é in two bytes each, CR LF at the end";
}

TYPED_TEST_P(RealLogFileTest, EveryLineEndsWithCrLfAndPassesAppend) {
  typename TypeParam::Access files;
  renaming::RenameLog log(files, this->log_);
  log.WriteLogLine(renaming::SuccessLine(kMorning, L"a.jpg", L"V_1.jpg"));
  log.WriteLogLine(renaming::FailureLine(kMorning, L"b.jpg"));
  log.WriteWaitingLines();
  log.WriteLogLine(renaming::SuccessLine(kMorning, L"c", L"c_x."));
  EXPECT_EQ(FileBytes(this->log_),
            "05/03/2026 \xC3\xA0 09:04:07 - Le fichier [a.jpg] a \xC3\xA9t\xC3\xA9 renomm\xC3\xA9 : V_1.jpg\r\n"
            "05/03/2026 \xC3\xA0 09:04:07 - Erreur! - Le fichier [b.jpg] n'a pu \xC3\xAAtre renomm\xC3\xA9!\r\n"
            "05/03/2026 \xC3\xA0 09:04:07 - Le fichier [c] a \xC3\xA9t\xC3\xA9 renomm\xC3\xA9 : c_x.\r\n")
      << "three lines in order, each with CR LF, the second pass after the first";
}

TYPED_TEST_P(RealLogFileTest, KeepsWhatAnEarlierRunLeft) {
  {
    std::ofstream earlier(testing_support::NativePath(this->log_), std::ios::binary);
    earlier << "left over\r\n";
  }
  typename TypeParam::Access files;
  renaming::RenameLog(files, this->log_).WriteLogLine(L"new");
  EXPECT_EQ(FileBytes(this->log_), "left over\r\nnew\r\n") << "appended after the old content";
}

TYPED_TEST_P(RealLogFileTest, ALineWrittenWhileHeldWaitsAndGoesInBeforeTheNextOnceFree) {
  typename TypeParam::Access files;
  renaming::RenameLog log(files, this->log_);
  log.WriteLogLine(L"first");
  {
    std::unique_ptr<HeldFile> held = TypeParam::HoldWithoutSharing(this->log_);
    ASSERT_NE(held, nullptr) << "the test can hold the log";
    log.WriteLogLine(L"second");
    EXPECT_TRUE(log.HasWaitingLines()) << "the line waits while the log is held";
  }
  log.WriteLogLine(L"third");
  EXPECT_EQ(FileBytes(this->log_), "first\r\nsecond\r\nthird\r\n") << "in order, each once";
}

TYPED_TEST_P(RealLogFileTest, ALoneSurrogateStillGivesValidUtf8) {
  typename TypeParam::Access files;
  std::wstring name = L"x";
  name += static_cast<wchar_t>(0xD800);
  name += L".jpg";
  renaming::RenameLog(files, this->log_).WriteLogLine(renaming::FailureLine(kMorning, name));
  EXPECT_EQ(FileBytes(this->log_),
            "05/03/2026 \xC3\xA0 09:04:07 - Erreur! - Le fichier [x\xEF\xBF\xBD.jpg] n'a pu \xC3\xAAtre "
            "renomm\xC3\xA9!\r\n")
      << "the lone surrogate becomes U+FFFD";
}

TYPED_TEST_P(RealLogFileTest, WritesInAFolderWithAccentsInItsName) {
  std::wstring accented = this->folder_.Text() + L"Été à Noël";
  std::error_code error;
  if (!std::filesystem::create_directory(testing_support::NativePath(accented), error)) {
    // Wine maps names through the Unix locale: without a UTF-8 one (LC_ALL=C.UTF-8) it refuses accented names.
    GTEST_SKIP() << "this file system cannot hold an accented folder name here: " << error.message();
  }
  std::wstring log = renaming::RenameLogPath(accented + kSeparator);
  typename TypeParam::Access files;
  renaming::RenameLog(files, log).WriteLogLine(L"ok");
  EXPECT_EQ(FileBytes(log), "ok\r\n") << "the log in the accented folder";
}

TYPED_TEST_P(RealLogFileTest, AMissingFolderKeepsTheLineWaitingAndCreatesNothing) {
  typename TypeParam::Access files;
  std::wstring path = renaming::RenameLogPath(this->folder_.Text() + L"missing" + kSeparator);
  renaming::RenameLog log(files, path);
  log.WriteLogLine(L"waits");
  log.WriteWaitingLines();
  EXPECT_TRUE(log.HasWaitingLines()) << "no folder, no log";
  EXPECT_FALSE(std::filesystem::exists(testing_support::NativePath(path))) << "nothing is created";
}

REGISTER_TYPED_TEST_SUITE_P(RealLogFileTest, FirstLineCreatesTheFileWithExactUtf8Bytes,
                            EveryLineEndsWithCrLfAndPassesAppend, KeepsWhatAnEarlierRunLeft,
                            ALineWrittenWhileHeldWaitsAndGoesInBeforeTheNextOnceFree,
                            ALoneSurrogateStillGivesValidUtf8, WritesInAFolderWithAccentsInItsName,
                            AMissingFolderKeepsTheLineWaitingAndCreatesNothing);

}  // namespace real_log_file
