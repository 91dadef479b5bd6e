#include "filelist/PathIndex.h"

namespace filelist {

void PathIndex::Add(std::wstring_view path) {
  auto found = counts_.find(path);
  if (found == counts_.end()) {
    counts_.emplace(std::wstring(path), 1);
  } else {
    ++found->second;
  }
  ++rows_;
}

void PathIndex::Remove(std::wstring_view path) {
  auto found = counts_.find(path);
  if (found == counts_.end()) return;
  if (--found->second == 0) counts_.erase(found);
  --rows_;
}

void PathIndex::Clear() {
  counts_.clear();
  rows_ = 0;
}

bool PathIndex::Contains(std::wstring_view path) const { return counts_.find(path) != counts_.end(); }

std::size_t PathIndex::RowsOf(std::wstring_view path) const {
  auto found = counts_.find(path);
  return found == counts_.end() ? 0 : found->second;
}

}  // namespace filelist
