// End-to-end tests of "Aide ?": the compiled help first, then the text file, then the message, each with a copy of
// the program in a folder of its own whose DataFiles holds just the files of the case.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/Numbers.h"
#include "e2e/Driver.h"
#include "e2e/ProgramFixtures.h"
#include "e2e/ScratchFolder.h"
#include "e2e/Screenshot.h"

namespace e2e {

namespace {

using namespace base;  // the program's control and command numbers

constexpr const wchar_t* kViewerTitle = L"Aide de Tarvelle Rename";  // the compiled help's own window title
constexpr const wchar_t* kTextName = L"TRename Help.txt";

std::wstring BuiltHelpFile(const wchar_t* name) {
  std::wstring program = ProgramPath();
  return program.substr(0, program.find_last_of(L'\\') + 1) + L"DataFiles\\" + name;
}

// A copy of the program in a folder of its own with the given help files, running.
class ProgramWithHelpFiles {
 public:
  ~ProgramWithHelpFiles() { CloseProgram(program_); }

  // No files and dataFolder false: the folder has no DataFiles at all.
  testing::AssertionResult Start(const std::vector<const wchar_t*>& helpFiles, bool dataFolder = true) {
    std::wstring program = folder_.CopyProgram();
    if (program.empty()) return testing::AssertionFailure() << "the program could not be copied";
    if (dataFolder) folder_.MakeFolder(L"DataFiles");
    for (const wchar_t* name : helpFiles) {
      std::wstring target = folder_.Path() + L"DataFiles\\" + name;
      if (!CopyFileW(BuiltHelpFile(name).c_str(), target.c_str(), FALSE)) {
        return testing::AssertionFailure() << "could not copy the built " << name;
      }
    }
    testing::AssertionResult started = NothingOfTheProgramAround();
    if (started) started = program_.Start(program);
    if (started) started = program_.WaitForMainWindow();
    return started;
  }

  void ClickHelp() { Click(program_.Control(kHelpButton)); }
  DWORD ProcessId() const { return program_.ProcessId(); }

  testing::AssertionResult NoMessageShown() {
    if (MessageBoxesOf(program_.ProcessId()).empty()) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "the program shows:" << DescribeWindowsOf(program_.ProcessId());
  }

 private:
  ScratchFolder folder_;
  RunningProgram program_;
};

class HelpCommandTest : public testing::Test {
 protected:
  // Windows opens .txt files with Notepad; a fresh Wine 8 prefix has no such association (and does not read one
  // from HKCU), so the test's prefix is given the one Windows has.
  static void SetUpTestSuite() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, L".txt", 0, KEY_READ, &key) == ERROR_SUCCESS) {
      RegCloseKey(key);
      return;
    }
    const wchar_t kTextClass[] = L"txtfile";
    RegSetKeyValueW(HKEY_LOCAL_MACHINE, L"Software\\Classes\\.txt", nullptr, REG_SZ, kTextClass, sizeof(kTextClass));
  }

  void TearDown() override {
    CloseWindowsTitled(kViewerTitle);
    CloseWindowsTitled(kTextName);
  }
};

TEST_F(HelpCommandTest, WithBothFilesTheCompiledHelpOpensAndTheTextFileIsIgnored) {
  ProgramWithHelpFiles run;
  ASSERT_TRUE(run.Start({L"TRename Help.chm", kTextName}));
  ASSERT_TRUE(VisibleWindowsTitled(kViewerTitle).empty()) << "no help viewer is open before the click";
  run.ClickHelp();
  ASSERT_TRUE(WaitUntil([] { return !VisibleWindowsTitled(kViewerTitle).empty(); }, kStartLimit))
      << "the help viewer did not open; the program shows:" << DescribeWindowsOf(run.ProcessId());
  WaitUntil([] { return false; }, Milliseconds(1500));
  EXPECT_TRUE(run.NoMessageShown());
  EXPECT_TRUE(VisibleWindowsTitled(kTextName).empty()) << "the text file stays closed";
  EXPECT_TRUE(SaveWindowScreenshot("help-viewer", VisibleWindowsTitled(kViewerTitle).front()));
}

TEST_F(HelpCommandTest, WithOnlyTheTextFileItOpensInTheTextViewer) {
  ProgramWithHelpFiles run;
  ASSERT_TRUE(run.Start({kTextName}));
  ASSERT_TRUE(VisibleWindowsTitled(kTextName).empty()) << "no text viewer is open before the click";
  run.ClickHelp();
  EXPECT_TRUE(WaitUntil([] { return !VisibleWindowsTitled(kTextName).empty(); }, kStartLimit))
      << "no window shows \"TRename Help.txt\"; the program shows:" << DescribeWindowsOf(run.ProcessId());
  EXPECT_TRUE(run.NoMessageShown());
}

TEST_F(HelpCommandTest, WithoutHelpFilesTheSameTwoLineMessageShowsEveryTime) {
  struct Case {
    const char* name;
    bool dataFolder;
  };
  for (const Case& c : {Case{"empty DataFiles folder", true}, Case{"no DataFiles folder", false}}) {
    SCOPED_TRACE(c.name);
    ProgramWithHelpFiles run;
    ASSERT_TRUE(run.Start({}, c.dataFolder));
    for (int time = 1; time <= 2; ++time) {
      SCOPED_TRACE(testing::Message() << "click " << time);
      run.ClickHelp();
      HWND box = nullptr;
      ASSERT_TRUE(WaitForMessageBox(run.ProcessId(), L"Tarvelle Rename", &box));
      EXPECT_EQ(MessageBoxText(box), L"Aide Tarvelle Rename\nIl semble que le fichier d'aide soit introuvable.");
      ASSERT_TRUE(PressMessageBoxButton(box, kButtonOk));
      ASSERT_TRUE(WaitUntilGone(box));
    }
  }
}

}  // namespace

}  // namespace e2e
