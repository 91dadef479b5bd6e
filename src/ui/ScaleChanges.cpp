#include "ui/ScaleChanges.h"

#include <vector>

#include "ui/ComboBoxImages.h"
#include "ui/ControlFont.h"
#include "ui/ControlImages.h"
#include "ui/ReportLists.h"
#include "ui/StatusBar.h"
#include "ui/TopLevelWindows.h"
#include "ui/WindowRecords.h"
#include "ui/WindowScaling.h"

namespace ui {

namespace {

struct Subscription {
  HWND owner;
  ScaleStep step;
  std::function<void()> apply;
};

// Kept in the order of subscription; an owner's subscriptions go with its window.
class Subscriptions final : public WindowRecordsBase {
 public:
  void Add(Subscription subscription) {
    // Unwatched, a subscription could outlive its window and be taken for one that reuses the handle.
    if (WatchDestruction(subscription.owner)) list_.push_back(std::move(subscription));
  }
  void Forget(HWND window) override {
    std::erase_if(list_, [window](const Subscription& s) { return s.owner == window; });
  }
  void Tell(ScaleStep step) const {
    // A copy: a subscriber may make or destroy windows, and so subscriptions.
    const std::vector<Subscription> now = list_;
    for (const Subscription& subscription : now) {
      if (subscription.step == step) subscription.apply();
    }
  }

 private:
  std::vector<Subscription> list_;
};

Subscriptions& Subscribers() {
  static Subscriptions subscribers;
  return subscribers;
}

}  // namespace

void OnScaleChange(HWND owner, ScaleStep step, std::function<void()> apply) {
  if (owner && apply) Subscribers().Add({owner, step, std::move(apply)});
}

void ChangeLayoutScale(double scale, HWND moved, int dotsPerInch, const RECT& suggested) {
  const double before = LayoutScale();
  const std::vector<ListTopRow> topRows = TopRowsOfLists();
  HFONT oldFont = DefaultControlFont();
  SetLayoutScale(scale);

  Subscribers().Tell(ScaleStep::Resources);
  SizeTopLevelWindowsAtScale(moved, dotsPerInch, suggested);
  PlaceAllAtScale();
  RefreshControlFonts(oldFont);
  RefreshControlImages();
  RebuildComboBoxImages();
  RescaleAllListColumns(LayoutScale() / before);
  RefitStatusBars();
  Subscribers().Tell(ScaleStep::Look);
  // Once the rows have their new height.
  for (const ListTopRow& top : topRows) {
    if (IsWindow(top.list)) ScrollRowToTop(top.list, top.row);
  }
  // Every window was moved without repainting; all are painted once, at once: the task pane puts its host areas
  // back in their bands as it paints.
  RedrawTopLevelWindows();
}

}  // namespace ui
