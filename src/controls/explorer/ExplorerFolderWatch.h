#pragma once
// The system's change notifications on the folder the explorer control shows: entries made, removed or renamed,
// sizes, last writes and attributes of the folder's own entries (not of its sub-folders' content); and the folder
// itself renamed or removed, which the system tells the folder above it, not the folder. Nothing waits on them: the
// control looks at them from its window timer.

#include <windows.h>

#include <string>

namespace controls {

class ExplorerFolderWatch {
 public:
  ExplorerFolderWatch() = default;
  ~ExplorerFolderWatch() { Stop(); }
  ExplorerFolderWatch(const ExplorerFolderWatch&) = delete;
  ExplorerFolderWatch& operator=(const ExplorerFolderWatch&) = delete;

  // Watches `folder` (ending with `\`) from now on, in place of whatever was watched; false, watching nothing, where
  // the folder cannot be watched (gone, or on a file system that gives no notifications).
  bool Watch(const std::wstring& folder);
  void Stop();
  // Whether the folder's entries changed, or the folder went, since the watch began or since this last said so.
  // Does not wait.
  bool TakeChange();

 private:
  std::wstring folder_;
  HANDLE entries_ = INVALID_HANDLE_VALUE;
  HANDLE besideFolders_ = INVALID_HANDLE_VALUE;  // folder names in the folder above
};

}  // namespace controls
