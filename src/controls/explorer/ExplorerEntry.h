#pragma once
// One row of the explorer control: a file, a folder, a drive, or the parent-folder entry "..". Window-free.

#include <cstdint>
#include <string>

namespace controls {

struct ExplorerEntry {
  std::wstring name;  // as shown in the name column
  // Where the entry leads: a file's full path; a folder's or drive's path ending with `\`; for "..", the parent
  // folder (empty when that is the top level).
  std::wstring path;
  bool isFolder = false;  // folders, drives and ".." alike
  bool isDrive = false;
  bool isParent = false;
  std::uint64_t size = 0;      // bytes; 0 for folders
  std::uint64_t modified = 0;  // modification time, 100 ns units since 1601 (UTC); 0 when unknown
  std::wstring sizeText;       // empty for folders
  std::wstring typeText;
  std::wstring dateText;
  int iconIndex = -1;  // in the system's small image list; -1 for none
};

}  // namespace controls
