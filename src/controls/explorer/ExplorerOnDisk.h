#pragma once
// Whether what an explorer row leads to is still on disk as it was listed: a file still a file, a folder still a
// folder. Only attributes are read; a drive whose medium is gone shows no system box.

#include <windows.h>

#include <string>

namespace controls {

// Keeps the system's "insert a disk" and "drive not ready" boxes away from this thread while it lives.
class NoDriveErrorBoxes {
 public:
  NoDriveErrorBoxes();
  ~NoDriveErrorBoxes();
  NoDriveErrorBoxes(const NoDriveErrorBoxes&) = delete;
  NoDriveErrorBoxes& operator=(const NoDriveErrorBoxes&) = delete;

 private:
  DWORD previousMode_ = 0;
};

bool IsFolderOnDisk(const std::wstring& folder);
bool IsFileOnDisk(const std::wstring& file);

// `folder` when it is still on disk, else the nearest folder above it that is; the top level (empty) when none is.
std::wstring NearestFolderOnDisk(std::wstring folder);

}  // namespace controls
