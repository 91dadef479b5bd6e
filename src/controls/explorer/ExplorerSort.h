#pragma once
// The order of the explorer control's rows: ".." always first, then the folders (drives included), then the files;
// within each group the order of the sorted column, either way. Window-free.

#include <vector>

#include "controls/explorer/ExplorerEntry.h"

namespace controls {

// The columns, in their order in the control.
enum class ExplorerColumn { Name = 0, Size = 1, Type = 2, Modified = 3 };
inline constexpr int kExplorerColumnCount = 4;

// Whether `a` is shown before `b`. Names compare as CompareNamesForDisplay does; drives by their root ("C:\"), not
// their label. Folders, which have no size, sort by name under the size column. Equal sizes, types or dates fall
// back on the name, so that a descending order is exactly the ascending one reversed within each group.
bool ExplorerEntryBefore(const ExplorerEntry& a, const ExplorerEntry& b, ExplorerColumn column, bool ascending);

void SortExplorerEntries(std::vector<ExplorerEntry>& entries, ExplorerColumn column, bool ascending);

}  // namespace controls
