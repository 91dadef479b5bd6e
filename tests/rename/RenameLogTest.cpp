#include "rename/RenameLog.h"

#include <map>
#include <memory>
#include <string>

#include <gtest/gtest.h>

namespace {

using renaming::LogFileAccess;
using renaming::OpenLogFile;
using renaming::WriteLogLine;

// Files held in memory, with a way to hold one the way another program would and to make the seek fail.
class MemoryLogFiles : public LogFileAccess {
 public:
  struct File {
    std::string bytes;
    bool held = false;
    bool seekFails = false;
    int openCount = 0;
    int opensSoFar = 0;
  };

  std::unique_ptr<OpenLogFile> OpenExclusive(const std::wstring& path) override {
    File& file = files[path];
    if (file.held || file.openCount > 0) return nullptr;
    ++file.openCount;
    ++file.opensSoFar;
    return std::make_unique<Handle>(file);
  }

  std::map<std::wstring, File> files;

 private:
  class Handle : public OpenLogFile {
   public:
    explicit Handle(File& file) : file_(file) {}
    ~Handle() override { --file_.openCount; }
    bool SeekToEnd() override {
      if (file_.seekFails) return false;
      position_ = file_.bytes.size();
      return true;
    }
    bool Write(std::string_view bytes) override {
      file_.bytes.replace(position_, std::min(bytes.size(), file_.bytes.size() - position_), bytes);
      position_ += bytes.size();
      return true;
    }

   private:
    File& file_;
    size_t position_ = 0;  // a fresh handle starts at the beginning, as a real file does
  };
};

const std::wstring kLog = L"C:\\Temp\\RenameLog.txt";

TEST(WriteLogLine, AppendsUtf8AndCrLfAfterWhatTheFileHolds) {
  MemoryLogFiles files;
  files.files[kLog].bytes = "earlier line\r\n";
  EXPECT_TRUE(WriteLogLine(files, kLog, L"renommé à")) << "the line is written";
  EXPECT_EQ(files.files[kLog].bytes, "earlier line\r\nrenomm\xC3\xA9 \xC3\xA0\r\n") << "appended at the end";
  EXPECT_EQ(files.files[kLog].openCount, 0) << "the file is closed after the line";
}

TEST(WriteLogLine, CreatesTheFileWithoutAByteOrderMark) {
  MemoryLogFiles files;
  EXPECT_TRUE(WriteLogLine(files, kLog, L"a")) << "first line";
  EXPECT_TRUE(WriteLogLine(files, kLog, L"b")) << "second line";
  EXPECT_EQ(files.files[kLog].bytes, "a\r\nb\r\n") << "no mark, no header, CR LF after every line";
  EXPECT_EQ(files.files[kLog].opensSoFar, 2) << "opened once per line";
}

TEST(WriteLogLine, DropsTheLineWhileTheFileIsHeldAndWritesTheNextOnceFree) {
  MemoryLogFiles files;
  files.files[kLog].held = true;
  EXPECT_FALSE(WriteLogLine(files, kLog, L"lost")) << "the file cannot be opened";
  EXPECT_EQ(files.files[kLog].bytes, "") << "nothing written while held";
  files.files[kLog].held = false;
  EXPECT_TRUE(WriteLogLine(files, kLog, L"next")) << "the next line once the file is free";
  EXPECT_EQ(files.files[kLog].bytes, "next\r\n") << "only the next line";
}

TEST(WriteLogLine, WritesNothingWhenTheEndCannotBeReached) {
  MemoryLogFiles files;
  files.files[kLog].bytes = "keep\r\n";
  files.files[kLog].seekFails = true;
  EXPECT_FALSE(WriteLogLine(files, kLog, L"over")) << "the line is dropped";
  EXPECT_EQ(files.files[kLog].bytes, "keep\r\n") << "earlier lines are not overwritten";
  EXPECT_EQ(files.files[kLog].openCount, 0) << "the file is closed all the same";
}

TEST(RenameLogPath, PutsTheLogInTheTemporaryFolder) {
  EXPECT_EQ(renaming::RenameLogPath(L"C:\\Users\\Me\\AppData\\Local\\Temp\\"),
            L"C:\\Users\\Me\\AppData\\Local\\Temp\\RenameLog.txt")
      << "folder ending in a backslash";
  EXPECT_EQ(renaming::RenameLogPath(L"C:\\Temp"), L"C:\\Temp\\RenameLog.txt") << "folder without the backslash";
  EXPECT_EQ(renaming::RenameLogPath(L"/tmp/"), L"/tmp/RenameLog.txt") << "folder ending in a slash";
}

}  // namespace
