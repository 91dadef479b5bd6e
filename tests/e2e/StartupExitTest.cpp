// End-to-end tests of the program's start-up and exit: the real program file, started under Wine and watched from
// outside. The checks on the main window's look share one run; each start and exit rule has runs of its own.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "base/Numbers.h"
#include "e2e/Driver.h"
#include "e2e/ScratchFolder.h"
#include "e2e/Screenshot.h"

namespace e2e {

namespace {

using namespace base;  // the program's control and command numbers

constexpr int kClientWidth = 1014;
constexpr int kClientHeight = 718;

// A log with text of every kind the rename log can hold, so that "whatever it holds" is put to the test.
constexpr std::string_view kOldLogContent =
    "08/12/2025 10:00:00 - Renommé : C:\\photos\\été.jpg -> C:\\photos\\vacances_1.jpg\r\n"
    "08/12/2025 10:00:01 - Echec : C:\\photos\\b.jpg\r\n";

// A top-level window of the test program itself, carrying the program's exact title.
class ForeignTitledWindow {
 public:
  ForeignTitledWindow() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClassName;
    RegisterClassW(&windowClass);
    window_ = CreateWindowExW(0, kClassName, kProgramTitle, WS_OVERLAPPEDWINDOW, 50, 50, 400, 300, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    if (window_) ShowWindow(window_, SW_SHOWMINIMIZED);
  }
  ForeignTitledWindow(const ForeignTitledWindow&) = delete;
  ForeignTitledWindow& operator=(const ForeignTitledWindow&) = delete;
  ~ForeignTitledWindow() {
    if (window_) DestroyWindow(window_);
  }
  HWND Handle() const { return window_; }

 private:
  static constexpr const wchar_t* kClassName = L"TarvelleE2eForeignWindow";
  HWND window_ = nullptr;
};

class ProgramRunTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(NothingOfTheProgramAround());
    DeleteFileW(RenameLogPath().c_str());
  }
  void TearDown() override { DeleteFileW(RenameLogPath().c_str()); }
};

// Every check on the main window's look reads the same run, started once.
class MainWindowTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    program_ = new RunningProgram;
    testing::AssertionResult started = NothingOfTheProgramAround();
    if (started) started = program_->Start();
    if (started) started = program_->WaitForMainWindow();
    startFailure_ = started ? "" : started.message();
  }
  static void TearDownTestSuite() {
    if (program_->IsRunning()) {
      PostMessageW(program_->MainWindow(), WM_CLOSE, 0, 0);
      program_->WaitForExit();
    }
    delete program_;
    program_ = nullptr;
  }
  void SetUp() override { ASSERT_TRUE(startFailure_.empty()) << startFailure_; }

  static HWND Window() { return program_->MainWindow(); }

  static RunningProgram* program_;
  static std::string startFailure_;
};

RunningProgram* MainWindowTest::program_ = nullptr;
std::string MainWindowTest::startFailure_;

TEST_F(MainWindowTest, CarriesTheExactProgramTitle) {
  EXPECT_EQ(WindowTitle(Window()), std::wstring(kProgramTitle)) << "title of the program's main window";
}

TEST_F(MainWindowTest, ClientAreaIs1014By718) {
  RECT client{};
  ASSERT_TRUE(GetClientRect(Window(), &client)) << "client area of the main window";
  EXPECT_EQ(client.right - client.left, kClientWidth) << "client width";
  EXPECT_EQ(client.bottom - client.top, kClientHeight) << "client height";
}

TEST_F(MainWindowTest, HasCaptionSystemMenuAndMinimiseBoxButCannotBeSizedOrMaximised) {
  struct StyleCase {
    const char* name;
    LONG bit;
    bool wanted;
  };
  const StyleCase cases[] = {
      {"WS_CAPTION", WS_CAPTION, true},        {"WS_SYSMENU", WS_SYSMENU, true},
      {"WS_MINIMIZEBOX", WS_MINIMIZEBOX, true}, {"WS_MAXIMIZEBOX", WS_MAXIMIZEBOX, false},
      {"WS_THICKFRAME (sizing border)", WS_THICKFRAME, false},
  };
  const LONG style = GetWindowLongW(Window(), GWL_STYLE);
  for (const StyleCase& styleCase : cases) {
    EXPECT_EQ((style & styleCase.bit) == styleCase.bit, styleCase.wanted)
        << styleCase.name << (styleCase.wanted ? " missing" : " present") << " in style 0x" << std::hex << style;
  }
}

TEST_F(MainWindowTest, IsCentredOnTheScreen) {
  RECT outer{};
  ASSERT_TRUE(GetWindowRect(Window(), &outer)) << "outer rectangle of the main window";
  const int outerWidth = static_cast<int>(outer.right - outer.left);
  const int outerHeight = static_cast<int>(outer.bottom - outer.top);
  const int expectedLeft = std::max(0, (GetSystemMetrics(SM_CXSCREEN) - outerWidth) / 2);
  const int expectedTop = std::max(0, (GetSystemMetrics(SM_CYSCREEN) - outerHeight) / 2);
  // One pixel of leeway for the rounding of an odd difference.
  EXPECT_NEAR(outer.left, expectedLeft, 1) << "left edge of the outer window";
  EXPECT_NEAR(outer.top, expectedTop, 1) << "top edge of the outer window";
}

TEST_F(MainWindowTest, ShowsBannerSideImageAndStatusBarFromTheStart) {
  for (int number : {kBannerImage, kSideImage, kStatusBar}) {
    HWND control = program_->Control(number);
    ASSERT_NE(control, nullptr) << "control " << number << " of the main window";
    EXPECT_TRUE(IsWindowVisible(control)) << "control " << number << " is visible";
  }
}

TEST_F(MainWindowTest, ScreenshotOfTheDesktopIsSaved) {
  std::string path;
  ASSERT_TRUE(SaveScreenshot("startup-main-window", &path));
  auto picture = ReadWholeFile(WindowsPathOfUnixPath(path));
  ASSERT_TRUE(picture.has_value()) << "screenshot " << path << " can be read";
  EXPECT_EQ(picture->substr(0, 4), std::string("\x89PNG")) << "screenshot " << path << " is a PNG picture";
}

using SecondStartTest = ProgramRunTest;

TEST_F(SecondStartTest, RestoresTheMinimisedFirstWindowAndEndsWithCodeZeroWithoutAWindow) {
  RunningProgram first;
  ASSERT_TRUE(first.Start());
  ASSERT_TRUE(first.WaitForMainWindow());
  RECT normalPlace{};
  GetWindowRect(first.MainWindow(), &normalPlace);
  ShowWindow(first.MainWindow(), SW_MINIMIZE);
  ASSERT_TRUE(WaitUntil([&] { return IsIconic(first.MainWindow()) != FALSE; }, kReactionLimit))
      << "the first window could not be minimised";

  RunningProgram second;
  ASSERT_TRUE(second.Start());
  ASSERT_TRUE(second.WaitForExit());
  EXPECT_EQ(second.ExitCode(), 0u) << "exit code of the second start";
  EXPECT_FALSE(second.ShowedWindow()) << "the second start showed:" << second.TitlesSeen();

  EXPECT_TRUE(WaitUntil([&] { return !IsIconic(first.MainWindow()); }, kReactionLimit))
      << "the first window is still minimised";
  RECT restoredPlace{};
  GetWindowRect(first.MainWindow(), &restoredPlace);
  EXPECT_TRUE(EqualRect(&restoredPlace, &normalPlace))
      << "restored at " << restoredPlace.left << "," << restoredPlace.top << " " << restoredPlace.right << ","
      << restoredPlace.bottom << " instead of " << normalPlace.left << "," << normalPlace.top << " "
      << normalPlace.right << "," << normalPlace.bottom;
  EXPECT_TRUE(first.IsRunning()) << "the first run goes on";
}

TEST_F(SecondStartTest, RestoresAWindowOfAnotherProgramWithTheTitleAndEndsWithCodeZero) {
  ForeignTitledWindow foreign;
  ASSERT_NE(foreign.Handle(), nullptr) << "the test's own window titled like the program";
  ASSERT_TRUE(IsIconic(foreign.Handle())) << "the test's own window starts minimised";

  RunningProgram program;
  ASSERT_TRUE(program.Start());
  ASSERT_TRUE(program.WaitForExit());
  EXPECT_EQ(program.ExitCode(), 0u) << "exit code of a start that found the title taken";
  EXPECT_FALSE(program.ShowedWindow()) << "the start showed:" << program.TitlesSeen();
  EXPECT_FALSE(IsIconic(foreign.Handle())) << "the other program's window is still minimised";
}

TEST_F(SecondStartTest, EndsSilentlyWithCodeZeroWhenTheMutexIsTakenAndNoWindowExists) {
  HANDLE mutex = CreateMutexW(nullptr, FALSE, kProgramTitle);
  ASSERT_NE(mutex, nullptr) << "the test takes the program's mutex, error " << GetLastError();

  RunningProgram program;
  ASSERT_TRUE(program.Start());
  testing::AssertionResult ended = program.WaitForExit();
  CloseHandle(mutex);
  ASSERT_TRUE(ended);
  EXPECT_EQ(program.ExitCode(), 0u) << "exit code of a start that found the mutex taken";
  EXPECT_FALSE(program.ShowedWindow()) << "the start showed a window or message:" << program.TitlesSeen();
}

TEST_F(SecondStartTest, LeavesTheRenameLogOfTheRunningInstanceAlone) {
  RunningProgram first;
  ASSERT_TRUE(first.Start());
  ASSERT_TRUE(first.WaitForMainWindow());
  ASSERT_TRUE(WriteWholeFile(RenameLogPath(), kOldLogContent)) << "the test writes " << RenameLogPath();

  RunningProgram second;
  ASSERT_TRUE(second.Start());
  ASSERT_TRUE(second.WaitForExit());
  EXPECT_EQ(second.ExitCode(), 0u) << "exit code of the second start";
  EXPECT_EQ(ReadWholeFile(RenameLogPath()).value_or("(no file)"), std::string(kOldLogContent))
      << "the rename log after the second start";
}

using ExitTest = ProgramRunTest;

TEST_F(ExitTest, ClosingTheMainWindowEndsWithCodeZeroAndDeletesTheRenameLog) {
  struct CloseCase {
    const char* name;
    UINT message;
    WPARAM wParam;
  };
  const CloseCase cases[] = {
      {"WM_CLOSE", WM_CLOSE, 0},
      {"WM_SYSCOMMAND SC_CLOSE (the close box)", WM_SYSCOMMAND, SC_CLOSE},
  };
  for (const CloseCase& closeCase : cases) {
    SCOPED_TRACE(closeCase.name);
    ASSERT_TRUE(NothingOfTheProgramAround());
    ASSERT_TRUE(WriteWholeFile(RenameLogPath(), kOldLogContent)) << "the test writes " << RenameLogPath();
    RunningProgram program;
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(program.WaitForMainWindow());
    ASSERT_TRUE(FileExists(RenameLogPath())) << "start-up removed the log it found; the exit has nothing to delete";

    PostMessageW(program.MainWindow(), closeCase.message, closeCase.wParam, 0);
    ASSERT_TRUE(program.WaitForExit());
    EXPECT_EQ(program.ExitCode(), 0u) << "exit code after closing the main window";
    EXPECT_FALSE(FileExists(RenameLogPath())) << RenameLogPath() << " is still there after the exit";
  }
}

TEST_F(ExitTest, EndsWithCodeZeroWhenTheRenameLogCannotBeDeleted) {
  ASSERT_TRUE(WriteWholeFile(RenameLogPath(), kOldLogContent)) << "the test writes " << RenameLogPath();
  // Held open without delete sharing, the log cannot be deleted until the test lets it go.
  HANDLE held = CreateFileW(RenameLogPath().c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE) << "the test holds " << RenameLogPath() << " open";

  RunningProgram program;
  testing::AssertionResult started = program.Start();
  if (started) started = program.WaitForMainWindow();
  testing::AssertionResult ended = testing::AssertionFailure() << "not started";
  if (started) {
    PostMessageW(program.MainWindow(), WM_CLOSE, 0, 0);
    ended = program.WaitForExit();
  }
  CloseHandle(held);
  ASSERT_TRUE(started);
  ASSERT_TRUE(ended);
  ASSERT_TRUE(FileExists(RenameLogPath())) << "the held log was deleted after all: no failed deletion was tested";
  // A message at exit would have kept the program from ending: WaitForExit names what it showed.
  EXPECT_EQ(program.ExitCode(), 0u) << "exit code when the log could not be deleted";
}

TEST_F(ExitTest, QuitButtonEndsWithCodeZeroAndDeletesTheRenameLog) {
  ASSERT_TRUE(WriteWholeFile(RenameLogPath(), kOldLogContent)) << "the test writes " << RenameLogPath();
  RunningProgram program;
  ASSERT_TRUE(program.Start());
  ASSERT_TRUE(program.WaitForMainWindow());
  HWND quit = program.Control(kQuitButton);
  ASSERT_NE(quit, nullptr) << "control 50 of the main window";
  ASSERT_EQ(Text(quit), std::wstring(L"Quitter")) << "caption of control 50";

  Click(quit);
  ASSERT_TRUE(program.WaitForExit());
  EXPECT_EQ(program.ExitCode(), 0u) << "exit code after \"Quitter\"";
  EXPECT_FALSE(FileExists(RenameLogPath())) << RenameLogPath() << " is still there after \"Quitter\"";
}

}  // namespace

}  // namespace e2e
