#include "controls/explorer/ExplorerDriveQuestions.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <memory>
#include <thread>

namespace {

using controls::DriveDetails;
using controls::DriveQuestions;
using namespace std::chrono_literals;

// Long enough for any answer that is free to come; the tests wait this long only when they are failing.
constexpr auto kAnswerLimit = 10s;

// A drive that answers "Réseau" once `release` is set (or given up, when a test ends early), counting the questions
// it was asked in `asked` and the answers told in `told`.
std::shared_ptr<DriveQuestions> SlowDrive(std::promise<void>& release, std::shared_ptr<std::atomic<int>> asked,
                                          std::shared_ptr<std::atomic<int>> told) {
  return DriveQuestions::Make(
      [released = release.get_future().share(), asked](const std::wstring&) {
        ++*asked;
        released.wait();
        return DriveDetails{L"Réseau", 7};
      },
      [told] { ++*told; });
}

TEST(DriveQuestions, AsksADriveOnceWhileItsQuestionIsPendingAndRemembersItsAnswer) {
  std::promise<void> release;
  auto asked = std::make_shared<std::atomic<int>>(0);
  auto told = std::make_shared<std::atomic<int>>(0);
  auto questions = SlowDrive(release, asked, told);
  questions->Ask(L"N:\\");
  questions->Ask(L"N:\\");
  EXPECT_FALSE(questions->WaitForAnswers({L"N:\\"}, 1ms)) << "the question is pending";
  EXPECT_FALSE(questions->Known(L"N:\\").has_value());
  release.set_value();
  ASSERT_TRUE(questions->WaitForAnswers({L"N:\\"}, kAnswerLimit));
  EXPECT_EQ(*asked, 1) << "one question while it was pending";
  ASSERT_TRUE(questions->Known(L"N:\\").has_value());
  EXPECT_EQ(questions->Known(L"N:\\")->label, L"Réseau");
  EXPECT_EQ(*told, 1) << "the answer was told";

  questions->Ask(L"N:\\");
  ASSERT_TRUE(questions->WaitForAnswers({L"N:\\"}, kAnswerLimit));
  EXPECT_EQ(*asked, 2) << "asked afresh once it had answered";
}

TEST(DriveQuestions, OutlivesItsOwnerForALateAnswerAndTellsItToNoOne) {
  std::promise<void> release;
  auto asked = std::make_shared<std::atomic<int>>(0);
  auto told = std::make_shared<std::atomic<int>>(0);
  auto questions = SlowDrive(release, asked, told);
  questions->Ask(L"N:\\");
  questions->StopTelling();
  std::weak_ptr<DriveQuestions> record = questions;
  questions.reset();
  ASSERT_FALSE(record.expired()) << "the pending question keeps the record";
  release.set_value();
  // The question's thread lets the record go once the late answer is in it (the sanitizers watch that access).
  auto limit = std::chrono::steady_clock::now() + kAnswerLimit;
  while (!record.expired() && std::chrono::steady_clock::now() < limit) std::this_thread::yield();
  EXPECT_TRUE(record.expired()) << "the record is freed after its last question";
  EXPECT_EQ(*told, 0) << "the late answer was told to no one";
}

}  // namespace
