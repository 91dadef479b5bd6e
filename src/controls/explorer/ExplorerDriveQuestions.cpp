#include "controls/explorer/ExplorerDriveQuestions.h"

#include <algorithm>
#include <system_error>
#include <thread>
#include <utility>

namespace controls {

std::shared_ptr<DriveQuestions> DriveQuestions::Make(Question question, AnswerCame answerCame) {
  return std::shared_ptr<DriveQuestions>(new DriveQuestions(std::move(question), std::move(answerCame)));
}

DriveQuestions::DriveQuestions(Question question, AnswerCame answerCame)
    : question_(std::move(question)), answerCame_(std::move(answerCame)) {}

void DriveQuestions::Ask(const std::wstring& root) {
  {
    std::lock_guard lock(mutex_);
    Drive& drive = drives_[root];
    if (drive.pending) return;
    drive.pending = true;
  }
  try {
    // The thread holds the record: it may answer long after the record's owner has gone.
    std::thread([self = shared_from_this(), root] { self->Remember(root, self->question_(root)); }).detach();
  } catch (const std::system_error&) {
    // No thread to be had: the drive keeps its last answer and is not waited for.
    std::lock_guard lock(mutex_);
    drives_[root].pending = false;
  }
}

void DriveQuestions::Remember(const std::wstring& root, DriveDetails details) {
  std::lock_guard lock(mutex_);
  Drive& drive = drives_[root];
  drive.pending = false;
  drive.known = std::move(details);
  answered_.notify_all();
  // Told under the lock, so that no one is told once StopTelling has returned.
  if (answerCame_) answerCame_();
}

bool DriveQuestions::WaitForAnswers(const std::vector<std::wstring>& roots, std::chrono::milliseconds limit) {
  std::unique_lock lock(mutex_);
  return answered_.wait_for(lock, limit, [&] {
    return std::none_of(roots.begin(), roots.end(), [&](const std::wstring& root) {
      auto drive = drives_.find(root);
      return drive != drives_.end() && drive->second.pending;
    });
  });
}

std::optional<DriveDetails> DriveQuestions::Known(const std::wstring& root) const {
  std::lock_guard lock(mutex_);
  auto drive = drives_.find(root);
  return drive == drives_.end() ? std::nullopt : drive->second.known;
}

void DriveQuestions::StopTelling() {
  std::lock_guard lock(mutex_);
  answerCame_ = nullptr;
}

}  // namespace controls
