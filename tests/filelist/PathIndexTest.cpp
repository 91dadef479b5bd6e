#include "filelist/PathIndex.h"

#include <gtest/gtest.h>

namespace {

TEST(PathIndex, CountsRowsPerExactPath) {
  filelist::PathIndex index;
  index.Add(L"C:\\Photos\\a.jpg");
  index.Add(L"C:\\Photos\\a.jpg");  // the folder scan lists a folder twice
  index.Add(L"C:\\PHOTOS\\a.jpg");
  EXPECT_EQ(index.Rows(), 3u);
  EXPECT_EQ(index.RowsOf(L"C:\\Photos\\a.jpg"), 2u);
  EXPECT_EQ(index.RowsOf(L"C:\\PHOTOS\\a.jpg"), 1u) << "letter case makes another path";
  EXPECT_FALSE(index.Contains(L"c:\\photos\\a.jpg"));

  index.Remove(L"C:\\Photos\\a.jpg");
  EXPECT_TRUE(index.Contains(L"C:\\Photos\\a.jpg")) << "one of its two rows is left";
  index.Remove(L"C:\\Photos\\a.jpg");
  EXPECT_FALSE(index.Contains(L"C:\\Photos\\a.jpg"));
  index.Remove(L"C:\\nowhere.jpg");
  EXPECT_EQ(index.Rows(), 1u) << "removing a path that is not listed changes nothing";
  index.Clear();
  EXPECT_EQ(index.Rows(), 0u);
  EXPECT_FALSE(index.Contains(L"C:\\PHOTOS\\a.jpg"));
}

}  // namespace
