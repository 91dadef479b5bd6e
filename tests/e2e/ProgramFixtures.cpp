#include "e2e/ProgramFixtures.h"

namespace e2e {

RunningProgram* SharedRunTest::program_ = nullptr;
std::string SharedRunTest::startFailure_;

void CloseProgram(RunningProgram& program) {
  if (!program.IsRunning()) return;
  // A popup menu left open would keep the program from reading the close message.
  ClosePopupMenus(program.ProcessId());
  PostMessageW(program.MainWindow(), WM_CLOSE, 0, 0);
  program.WaitForExit();
}

void SharedRunTest::SetUpTestSuite() {
  program_ = new RunningProgram;
  testing::AssertionResult started = NothingOfTheProgramAround();
  if (started) started = program_->Start();
  if (started) started = program_->WaitForMainWindow();
  startFailure_ = started ? "" : started.message();
}

void SharedRunTest::TearDownTestSuite() {
  CloseProgram(*program_);
  delete program_;
  program_ = nullptr;
}

void SharedRunTest::SetUp() { ASSERT_TRUE(startFailure_.empty()) << startFailure_; }

void FreshRunTest::SetUp() {
  ASSERT_TRUE(NothingOfTheProgramAround());
  ASSERT_TRUE(program_.Start(ProgramPath(), StartArguments()));
  ASSERT_TRUE(program_.WaitForMainWindow());
}

void FreshRunTest::TearDown() { CloseProgram(program_); }

}  // namespace e2e
