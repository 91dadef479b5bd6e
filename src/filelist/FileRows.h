#pragma once
// The rows of the file list as the program keeps them under the virtual list control: each row's full path (the
// row's identity) and its image, in the order they were added or were last put in, with an index of the listed paths so that the
// duplicate test does not read every row. Window-free.

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "filelist/PathIndex.h"

namespace filelist {

struct FileRow {
  std::wstring path;
  int image = -1;  // in the list's image list; -1 for none
  // The name part of the path: column "Nom".
  std::wstring_view Name() const;
};

// What the list shows of its rows besides their texts: the selected rows in list order, the focused row and the
// first row on show (-1 for none).
struct ListMarks {
  std::vector<int> selected;
  int focused = -1;
  int top = -1;
};

// Above this many rows to remove at once, one sweep over the rows costs less than removing them one by one.
inline constexpr std::size_t kSweepAbove = 64;

class FileRows {
 public:
  std::size_t Count() const { return rows_.size(); }
  // row < Count().
  const FileRow& At(std::size_t row) const { return rows_[row]; }
  // Exactly this path, letter case included.
  bool Contains(std::wstring_view path) const { return paths_.Contains(path); }

  void Append(std::wstring path, int image);
  // The rows after it move up by one; a row out of range is left alone.
  void RemoveAt(std::size_t row);
  // Removes the rows (sorted, each once, all within the list) in one sweep; the others close up in their order.
  // `before` tells the marks as they were; the answer is where they are now: the kept selected rows, the focused
  // row if kept, and on top the first kept row at or after the old top (0 when none is left there).
  ListMarks RemoveSorted(const std::vector<int>& rows, const ListMarks& before);
  // Puts the rows in another order: order[i] is the present place of the row to go to place i, each place once
  // (anything else is left alone). The selected and focused rows of `before` move with their rows; the answer gives
  // their new places, the selected ones in list order, and keeps the top place as it was.
  ListMarks Reorder(const std::vector<std::size_t>& order, const ListMarks& before);
  void Clear();

 private:
  // A deque: the file actions remove rows from the front one by one, and the list may hold 100,000 of them.
  std::deque<FileRow> rows_;
  PathIndex paths_;
};

// The rows a caller asks to remove, as RemoveSorted takes them: sorted, each once, and only those within a list of
// `count` rows.
std::vector<int> RowsToRemove(std::vector<int> rows, std::size_t count);

}  // namespace filelist
