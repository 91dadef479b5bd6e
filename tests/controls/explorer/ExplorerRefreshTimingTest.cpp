#include "controls/explorer/ExplorerRefreshTiming.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using controls::ExplorerRefreshTiming;

constexpr std::uint64_t kTick = 100;  // the control's timer

struct Listing {
  std::uint64_t start;
  std::uint64_t end;
};

// The control's timer over `span` ms while the folder changes without a pause until `changesEnd`, each change seen at
// the next tick; a listing due takes `listing` ms, the timer ticking again once it is over.
std::vector<Listing> RunTicks(std::uint64_t span, std::uint64_t changesEnd, std::uint64_t listing) {
  ExplorerRefreshTiming timing;
  std::vector<Listing> listings;
  for (std::uint64_t now = kTick; now <= span; now += kTick) {
    if (now - kTick < changesEnd) timing.ChangeSeen(now);
    if (!timing.RefreshDue(now)) continue;
    listings.push_back({now, now + listing});
    timing.Refreshed(now, now + listing);
    now += listing - listing % kTick;
  }
  return listings;
}

TEST(ExplorerRefreshTiming, ChangesCostAListingAfterTheirPauseAndOneEveryTwoSecondsWhileTheyGoOn) {
  struct BurstCase {
    std::uint64_t length;  // ms of changes; 10,000 files renamed in the folder take about 40 s under Wine
    size_t mostListings;
  };
  for (const BurstCase& burst : {BurstCase{0, 0}, BurstCase{1, 1}, BurstCase{10000, 6}, BurstCase{40000, 21}}) {
    SCOPED_TRACE(testing::Message() << burst.length << " ms of changes");
    std::vector<Listing> listings = RunTicks(burst.length + 5000, burst.length, 50);
    EXPECT_LE(listings.size(), burst.mostListings);
    if (burst.length == 0) continue;
    ASSERT_FALSE(listings.empty());
    EXPECT_GE(listings.back().start, burst.length + ExplorerRefreshTiming::kQuietTime) << "after the pause only";
    EXPECT_LE(listings.back().start, burst.length + ExplorerRefreshTiming::kQuietTime + kTick) << "at once after it";
    for (size_t i = 1; i < listings.size(); ++i) {
      EXPECT_LE(listings[i].start - listings[i - 1].end, ExplorerRefreshTiming::kLongestWait + kTick) << i;
    }
  }
}

TEST(ExplorerRefreshTiming, AFolderSlowToListThatNeverStopsChangingIsListedAQuarterOfTheTimeAtMost) {
  for (std::uint64_t listing : {500u, 1500u, 6000u}) {
    std::vector<Listing> listings = RunTicks(120000, 120000, listing);
    ASSERT_GE(listings.size(), 3u) << "listings of " << listing << " ms";
    std::uint64_t busy = 0;
    for (size_t i = 0; i + 1 < listings.size(); ++i) busy += listings[i].end - listings[i].start;
    EXPECT_LE(static_cast<double>(busy) / static_cast<double>(listings.back().start - listings.front().start), 0.26)
        << "share of the time spent on listings of " << listing << " ms";
  }
}

}  // namespace
