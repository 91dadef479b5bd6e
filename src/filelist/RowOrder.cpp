#include "filelist/RowOrder.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <string_view>
#include <unordered_map>

#include "base/PathParts.h"
#include "controls/explorer/ExplorerNameOrder.h"

namespace filelist {

namespace {

int Sign(int value) { return value < 0 ? -1 : (value > 0 ? 1 : 0); }

// The component of a folder path that starts at `at`; `at` moves past it and its separator.
std::wstring_view NextComponent(std::wstring_view folder, std::size_t& at) {
  std::size_t end = at;
  while (end < folder.size() && !base::IsPathSeparator(folder[end])) ++end;
  std::wstring_view component = folder.substr(at, end - at);
  at = end < folder.size() ? end + 1 : end;
  return component;
}

// Component by component; a folder that runs out first is the other's parent and comes first.
template <typename CompareComponent>
int CompareByComponent(std::wstring_view a, std::wstring_view b, CompareComponent compare) {
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < a.size() && j < b.size()) {
    int order = compare(NextComponent(a, i), NextComponent(b, j));
    if (order != 0) return order;
  }
  bool aLeft = i < a.size();
  bool bLeft = j < b.size();
  return aLeft == bLeft ? 0 : (aLeft ? 1 : -1);
}

// Folders (each ending with its separator, or empty) component by component as names compare; texts that differ
// by their separators alone still come in one order.
int CompareFoldersForDisplay(std::wstring_view a, std::wstring_view b) {
  int order = CompareByComponent(a, b, controls::CompareNamesForDisplay);
  return order != 0 ? order : Sign(a.compare(b));
}

std::wstring_view FolderOf(const FileRow& row) {
  std::wstring_view path = row.path;
  return path.substr(0, path.size() - row.Name().size());
}

// The place of each row's folder in the folders' order. The rows of a list come from few folders: each distinct
// folder is folded and sorted once.
std::vector<std::size_t> FolderRanks(const FileRows& rows) {
  std::unordered_map<std::wstring_view, std::size_t> ids;
  std::vector<std::wstring_view> folders;
  std::vector<std::size_t> idOfRow(rows.Count());
  for (std::size_t row = 0; row < rows.Count(); ++row) {
    auto [found, added] = ids.try_emplace(FolderOf(rows.At(row)), folders.size());
    if (added) folders.push_back(found->first);
    idOfRow[row] = found->second;
  }
  std::vector<std::wstring> keys;
  keys.reserve(folders.size());
  for (std::wstring_view folder : folders) keys.push_back(controls::NameSortKey(folder));
  std::vector<std::size_t> byOrder(folders.size());
  std::iota(byOrder.begin(), byOrder.end(), std::size_t{0});
  std::sort(byOrder.begin(), byOrder.end(), [&](std::size_t a, std::size_t b) {
    int order = CompareByComponent(keys[a], keys[b], controls::CompareNameSortKeys);
    if (order == 0) order = CompareFoldersForDisplay(folders[a], folders[b]);
    return order < 0;
  });
  std::vector<std::size_t> rankOfId(folders.size());
  for (std::size_t rank = 0; rank < byOrder.size(); ++rank) rankOfId[byOrder[rank]] = rank;
  for (std::size_t& id : idOfRow) id = rankOfId[id];
  return idOfRow;
}

}  // namespace

std::vector<std::size_t> OrderedRows(const FileRows& rows, RowOrderColumn column, bool ascending) {
  const std::size_t count = rows.Count();
  std::vector<std::wstring> nameKeys;
  nameKeys.reserve(count);
  for (std::size_t row = 0; row < count; ++row) nameKeys.push_back(controls::NameSortKey(rows.At(row).Name()));
  std::vector<std::size_t> folderRanks;
  if (column == RowOrderColumn::Path) folderRanks = FolderRanks(rows);

  auto compare = [&](std::size_t a, std::size_t b) {
    if (!folderRanks.empty() && folderRanks[a] != folderRanks[b]) return folderRanks[a] < folderRanks[b] ? -1 : 1;
    int order = controls::CompareNameSortKeys(nameKeys[a], nameKeys[b]);
    if (order != 0) return order;
    std::wstring_view nameA = rows.At(a).Name();
    std::wstring_view nameB = rows.At(b).Name();
    return nameA == nameB ? 0 : controls::CompareNamesForDisplay(nameA, nameB);
  };
  std::vector<std::size_t> order(count);
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    int result = compare(a, b);
    return ascending ? result < 0 : result > 0;
  });
  return order;
}

}  // namespace filelist
