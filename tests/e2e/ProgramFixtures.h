#pragma once
// Test fixtures that give end-to-end tests a running program: one run shared by a whole suite, for checks that
// only read the window, or a fresh run per test, for tests that change what the window shows.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "e2e/Driver.h"

namespace e2e {

// Started before the suite's first test and closed after its last. A failed start fails every test of the suite
// with its reason.
class SharedRunTest : public testing::Test {
 protected:
  static void SetUpTestSuite();
  static void TearDownTestSuite();
  void SetUp() override;

  static RunningProgram& Program() { return *program_; }
  static HWND Window() { return program_->MainWindow(); }

 private:
  static RunningProgram* program_;
  static std::string startFailure_;
};

// Started for each test and closed after it.
class FreshRunTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  RunningProgram& Program() { return program_; }
  HWND Window() const { return program_.MainWindow(); }
  // What the program is started with, asked just before the start; none by default.
  virtual std::wstring StartArguments() { return {}; }

 private:
  RunningProgram program_;
};

// Closes the main window as its close box does and waits for the end; a run that does not end is killed.
void CloseProgram(RunningProgram& program);

}  // namespace e2e
