#pragma once
// When the explorer control lists its folder again after the folder changed on disk. Window-free: times are
// milliseconds of a steady clock.
//
// A burst of changes (a program renaming or copying thousands of files) costs a few listings, not one per change:
// the list waits until the folder has been quiet for kQuietTime, or until changes have gone on for kLongestWait.
// A big folder takes long to list, so after each listing the control rests kRestFactor times as long as that
// listing took before the next one: a folder that never stops changing leaves the user most of the time.

#include <cstdint>

namespace controls {

class ExplorerRefreshTiming {
 public:
  static constexpr std::uint64_t kQuietTime = 300;
  static constexpr std::uint64_t kLongestWait = 2000;
  static constexpr std::uint64_t kRestFactor = 3;

  // The folder was seen changed at `now`.
  void ChangeSeen(std::uint64_t now);
  // Whether a change seen is waiting to be shown and its time has come.
  bool RefreshDue(std::uint64_t now) const;
  // A listing ran from `started` to `ended`: every change seen so far is shown.
  void Refreshed(std::uint64_t started, std::uint64_t ended);

 private:
  bool pending_ = false;
  std::uint64_t firstChange_ = 0;  // of the changes waiting
  std::uint64_t lastChange_ = 0;
  std::uint64_t restUntil_ = 0;
};

}  // namespace controls
