#include "filelist/RowIcons.h"

#include <commctrl.h>
#include <shellapi.h>

#include <unordered_map>
#include <vector>

#include "base/FileEntries.h"
#include "base/PathParts.h"
#include "filelist/IconTypes.h"
#include "ui/WindowScaling.h"

namespace filelist {

namespace {

struct IconCache {
  HIMAGELIST systemIcons = nullptr;
  // Types whose files all show the type's icon: their index in the system's small image list.
  std::unordered_map<std::wstring, int> typeIcons;
  // Types found to give files icons of their own, although not known for it.
  std::unordered_map<std::wstring, bool> ownIconTypes;
  // System image list index to the list's own image index.
  std::unordered_map<int, int> listImages;
};

IconCache& Cache() {
  static IconCache cache;
  return cache;
}

// The system small image list index of the icon the shell shows for the path; -1 when it gives none.
int SystemIconOfPath(const std::wstring& path) {
  SHFILEINFOW info{};
  // The shell reads no path of 260 characters or more: such an entry is shown by its name and attributes, which
  // gives its type's icon.
  const bool byName = path.size() >= MAX_PATH;
  DWORD attributes = byName ? base::EntryAttributes(path) : 0;
  if (attributes == INVALID_FILE_ATTRIBUTES) return -1;
  std::wstring asked = byName ? base::NamePart(path) : path;
  UINT flags = SHGFI_SYSICONINDEX | SHGFI_SMALLICON | (byName ? SHGFI_USEFILEATTRIBUTES : 0);
  auto icons = reinterpret_cast<HIMAGELIST>(SHGetFileInfoW(asked.c_str(), attributes, &info, sizeof(info), flags));
  if (!icons) return -1;
  Cache().systemIcons = icons;
  return info.iIcon;
}

// The icon of the type itself, as the shell shows it for any file of that type.
int SystemIconOfType(const std::wstring& extension) {
  SHFILEINFOW info{};
  std::wstring sample = L"x." + extension;
  auto icons = reinterpret_cast<HIMAGELIST>(
      SHGetFileInfoW(sample.c_str(), FILE_ATTRIBUTE_NORMAL, &info, sizeof(info),
                     SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES));
  return icons ? info.iIcon : -1;
}

int ListImageOf(HWND list, int systemIndex) {
  if (systemIndex < 0) return -1;
  IconCache& cache = Cache();
  auto found = cache.listImages.find(systemIndex);
  if (found != cache.listImages.end()) return found->second;
  auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
  HICON icon = cache.systemIcons ? ImageList_GetIcon(cache.systemIcons, systemIndex, ILD_NORMAL) : nullptr;
  if (!images || !icon) {
    if (icon) DestroyIcon(icon);
    return -1;
  }
  int image = ImageList_AddIcon(images, icon);
  DestroyIcon(icon);
  if (image >= 0) cache.listImages.emplace(systemIndex, image);
  return image;
}

int SystemIconOfFile(const std::wstring& path) {
  std::wstring extension = base::FileExtension(path);
  if (HasIconPerFile(extension)) return SystemIconOfPath(path);
  IconCache& cache = Cache();
  std::wstring key = IconTypeKey(extension);
  if (cache.ownIconTypes.count(key)) return SystemIconOfPath(path);
  auto found = cache.typeIcons.find(key);
  if (found != cache.typeIcons.end()) return found->second;
  // The first file of a type: when the shell shows it otherwise than the type, the type's files carry their own.
  int fileIcon = SystemIconOfPath(path);
  if (fileIcon < 0) return -1;
  if (SystemIconOfType(extension) == fileIcon) {
    cache.typeIcons.emplace(key, fileIcon);
  } else {
    cache.ownIconTypes.emplace(key, true);
  }
  return fileIcon;
}

}  // namespace

int RowImageOfEntry(HWND list, const std::wstring& path, bool isFolder) {
  return ListImageOf(list, isFolder ? SystemIconOfPath(path) : SystemIconOfFile(path));
}

void RebuildRowImages(HWND list) {
  IconCache& cache = Cache();
  const int size = ui::SmallIconSize();
  HIMAGELIST fresh = ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, 16, 64);
  if (!list || !fresh) return;
  std::vector<int> systemIndexes(cache.listImages.size(), -1);
  for (const auto& [systemIndex, image] : cache.listImages) {
    if (image >= 0 && image < static_cast<int>(systemIndexes.size())) systemIndexes[static_cast<size_t>(image)] = systemIndex;
  }
  auto old = reinterpret_cast<HIMAGELIST>(SendMessageW(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
  // Same count first: an icon that cannot be had again leaves its index blank, the rows after it keep theirs.
  ImageList_SetImageCount(fresh, static_cast<UINT>(systemIndexes.size()));
  for (size_t image = 0; image < systemIndexes.size(); ++image) {
    const bool fromShell = cache.systemIcons && systemIndexes[image] >= 0;
    HIMAGELIST from = fromShell ? cache.systemIcons : old;
    HICON icon = from ? ImageList_GetIcon(from, fromShell ? systemIndexes[image] : static_cast<int>(image), ILD_NORMAL)
                      : nullptr;
    if (!icon) continue;
    ImageList_ReplaceIcon(fresh, static_cast<int>(image), icon);
    DestroyIcon(icon);
  }
  SendMessageW(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(fresh));
  if (old) ImageList_Destroy(old);
}

int RowImageOf(HWND list, const std::wstring& path) {
  DWORD attributes = base::EntryAttributes(path);
  if (attributes == INVALID_FILE_ATTRIBUTES) return -1;
  return RowImageOfEntry(list, path, (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
}

}  // namespace filelist
