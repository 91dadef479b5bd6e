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
constexpr auto kAnswerLimit = 30s;

// A drive that answers "Réseau" once the test sets release_ (or gives it up, when a test ends early), counting the
// questions it was asked and the answers told.
class DriveQuestionsTest : public testing::Test {
 protected:
  std::promise<void> release_;
  std::shared_ptr<std::atomic<int>> asked_ = std::make_shared<std::atomic<int>>(0);
  std::shared_ptr<std::atomic<int>> told_ = std::make_shared<std::atomic<int>>(0);
  std::shared_ptr<DriveQuestions> questions_ = DriveQuestions::Make(
      [released = release_.get_future().share(), asked = asked_](const std::wstring&) {
        ++*asked;
        released.wait();
        return DriveDetails{L"Réseau", 7};
      },
      [told = told_] { ++*told; });
};

TEST_F(DriveQuestionsTest, AsksADriveOnceWhileItsQuestionIsPendingAndRemembersItsAnswer) {
  questions_->Ask(L"N:\\");
  questions_->Ask(L"N:\\");
  EXPECT_FALSE(questions_->WaitForAnswers({L"N:\\"}, 1ms)) << "the question is pending";
  EXPECT_FALSE(questions_->Known(L"N:\\").has_value());
  release_.set_value();
  ASSERT_TRUE(questions_->WaitForAnswers({L"N:\\"}, kAnswerLimit));
  EXPECT_EQ(*asked_, 1) << "one question while it was pending";
  ASSERT_TRUE(questions_->Known(L"N:\\").has_value());
  EXPECT_EQ(questions_->Known(L"N:\\")->label, L"Réseau");
  EXPECT_EQ(*told_, 1) << "the answer was told";

  questions_->Ask(L"N:\\");
  ASSERT_TRUE(questions_->WaitForAnswers({L"N:\\"}, kAnswerLimit));
  EXPECT_EQ(*asked_, 2) << "asked afresh once it had answered";
}

TEST_F(DriveQuestionsTest, OutlivesItsOwnerForALateAnswerAndTellsItToNoOne) {
  questions_->Ask(L"N:\\");
  questions_->StopTelling();
  std::weak_ptr<DriveQuestions> record = questions_;
  questions_.reset();
  ASSERT_FALSE(record.expired()) << "the pending question keeps the record";
  // The question is under way on its thread before it is answered: a thread slow to start (a machine under load)
  // is told apart from a record that is never let go.
  auto limit = std::chrono::steady_clock::now() + kAnswerLimit;
  while (*asked_ == 0 && std::chrono::steady_clock::now() < limit) std::this_thread::sleep_for(1ms);
  ASSERT_EQ(*asked_, 1) << "the question's thread has started";
  release_.set_value();
  // The question's thread lets the record go once the late answer is in it (the sanitizers watch that access).
  limit = std::chrono::steady_clock::now() + kAnswerLimit;
  while (!record.expired() && std::chrono::steady_clock::now() < limit) std::this_thread::sleep_for(1ms);
  EXPECT_TRUE(record.expired()) << "the record is freed after its last question";
  EXPECT_EQ(*told_, 0) << "the late answer was told to no one";
}

}  // namespace
