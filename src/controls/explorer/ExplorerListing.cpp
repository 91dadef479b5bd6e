#include "controls/explorer/ExplorerListing.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include <map>

#include "base/PathForms.h"
#include "controls/explorer/ExplorerColumnText.h"
#include "controls/explorer/ExplorerOnDisk.h"
#include "controls/explorer/ExplorerPath.h"
#include "controls/explorer/ExplorerVolumeLabel.h"

namespace controls {

namespace {

struct ShellLook {
  std::wstring typeName;
  int iconIndex = -1;
};

// The type name and small icon the shell gives for a name with these attributes; the file itself is not opened, so
// the name alone is enough (the shell's buffers stop at 260 characters, a path may be longer).
ShellLook LookByAttributes(const std::wstring& name, DWORD attributes, bool wantTypeName) {
  SHFILEINFOW info{};
  UINT flags = SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES;
  if (wantTypeName) flags |= SHGFI_TYPENAME;
  ShellLook look;
  if (SHGetFileInfoW(name.c_str(), attributes, &info, sizeof(info), flags)) {
    look.typeName = info.szTypeName;
    look.iconIndex = info.iIcon;
  }
  return look;
}

// What the shell gives by name and attributes depends on the extension alone (and on being a folder): it is asked
// once per type of a listing, since each question costs more than a millisecond.
class LooksByType {
 public:
  const ShellLook& Of(const std::wstring& name, bool isFolder) {
    std::wstring key = isFolder ? std::wstring(L"\\") : LowerCaseExtension(name);
    auto known = looks_.find(key);
    if (known != looks_.end()) return known->second;
    DWORD attributes = isFolder ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
    return looks_.emplace(key, LookByAttributes(name, attributes, !isFolder)).first->second;
  }

 private:
  static std::wstring LowerCaseExtension(const std::wstring& name) {
    size_t dot = name.find_last_of(L'.');
    std::wstring extension = dot == std::wstring::npos ? std::wstring() : name.substr(dot);
    CharLowerBuffW(extension.data(), static_cast<DWORD>(extension.size()));
    return extension;
  }
  std::map<std::wstring, ShellLook> looks_;
};

std::uint64_t Combine(DWORD high, DWORD low) { return (static_cast<std::uint64_t>(high) << 32) | low; }

std::wstring LocalDateText(const FILETIME& time) {
  SYSTEMTIME universal{};
  SYSTEMTIME local{};
  if (!FileTimeToSystemTime(&time, &universal)) return {};
  // The daylight-saving rule of that date, not of today, as Explorer shows it.
  if (!SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local)) return {};
  return ExplorerDateText({local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute});
}

ExplorerEntry EntryOf(const std::wstring& folder, const WIN32_FIND_DATAW& found, LooksByType& looks) {
  ExplorerEntry entry;
  entry.name = found.cFileName;
  entry.isFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  entry.path = entry.isFolder ? JoinFolder(folder, entry.name) : JoinFile(folder, entry.name);
  entry.modified = Combine(found.ftLastWriteTime.dwHighDateTime, found.ftLastWriteTime.dwLowDateTime);
  entry.dateText = LocalDateText(found.ftLastWriteTime);
  if (!entry.isFolder) {
    entry.size = Combine(found.nFileSizeHigh, found.nFileSizeLow);
    entry.sizeText = ExplorerSizeText(entry.size);
  }
  const ShellLook& look = looks.Of(entry.name, entry.isFolder);
  entry.typeText = ExplorerTypeText(look.typeName, entry.name, entry.isFolder);
  entry.iconIndex = look.iconIndex;
  return entry;
}

bool IsFloppyRoot(const std::wstring& root) {
  wchar_t letter = root.empty() ? L'\0' : static_cast<wchar_t>(root[0] & ~0x20);
  return letter == L'A' || letter == L'B';
}

DriveKind KindOf(UINT driveType) {
  switch (driveType) {
    case DRIVE_FIXED: return DriveKind::Fixed;
    case DRIVE_REMOVABLE: return DriveKind::Removable;
    case DRIVE_REMOTE: return DriveKind::Network;
    case DRIVE_CDROM: return DriveKind::CdRom;
    case DRIVE_RAMDISK: return DriveKind::RamDisk;
    default: return DriveKind::Unknown;
  }
}

// What the system tells of a drive at once; the name is the root until the drive's details come.
ExplorerEntry DriveEntry(const std::wstring& root) {
  ExplorerEntry entry;
  entry.isFolder = true;
  entry.isDrive = true;
  entry.path = root;
  entry.name = DriveEntryName(root, {});
  entry.typeText = DriveTypeText(KindOf(GetDriveTypeW(root.c_str())));
  entry.iconIndex = LookByAttributes(root, FILE_ATTRIBUTE_DIRECTORY, false).iconIndex;
  return entry;
}

}  // namespace

ExplorerEntry ParentEntry(const std::wstring& folder) {
  ExplorerEntry entry;
  entry.name = L"..";
  entry.isFolder = true;
  entry.isParent = true;
  entry.path = ParentFolder(folder);
  entry.iconIndex = LookByAttributes(L"folder", FILE_ATTRIBUTE_DIRECTORY, false).iconIndex;
  return entry;
}

std::vector<ExplorerEntry> ListFolder(const std::wstring& folder) {
  std::vector<ExplorerEntry> entries{ParentEntry(folder)};
  NoDriveErrorBoxes noBoxes;
  LooksByType looks;
  WIN32_FIND_DATAW found{};
  const std::wstring pattern = base::FileCallForm(JoinFile(folder, L"*"));
  HANDLE search = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr,
                                   FIND_FIRST_EX_LARGE_FETCH);
  if (search == INVALID_HANDLE_VALUE) return entries;
  do {
    std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) continue;
    entries.push_back(EntryOf(folder, found, looks));
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return entries;
}

std::vector<ExplorerEntry> ListDrives() {
  std::vector<ExplorerEntry> entries;
  NoDriveErrorBoxes noBoxes;
  wchar_t roots[27 * 4 + 1] = {};
  DWORD length = GetLogicalDriveStringsW(static_cast<DWORD>(std::size(roots) - 1), roots);
  if (length == 0 || length >= std::size(roots)) return entries;
  for (const wchar_t* root = roots; *root; root += wcslen(root) + 1) entries.push_back(DriveEntry(root));
  return entries;
}

DriveDetails AskDriveDetails(const std::wstring& root) {
  NoDriveErrorBoxes noBoxes;
  DriveDetails details;
  if (!IsFloppyRoot(root)) details.label = ReadVolumeLabel(root);
  UINT driveType = GetDriveTypeW(root.c_str());
  // Fixed and network drives give their own icon; for the others the shell would read the medium.
  if (driveType == DRIVE_FIXED || driveType == DRIVE_REMOTE || driveType == DRIVE_RAMDISK) {
    // The shell wants COM on the thread that asks it.
    HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    SHFILEINFOW info{};
    if (SHGetFileInfoW(root.c_str(), 0, &info, sizeof(info), SHGFI_SYSICONINDEX | SHGFI_SMALLICON)) {
      details.iconIndex = info.iIcon;
    }
    if (SUCCEEDED(com)) CoUninitialize();
  }
  return details;
}

bool TakeDriveDetails(ExplorerEntry& drive, const DriveDetails& details) {
  std::wstring name = DriveEntryName(drive.path, details.label);
  int iconIndex = details.iconIndex >= 0 ? details.iconIndex : drive.iconIndex;
  if (name == drive.name && iconIndex == drive.iconIndex) return false;
  drive.name = std::move(name);
  drive.iconIndex = iconIndex;
  return true;
}

}  // namespace controls
