#include "controls/explorer/ExplorerRefreshTiming.h"

namespace controls {

void ExplorerRefreshTiming::ChangeSeen(std::uint64_t now) {
  if (!pending_) firstChange_ = now;
  pending_ = true;
  lastChange_ = now;
}

bool ExplorerRefreshTiming::RefreshDue(std::uint64_t now) const {
  if (!pending_ || now < restUntil_) return false;
  return now - lastChange_ >= kQuietTime || now - firstChange_ >= kLongestWait;
}

void ExplorerRefreshTiming::Refreshed(std::uint64_t started, std::uint64_t ended) {
  pending_ = false;
  restUntil_ = ended + kRestFactor * (ended > started ? ended - started : 0);
}

}  // namespace controls
