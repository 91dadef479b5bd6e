#pragma once
// What takes time to learn of a drive (its volume label, its own icon), asked away from the window's thread: a
// mapped network drive whose server is gone keeps whoever asks it waiting for many seconds. Window-free.
//
// Each question runs on a thread of its own, so that one slow drive holds no other, and a drive is never asked
// twice at once. Answers are remembered, so that the next showing of the drives is complete at once. The record is
// shared with the questions' threads, which may outlive its owner: an answer that comes after StopTelling is
// remembered and told to no one.

#include <chrono>
#include <condition_variable>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace controls {

// A drive's answer. The label is empty where the drive has none or gave none (not ready); iconIndex is -1 where the
// drive has no icon of its own to give.
struct DriveDetails {
  std::wstring label;
  int iconIndex = -1;
};

class DriveQuestions : public std::enable_shared_from_this<DriveQuestions> {
 public:
  // Asks the drive of `root` ("C:\"); runs on a question's thread.
  using Question = std::function<DriveDetails(const std::wstring& root)>;
  // Runs on a question's thread once its answer is remembered.
  using AnswerCame = std::function<void()>;

  static std::shared_ptr<DriveQuestions> Make(Question question, AnswerCame answerCame);

  // Asks the drive afresh, unless a question to it is still pending.
  void Ask(const std::wstring& root);
  // Waits until no question to these drives is pending, `limit` at most; whether none is.
  bool WaitForAnswers(const std::vector<std::wstring>& roots, std::chrono::milliseconds limit);
  // The drive's last answer, if it ever gave one.
  std::optional<DriveDetails> Known(const std::wstring& root) const;
  // From now on answers are only remembered: whoever was told is going away.
  void StopTelling();

 private:
  DriveQuestions(Question question, AnswerCame answerCame);
  void Remember(const std::wstring& root, DriveDetails details);

  struct Drive {
    bool pending = false;
    std::optional<DriveDetails> known;
  };

  const Question question_;
  AnswerCame answerCame_;
  mutable std::mutex mutex_;
  std::condition_variable answered_;
  std::map<std::wstring, Drive> drives_;
};

}  // namespace controls
