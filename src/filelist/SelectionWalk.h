#pragma once
// The walk of the list commands over the selection: every row selected when the command starts is handled once,
// in list order. A row the handling removes moves the rows after it up by one, so each later row is handed over at
// the place it has then. Window-free.

#include <functional>
#include <vector>

namespace filelist {

enum class RowFate { Kept, Removed };

// selectedRows: the selected row indices when the command starts, in list order. handleRow gets each row's index
// as it stands when its turn comes, and tells whether it removed the row.
void WalkSelection(const std::vector<int>& selectedRows, const std::function<RowFate(int row)>& handleRow);

}  // namespace filelist
