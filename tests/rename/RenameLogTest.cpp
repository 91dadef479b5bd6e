#include "rename/RenameLog.h"

#include <algorithm>
#include <map>
#include <memory>
#include <string>

#include <gtest/gtest.h>

namespace {

using renaming::LogFileAccess;
using renaming::LogOpening;
using renaming::OpenLogFile;
using renaming::RenameLog;

const std::wstring kLog = L"C:\\Temp\\RenameLog.txt";

// Files held in memory, with ways to hold one the way another program would, to free it after some pauses, to make
// the seek fail and to let a write reach the file only in part.
class MemoryLogFiles : public LogFileAccess {
 public:
  struct File {
    std::string bytes;
    bool held = false;
    bool seekFails = false;
    size_t writeRoom = std::string::npos;  // bytes the next write gets in
    int openCount = 0;
    int opensSoFar = 0;
  };

  LogOpening OpenExclusive(const std::wstring& path) override {
    File& file = files[path];
    if (missing) return {};
    if (file.held || file.openCount > 0) return {nullptr, true};
    ++file.openCount;
    ++file.opensSoFar;
    return {std::make_unique<Handle>(file), false};
  }

  void Pause(int milliseconds) override {
    pausedMilliseconds += milliseconds;
    if (++pauses == freeAfterPauses) files[kLog].held = false;
  }

  std::map<std::wstring, File> files;
  bool missing = false;  // the folder is gone: refused, but not held
  int pauses = 0;
  int pausedMilliseconds = 0;
  int freeAfterPauses = -1;

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
    size_t Write(std::string_view bytes) override {
      bytes = bytes.substr(0, std::min(bytes.size(), file_.writeRoom));
      file_.writeRoom = std::string::npos;
      file_.bytes.replace(position_, std::min(bytes.size(), file_.bytes.size() - position_), bytes);
      position_ += bytes.size();
      return bytes.size();
    }

   private:
    File& file_;
    size_t position_ = 0;  // a fresh handle starts at the beginning, as a real file does
  };
};

TEST(RenameLog, AppendsEachLineInUtf8AndCrLfOpeningTheFileForItAlone) {
  MemoryLogFiles files;
  files.files[kLog].bytes = "earlier line\r\n";
  RenameLog log(files, kLog);
  log.WriteLogLine(L"renommé à");
  log.WriteLogLine(L"b");
  EXPECT_EQ(files.files[kLog].bytes, "earlier line\r\nrenomm\xC3\xA9 \xC3\xA0\r\nb\r\n")
      << "appended at the end, no mark, CR LF after every line";
  EXPECT_EQ(files.files[kLog].opensSoFar, 2) << "opened once per line";
  EXPECT_EQ(files.files[kLog].openCount, 0) << "closed after each line";
  EXPECT_FALSE(log.HasWaitingLines());
  EXPECT_EQ(files.pauses, 0) << "a free log costs no wait";
}

TEST(RenameLog, ALineTheHeldFileRefusesWaitsAndGoesInBeforeTheNextOnceFree) {
  MemoryLogFiles files;
  RenameLog log(files, kLog);
  files.files[kLog].held = true;
  log.WriteLogLine(L"first");
  EXPECT_EQ(files.pauses, 4) << "tried again for a few milliseconds";
  EXPECT_LE(files.pausedMilliseconds, 10);
  log.WriteLogLine(L"second");
  EXPECT_EQ(files.pauses, 4) << "with lines already waiting the log is tried once, so a held log does not slow a pass";
  EXPECT_EQ(files.files[kLog].bytes, "") << "nothing written while held";
  EXPECT_TRUE(log.HasWaitingLines());
  files.files[kLog].held = false;
  log.WriteLogLine(L"third");
  EXPECT_EQ(files.files[kLog].bytes, "first\r\nsecond\r\nthird\r\n") << "in order, each once";
  EXPECT_EQ(files.files[kLog].opensSoFar, 1) << "in one open";
}

TEST(RenameLog, AtTheEndOfAPassWaitingLinesAreTriedForUpToASecond) {
  MemoryLogFiles files;
  RenameLog log(files, kLog);
  files.files[kLog].held = true;
  log.WriteLogLine(L"a");
  files.freeAfterPauses = files.pauses + 30;  // the scanner lets go after 30 more pauses
  log.WriteWaitingLines();
  EXPECT_EQ(files.files[kLog].bytes, "a\r\n") << "written once the log was free";
  EXPECT_FALSE(log.HasWaitingLines());

  files.files[kLog].held = true;
  log.WriteLogLine(L"b");
  int before = files.pausedMilliseconds;
  log.WriteWaitingLines();
  EXPECT_GE(files.pausedMilliseconds - before, 900) << "held all along: about a second of tries";
  EXPECT_LE(files.pausedMilliseconds - before, 1000);
  EXPECT_TRUE(log.HasWaitingLines()) << "the line still waits for the next pass";
  files.files[kLog].held = false;
  log.WriteLogLine(L"c");
  EXPECT_EQ(files.files[kLog].bytes, "a\r\nb\r\nc\r\n");
}

TEST(RenameLog, AFolderThatIsGoneIsNotWaitedForAndItsLinesStillWait) {
  MemoryLogFiles files;
  files.missing = true;
  RenameLog log(files, kLog);
  log.WriteLogLine(L"a");
  log.WriteWaitingLines();
  EXPECT_EQ(files.pauses, 0) << "only a file another program holds is worth waiting for";
  EXPECT_TRUE(log.HasWaitingLines());
  files.missing = false;
  log.WriteLogLine(L"b");
  EXPECT_EQ(files.files[kLog].bytes, "a\r\nb\r\n");
}

TEST(RenameLog, NeitherAFailedSeekNorAShortWriteLosesOrRepeatsABit) {
  MemoryLogFiles files;
  files.files[kLog].bytes = "keep\r\n";
  files.files[kLog].seekFails = true;
  RenameLog log(files, kLog);
  log.WriteLogLine(L"over");
  EXPECT_EQ(files.files[kLog].bytes, "keep\r\n") << "earlier lines are not overwritten";
  EXPECT_EQ(files.files[kLog].openCount, 0) << "the file is closed all the same";
  files.files[kLog].seekFails = false;
  files.files[kLog].writeRoom = 3;
  log.WriteLogLine(L"next");
  EXPECT_EQ(files.files[kLog].bytes, "keep\r\nove") << "the disk took three bytes";
  log.WriteLogLine(L"last");
  EXPECT_EQ(files.files[kLog].bytes, "keep\r\nover\r\nnext\r\nlast\r\n") << "the rest follows, nothing twice";
}

TEST(RenameLogPath, PutsTheLogInTheTemporaryFolder) {
  EXPECT_EQ(renaming::RenameLogPath(L"C:\\Users\\Me\\AppData\\Local\\Temp\\"),
            L"C:\\Users\\Me\\AppData\\Local\\Temp\\RenameLog.txt")
      << "folder ending in a backslash";
  EXPECT_EQ(renaming::RenameLogPath(L"C:\\Temp"), L"C:\\Temp\\RenameLog.txt") << "folder without the backslash";
  EXPECT_EQ(renaming::RenameLogPath(L"/tmp/"), L"/tmp/RenameLog.txt") << "folder ending in a slash";
}

}  // namespace
