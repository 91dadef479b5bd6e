#include "controls/explorer/ExplorerFolderWatch.h"

#include "base/PathForms.h"
#include "controls/explorer/ExplorerOnDisk.h"
#include "controls/explorer/ExplorerPath.h"

namespace controls {

namespace {

// Whatever changes a row: its name (files and folders), its size, its date, or whether it is hidden.
constexpr DWORD kRowChanges = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME | FILE_NOTIFY_CHANGE_SIZE |
                              FILE_NOTIFY_CHANGE_LAST_WRITE | FILE_NOTIFY_CHANGE_ATTRIBUTES;

HANDLE Notification(const std::wstring& folder, DWORD changes) {
  if (folder.empty()) return INVALID_HANDLE_VALUE;
  NoDriveErrorBoxes noBoxes;
  return FindFirstChangeNotificationW(base::FileCallForm(folder).c_str(), FALSE, changes);
}

void Close(HANDLE& handle) {
  if (handle != INVALID_HANDLE_VALUE) FindCloseChangeNotification(handle);
  handle = INVALID_HANDLE_VALUE;
}

// Whether the notification came; it is armed again for the changes to come.
bool Came(HANDLE& handle) {
  if (handle == INVALID_HANDLE_VALUE || WaitForSingleObject(handle, 0) != WAIT_OBJECT_0) return false;
  if (!FindNextChangeNotification(handle)) Close(handle);
  return true;
}

}  // namespace

bool ExplorerFolderWatch::Watch(const std::wstring& folder) {
  Stop();
  entries_ = Notification(folder, kRowChanges);
  if (entries_ == INVALID_HANDLE_VALUE) return false;
  folder_ = folder;
  besideFolders_ = Notification(ParentFolder(folder), FILE_NOTIFY_CHANGE_DIR_NAME);
  return true;
}

void ExplorerFolderWatch::Stop() {
  Close(entries_);
  Close(besideFolders_);
  folder_.clear();
}

bool ExplorerFolderWatch::TakeChange() {
  // A folder beside it made or renamed leaves the folder as it was.
  return Came(entries_) || (Came(besideFolders_) && !IsFolderOnDisk(folder_));
}

}  // namespace controls
