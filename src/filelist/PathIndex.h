#pragma once
// The full paths the file list holds, kept beside the list so that the duplicate test of a new file does not read
// every row. A path may be listed more than once (the folder scan does not test for duplicates), so each path
// carries its number of rows. Paths compare exactly, letter case included. Window-free.

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>

namespace filelist {

class PathIndex {
 public:
  void Add(std::wstring_view path);
  // Forgets one row of the path; a path that is not listed is left alone.
  void Remove(std::wstring_view path);
  void Clear();
  bool Contains(std::wstring_view path) const;
  std::size_t RowsOf(std::wstring_view path) const;
  std::size_t Rows() const { return rows_; }

 private:
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::wstring_view text) const { return std::hash<std::wstring_view>{}(text); }
  };
  std::unordered_map<std::wstring, std::size_t, Hash, std::equal_to<>> counts_;
  std::size_t rows_ = 0;
};

}  // namespace filelist
