#include "controls/explorer/ExplorerOnDisk.h"

#include "base/FileEntries.h"
#include "controls/explorer/ExplorerPath.h"

namespace controls {

NoDriveErrorBoxes::NoDriveErrorBoxes() {
  SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previousMode_);
}

NoDriveErrorBoxes::~NoDriveErrorBoxes() { SetThreadErrorMode(previousMode_, nullptr); }

namespace {

DWORD AttributesOf(const std::wstring& path) {
  NoDriveErrorBoxes noBoxes;
  return base::EntryAttributes(path);
}

}  // namespace

bool IsFolderOnDisk(const std::wstring& folder) {
  DWORD attributes = AttributesOf(folder);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool IsFileOnDisk(const std::wstring& file) {
  DWORD attributes = AttributesOf(file);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::wstring NearestFolderOnDisk(std::wstring folder) {
  while (!folder.empty() && !IsFolderOnDisk(folder)) folder = ParentFolder(folder);
  return folder;
}

}  // namespace controls
