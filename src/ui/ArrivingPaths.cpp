#include "ui/ArrivingPaths.h"

#include "ui/Events.h"

namespace ui {

namespace {

std::vector<std::wstring>& Waiting() {
  static std::vector<std::wstring> paths;
  return paths;
}

}  // namespace

void HandOverPaths(std::vector<std::wstring> paths, int windowNumber, int command) {
  if (paths.empty()) return;
  for (std::wstring& path : paths) Waiting().push_back(std::move(path));
  // One event per handover; the first to be handled takes every path waiting, the others find none.
  PostMenuEvent(windowNumber, command);
}

std::vector<std::wstring> TakeArrivedPaths() {
  std::vector<std::wstring> paths;
  paths.swap(Waiting());
  return paths;
}

}  // namespace ui
