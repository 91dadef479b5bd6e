#include "controls/explorer/ExplorerSort.h"

#include <algorithm>

#include "controls/explorer/ExplorerNameOrder.h"

namespace controls {

namespace {

// 0 for "..", 1 for folders and drives, 2 for files: the groups never mix, whatever the order.
int Group(const ExplorerEntry& entry) {
  if (entry.isParent) return 0;
  return entry.isFolder ? 1 : 2;
}

int CompareValues(std::uint64_t a, std::uint64_t b) { return a < b ? -1 : (a > b ? 1 : 0); }

int CompareNames(const ExplorerEntry& a, const ExplorerEntry& b) {
  if (a.isDrive && b.isDrive) return CompareNamesForDisplay(a.path, b.path);
  return CompareNamesForDisplay(a.name, b.name);
}

int CompareInColumn(const ExplorerEntry& a, const ExplorerEntry& b, ExplorerColumn column) {
  int order = 0;
  switch (column) {
    case ExplorerColumn::Name: break;
    case ExplorerColumn::Size: order = a.isFolder ? 0 : CompareValues(a.size, b.size); break;
    case ExplorerColumn::Type: order = CompareNamesForDisplay(a.typeText, b.typeText); break;
    case ExplorerColumn::Modified: order = CompareValues(a.modified, b.modified); break;
  }
  return order != 0 ? order : CompareNames(a, b);
}

}  // namespace

bool ExplorerEntryBefore(const ExplorerEntry& a, const ExplorerEntry& b, ExplorerColumn column, bool ascending) {
  int groupA = Group(a);
  int groupB = Group(b);
  if (groupA != groupB) return groupA < groupB;
  int order = CompareInColumn(a, b, column);
  return ascending ? order < 0 : order > 0;
}

void SortExplorerEntries(std::vector<ExplorerEntry>& entries, ExplorerColumn column, bool ascending) {
  std::stable_sort(entries.begin(), entries.end(), [column, ascending](const ExplorerEntry& a, const ExplorerEntry& b) {
    return ExplorerEntryBefore(a, b, column, ascending);
  });
}

}  // namespace controls
