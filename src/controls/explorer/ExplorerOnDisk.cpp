#include "controls/explorer/ExplorerOnDisk.h"

#include "controls/explorer/ExplorerPath.h"

namespace controls {

NoMediumBox::NoMediumBox() { SetThreadErrorMode(SEM_FAILCRITICALERRORS, &previousMode_); }

NoMediumBox::~NoMediumBox() { SetThreadErrorMode(previousMode_, nullptr); }

namespace {

DWORD AttributesOf(const std::wstring& path) {
  NoMediumBox noBox;
  return GetFileAttributesW(path.c_str());
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
