#include "filelist/SelectionWalk.h"

namespace filelist {

void WalkSelection(const std::vector<int>& selectedRows, const std::function<RowFate(int row)>& handleRow) {
  // Every row removed so far stood before the current one: each has moved it up by one.
  int removed = 0;
  for (int row : selectedRows) {
    if (handleRow(row - removed) == RowFate::Removed) ++removed;
  }
}

}  // namespace filelist
