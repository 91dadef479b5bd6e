#include "filelist/FileRows.h"

#include <algorithm>

#include "base/PathParts.h"

namespace filelist {

std::wstring_view FileRow::Name() const { return base::NamePartView(path); }

void FileRows::Append(std::wstring path, int image) {
  paths_.Add(path);
  rows_.push_back({std::move(path), image});
}

void FileRows::RemoveAt(std::size_t row) {
  if (row >= rows_.size()) return;
  paths_.Remove(rows_[row].path);
  rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(row));
}

ListMarks FileRows::RemoveSorted(const std::vector<int>& rows, const ListMarks& before) {
  std::vector<int> newIndex(rows_.size(), -1);
  std::size_t next = 0;
  std::size_t kept = 0;
  for (std::size_t row = 0; row < rows_.size(); ++row) {
    if (next < rows.size() && static_cast<std::size_t>(rows[next]) == row) {
      paths_.Remove(rows_[row].path);
      ++next;
      continue;
    }
    newIndex[row] = static_cast<int>(kept);
    if (kept != row) rows_[kept] = std::move(rows_[row]);
    ++kept;
  }
  rows_.resize(kept);

  auto now = [&newIndex](int row) {
    return row >= 0 && static_cast<std::size_t>(row) < newIndex.size() ? newIndex[static_cast<std::size_t>(row)] : -1;
  };
  ListMarks after;
  for (int row : before.selected) {
    if (now(row) >= 0) after.selected.push_back(now(row));
  }
  after.focused = now(before.focused);
  after.top = 0;
  for (std::size_t row = static_cast<std::size_t>(std::max(before.top, 0)); row < newIndex.size(); ++row) {
    if (newIndex[row] >= 0) {
      after.top = newIndex[row];
      break;
    }
  }
  return after;
}

ListMarks FileRows::Reorder(const std::vector<std::size_t>& order, const ListMarks& before) {
  const std::size_t count = rows_.size();
  std::vector<int> newPlace(count, -1);
  bool isPermutation = order.size() == count;
  for (std::size_t place = 0; isPermutation && place < count; ++place) {
    isPermutation = order[place] < count && newPlace[order[place]] < 0;
    if (isPermutation) newPlace[order[place]] = static_cast<int>(place);
  }
  if (!isPermutation) return before;

  std::deque<FileRow> reordered;
  for (std::size_t row : order) reordered.push_back(std::move(rows_[row]));
  rows_.swap(reordered);  // the paths are the same: their index needs no change

  auto now = [&newPlace](int row) {
    return row >= 0 && static_cast<std::size_t>(row) < newPlace.size() ? newPlace[static_cast<std::size_t>(row)] : -1;
  };
  ListMarks after;
  for (int row : before.selected) {
    if (now(row) >= 0) after.selected.push_back(now(row));
  }
  std::sort(after.selected.begin(), after.selected.end());
  after.focused = now(before.focused);
  after.top = before.top;
  return after;
}

void FileRows::Clear() {
  rows_.clear();
  rows_.shrink_to_fit();  // a deque gives its blocks back
  paths_.Clear();
}

std::vector<int> RowsToRemove(std::vector<int> rows, std::size_t count) {
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  std::erase_if(rows, [count](int row) { return row < 0 || static_cast<std::size_t>(row) >= count; });
  return rows;
}

}  // namespace filelist
