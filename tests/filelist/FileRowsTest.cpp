// The file list's rows without the list control: the path index kept in step with every change, and the sweep that
// removes many rows while the selection, the focus and the first row on show stay with their rows.
#include "filelist/FileRows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using filelist::FileRows;
using filelist::ListMarks;

FileRows RowsOf(const std::vector<std::wstring>& paths) {
  FileRows rows;
  int image = 0;
  for (const std::wstring& path : paths) rows.Append(path, image++);
  return rows;
}

std::vector<std::wstring> PathsOf(const FileRows& rows) {
  std::vector<std::wstring> paths;
  for (size_t i = 0; i < rows.Count(); ++i) paths.push_back(rows.At(i).path);
  return paths;
}

TEST(FileRows, KeepTheirOrderAndTheirNameIsThePathsLastPart) {
  FileRows rows = RowsOf({L"C:\\P\\b.jpg", L"C:\\P\\a.jpg", L"D:/x/c.JPG"});
  EXPECT_EQ(PathsOf(rows), (std::vector<std::wstring>{L"C:\\P\\b.jpg", L"C:\\P\\a.jpg", L"D:/x/c.JPG"}));
  EXPECT_EQ(rows.At(2).Name(), L"c.JPG");
  EXPECT_EQ(rows.At(1).image, 1);
}

TEST(FileRows, ThePathIndexFollowsEveryRowAddedAndRemoved) {
  FileRows rows = RowsOf({L"C:\\a.jpg", L"C:\\b.jpg", L"C:\\a.jpg"});
  EXPECT_TRUE(rows.Contains(L"C:\\a.jpg"));
  EXPECT_FALSE(rows.Contains(L"C:\\A.jpg")) << "letter case counts";
  rows.RemoveAt(0);
  EXPECT_TRUE(rows.Contains(L"C:\\a.jpg")) << "the path is still listed once";
  EXPECT_EQ(PathsOf(rows), (std::vector<std::wstring>{L"C:\\b.jpg", L"C:\\a.jpg"}));
  rows.RemoveSorted({1}, {});
  EXPECT_FALSE(rows.Contains(L"C:\\a.jpg"));
  rows.RemoveAt(5);
  EXPECT_EQ(rows.Count(), 1u) << "a row out of range is left alone";
  rows.Clear();
  EXPECT_EQ(rows.Count(), 0u);
  EXPECT_FALSE(rows.Contains(L"C:\\b.jpg"));
}

TEST(FileRows, ASweepKeepsTheOthersInOrderWithTheirMarks) {
  std::vector<std::wstring> paths;
  for (int i = 0; i < 10; ++i) paths.push_back(L"C:\\f" + std::to_wstring(i));
  struct Case {
    const char* what;
    std::vector<int> removed;
    std::vector<int> selectedBefore;
    int focusedBefore;
    int topBefore;
    std::vector<int> selected;
    int focused;
    int top;
  };
  const Case cases[] = {
      {"every other row", {0, 2, 4, 6, 8}, {1, 2, 3, 9}, 3, 4, {0, 1, 4}, 1, 2},
      {"the focused and the top row go", {5, 6}, {7}, 5, 5, {5}, -1, 5},
      {"every row after the top goes", {7, 8, 9}, {}, -1, 7, {}, -1, 0},
      {"nothing was marked", {0}, {}, -1, -1, {}, -1, 0},
  };
  for (const Case& c : cases) {
    FileRows rows = RowsOf(paths);
    ListMarks before;
    before.selected = c.selectedBefore;
    before.focused = c.focusedBefore;
    before.top = c.topBefore;
    ListMarks after = rows.RemoveSorted(c.removed, before);
    EXPECT_EQ(rows.Count(), paths.size() - c.removed.size()) << c.what;
    EXPECT_EQ(after.selected, c.selected) << c.what;
    EXPECT_EQ(after.focused, c.focused) << c.what;
    EXPECT_EQ(after.top, c.top) << c.what;
    for (int row : c.removed) EXPECT_FALSE(rows.Contains(paths[static_cast<size_t>(row)])) << c.what;
  }
  FileRows rows = RowsOf(paths);
  rows.RemoveSorted({0, 2, 4, 6, 8}, {});
  EXPECT_EQ(PathsOf(rows), (std::vector<std::wstring>{L"C:\\f1", L"C:\\f3", L"C:\\f5", L"C:\\f7", L"C:\\f9"}));
  EXPECT_EQ(rows.At(4).image, 9) << "each row keeps its image";
}

TEST(FileRows, AReorderMovesEachRowWithItsImageAndMarksAndLeavesTheIndexRight) {
  FileRows rows = RowsOf({L"C:\\a", L"C:\\b", L"C:\\c", L"C:\\d", L"C:\\b"});
  ListMarks before;
  before.selected = {0, 3, 4};
  before.focused = 3;
  before.top = 2;
  ListMarks after = rows.Reorder({3, 1, 4, 0, 2}, before);
  EXPECT_EQ(PathsOf(rows), (std::vector<std::wstring>{L"C:\\d", L"C:\\b", L"C:\\b", L"C:\\a", L"C:\\c"}));
  EXPECT_EQ(rows.At(0).image, 3) << "each row keeps its image";
  EXPECT_EQ(rows.At(2).image, 4);
  EXPECT_EQ(after.selected, (std::vector<int>{0, 2, 3})) << "the selected rows, in their new list order";
  EXPECT_EQ(after.focused, 0) << "the focused row went first";
  EXPECT_EQ(after.top, 2) << "the top place is left as it was";

  // The index still knows every path, the duplicate twice, and forgets as rows go.
  for (const wchar_t* path : {L"C:\\a", L"C:\\b", L"C:\\c", L"C:\\d"}) EXPECT_TRUE(rows.Contains(path));
  rows.RemoveAt(1);
  EXPECT_TRUE(rows.Contains(L"C:\\b")) << "one row of the duplicate is left";
  rows.RemoveAt(1);
  EXPECT_FALSE(rows.Contains(L"C:\\b"));
  EXPECT_EQ(PathsOf(rows), (std::vector<std::wstring>{L"C:\\d", L"C:\\a", L"C:\\c"}));
}

TEST(FileRows, AReorderThatIsNotAPermutationOfEveryRowChangesNothing) {
  const std::vector<std::vector<std::size_t>> orders = {{0, 1}, {0, 1, 1}, {2, 1, 3}, {0, 1, 2, 0}};
  for (const auto& order : orders) {
    FileRows rows = RowsOf({L"C:\\a", L"C:\\b", L"C:\\c"});
    ListMarks before;
    before.selected = {2};
    before.focused = 2;
    ListMarks after = rows.Reorder(order, before);
    EXPECT_EQ(PathsOf(rows), (std::vector<std::wstring>{L"C:\\a", L"C:\\b", L"C:\\c"})) << order.size();
    EXPECT_EQ(after.selected, before.selected);
    EXPECT_EQ(after.focused, 2);
  }
}

TEST(FileRows, RowsToRemoveAreSortedOnceEachAndWithinTheList) {
  EXPECT_EQ(filelist::RowsToRemove({7, 2, 2, -1, 0, 9, 3}, 8), (std::vector<int>{0, 2, 3, 7}));
  EXPECT_TRUE(filelist::RowsToRemove({0, 1}, 0).empty());
}

}  // namespace
