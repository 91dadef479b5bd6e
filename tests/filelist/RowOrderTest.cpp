// The orders the user puts the file list in: names as Windows Explorer orders them (numbers by value, letter case
// aside), paths folder by folder, either way, stable, and quick enough for 100,000 rows.
#include "filelist/RowOrder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "controls/explorer/ExplorerNameOrder.h"

namespace {

using filelist::FileRows;
using filelist::OrderedRows;
using filelist::RowOrderColumn;
using Paths = std::vector<std::wstring>;

FileRows RowsOf(const Paths& paths) {
  FileRows rows;
  for (const std::wstring& path : paths) rows.Append(path, -1);
  return rows;
}

// The paths in the order the rows would take.
Paths Ordered(const Paths& paths, RowOrderColumn column, bool ascending) {
  FileRows rows = RowsOf(paths);
  Paths ordered;
  for (std::size_t row : OrderedRows(rows, column, ascending)) ordered.push_back(paths.at(row));
  return ordered;
}

std::string Narrow(const Paths& paths) {
  std::string text;
  for (const std::wstring& path : paths) {
    text += " \"";
    for (wchar_t c : path) text += c < 0x80 ? static_cast<char>(c) : '?';
    text += '"';
  }
  return text;
}

// The order one way, and exactly its reverse the other way.
void ExpectOrderBothWays(const Paths& listed, RowOrderColumn column, const Paths& ascending) {
  EXPECT_EQ(Ordered(listed, column, true), ascending) << Narrow(Ordered(listed, column, true));
  const Paths descending(ascending.rbegin(), ascending.rend());
  EXPECT_EQ(Ordered(listed, column, false), descending) << Narrow(Ordered(listed, column, false));
}

TEST(RowOrder, NamesGoAsExplorerShowsThemNumbersByValueAndLetterCaseAside) {
  const Paths listed = {L"C:\\P\\photo 10.jpg", L"C:\\P\\photo 2.jpg", L"C:\\P\\Photo 1.jpg", L"C:\\P\\été.jpg",
                        L"C:\\P\\Zèbre.jpg", L"C:\\P\\_notes.txt", L"C:\\P\\photo 2 (copie).jpg"};
  const Paths ascending = {L"C:\\P\\_notes.txt",  L"C:\\P\\été.jpg",  L"C:\\P\\Photo 1.jpg",
                           L"C:\\P\\photo 2 (copie).jpg", L"C:\\P\\photo 2.jpg", L"C:\\P\\photo 10.jpg",
                           L"C:\\P\\Zèbre.jpg"};
  ExpectOrderBothWays(listed, RowOrderColumn::Name, ascending);
}

TEST(RowOrder, EqualRowsKeepTheirPresentOrderEitherWay) {
  // The same name in three folders, and one path listed twice (a folder scan does not look for duplicates).
  const Paths listed = {L"C:\\B\\a.jpg", L"C:\\A\\a.jpg", L"C:\\C\\b.jpg", L"C:\\C\\a.jpg"};
  EXPECT_EQ(Ordered(listed, RowOrderColumn::Name, true),
            (Paths{L"C:\\B\\a.jpg", L"C:\\A\\a.jpg", L"C:\\C\\a.jpg", L"C:\\C\\b.jpg"}));
  EXPECT_EQ(Ordered(listed, RowOrderColumn::Name, false),
            (Paths{L"C:\\C\\b.jpg", L"C:\\B\\a.jpg", L"C:\\A\\a.jpg", L"C:\\C\\a.jpg"}))
      << "equal names are not turned round with the others";

  FileRows twice = RowsOf({L"C:\\x\\b.jpg", L"C:\\x\\a.jpg", L"C:\\x\\b.jpg"});
  EXPECT_EQ(OrderedRows(twice, RowOrderColumn::Path, true), (std::vector<std::size_t>{1, 0, 2}));
  EXPECT_EQ(OrderedRows(twice, RowOrderColumn::Path, false), (std::vector<std::size_t>{0, 2, 1}));
}

TEST(RowOrder, PathsGoFolderByFolderEachFoldersFilesBeforeItsSubfolders) {
  const Paths listed = {
      L"C:\\Photos 2024\\a.jpg", L"C:\\Photos\\Sub\\a.jpg", L"C:\\Photos\\z.jpg",  L"C:\\photos-old\\x.jpg",
      L"C:\\Photos\\10\\x.jpg",  L"C:\\Photos\\b.jpg",      L"C:\\Photos\\9\\x.jpg", L"C:\\Photos\\a.jpg",
      L"D:\\a.jpg",              L"C:\\a.jpg",
  };
  // Character by character, "C:\Photos 2024\" would come first (a blank before a backslash) and "C:\Photos\z.jpg"
  // after the subfolder "Sub".
  const Paths ascending = {
      L"C:\\a.jpg",           L"C:\\Photos\\a.jpg",      L"C:\\Photos\\b.jpg",       L"C:\\Photos\\z.jpg",
      L"C:\\Photos\\9\\x.jpg", L"C:\\Photos\\10\\x.jpg", L"C:\\Photos\\Sub\\a.jpg", L"C:\\Photos 2024\\a.jpg",
      L"C:\\photos-old\\x.jpg", L"D:\\a.jpg",
  };
  ExpectOrderBothWays(listed, RowOrderColumn::Path, ascending);
}

TEST(RowOrder, FoldersEqualButForLetterCaseStayApart) {
  // Two folders of one Linux disk, or of two drives: never interleaved, small letters first as for names.
  const Paths listed = {L"C:\\Vacances\\b.jpg", L"C:\\vacances\\a.jpg", L"C:\\Vacances\\a.jpg", L"C:\\vacances\\b.jpg"};
  EXPECT_EQ(Ordered(listed, RowOrderColumn::Path, true),
            (Paths{L"C:\\vacances\\a.jpg", L"C:\\vacances\\b.jpg", L"C:\\Vacances\\a.jpg", L"C:\\Vacances\\b.jpg"}));
}

// Many rows in many folders, listed in a shuffled order, come out exactly. How long the order takes is for
// scripts/bench to say.
TEST(RowOrder, ManyRowsOfManyFoldersComeOutExactly) {
  constexpr int kFolders = 20;
  constexpr int kPerFolder = 500;
  Paths byPath;
  for (int folder = 1; folder <= kFolders; ++folder) {
    for (int file = 1; file <= kPerFolder; ++file) {
      byPath.push_back(L"C:\\Photos\\Dossier " + std::to_wstring(folder) + L"\\IMG_" +
                       std::to_wstring((folder - 1) * kPerFolder + file) + L".jpg");
    }
  }
  Paths listed = byPath;
  std::shuffle(listed.begin(), listed.end(), std::mt19937(20240611));
  FileRows rows = RowsOf(listed);

  for (RowOrderColumn column : {RowOrderColumn::Name, RowOrderColumn::Path}) {
    for (bool ascending : {true, false}) {
      std::vector<std::size_t> order = OrderedRows(rows, column, ascending);
      const char* what = column == RowOrderColumn::Name ? "by name" : "by path";
      ASSERT_EQ(order.size(), listed.size()) << what;
      // IMG_n numbers run with the folders: both orders give byPath, one way or the other.
      for (std::size_t place = 0; place < order.size(); ++place) {
        const std::wstring& expected = ascending ? byPath[place] : byPath[byPath.size() - 1 - place];
        ASSERT_EQ(listed[order[place]], expected) << what << (ascending ? " ascending" : " descending") << ", place "
                                                  << place;
      }
    }
  }
}

}  // namespace
