#include "filelist/SelectionWalk.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Rows = std::vector<std::string>;

struct WalkCase {
  const char* what;
  std::vector<int> selected;
  std::vector<bool> removes;  // per selected row, in order: whether the command takes it away
  Rows left;                  // the list afterwards, of rows "a" to "f"
};

// A list of six rows on which each handled row is checked by its name and removed when the case says so.
TEST(SelectionWalk, HandlesEverySelectedRowOnceWhateverTheRemovalsBefore) {
  const WalkCase cases[] = {
      {"three adjacent rows removed", {2, 3, 4}, {true, true, true}, {"a", "b", "f"}},
      {"every row removed", {0, 1, 2, 3, 4, 5}, {true, true, true, true, true, true}, {}},
      {"kept and removed in turn, apart", {0, 2, 3, 5}, {true, false, true, true}, {"b", "c", "e"}},
      {"the first kept, the second removed", {0, 1}, {false, true}, {"a", "c", "d", "e", "f"}},
  };
  for (const WalkCase& c : cases) {
    SCOPED_TRACE(c.what);
    Rows list{"a", "b", "c", "d", "e", "f"};
    Rows handled;
    size_t turn = 0;
    filelist::WalkSelection(c.selected, [&](int row) {
      EXPECT_LT(static_cast<size_t>(row), list.size()) << "a row index past the end";
      if (static_cast<size_t>(row) >= list.size()) return filelist::RowFate::Kept;
      handled.push_back(list[static_cast<size_t>(row)]);
      if (!c.removes[turn++]) return filelist::RowFate::Kept;
      list.erase(list.begin() + row);
      return filelist::RowFate::Removed;
    });
    Rows expected;
    for (int row : c.selected) expected.push_back(std::string(1, static_cast<char>('a' + row)));
    EXPECT_EQ(handled, expected) << "each selected row handled once, in list order";
    EXPECT_EQ(list, c.left);
  }
}

}  // namespace
