#include "rename/Win32FileMoves.h"

#include <windows.h>
#include <winternl.h>

#include "base/FileEntries.h"
#include "base/PathForms.h"
#include "base/PathParts.h"
#include "rename/Win32FolderPictures.h"

namespace renaming {

MoveResult Win32FileMoves::Move(const std::wstring& from, const std::wstring& to) {
  if (MoveFileW(base::FileCallForm(from).c_str(), base::FileCallForm(to).c_str())) return MoveResult::Moved;
  DWORD error = GetLastError();
  if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS) return MoveResult::NameTaken;
  return error == ERROR_ACCESS_DENIED && base::IsReadOnly(from) ? MoveResult::ReadOnly : MoveResult::Failed;
}

void Win32FileMoves::SetReadOnly(const std::wstring& path, bool readOnly) { base::SetReadOnly(path, readOnly); }

namespace {

// The fold the plan of a pass goes by too, so that the pass and the column never disagree on letter case.
bool EqualButForLetterCase(const std::wstring& a, const std::wstring& b) {
  const LetterCaseFold& fold = PlatformLetterCase();
  return a.size() == b.size() && fold.Key(a) == fold.Key(b);
}

// The name with `?` for every character that has another letter case: the pattern matches every spelling of the
// name, whatever the folder's rule for letter case, and a few other names, which the comparison leaves out.
std::wstring PatternOfEverySpelling(std::wstring name) {
  std::wstring upper = name;
  std::wstring lower = name;
  CharUpperBuffW(upper.data(), static_cast<DWORD>(upper.size()));
  CharLowerBuffW(lower.data(), static_cast<DWORD>(lower.size()));
  for (size_t i = 0; i < name.size(); ++i) {
    if (upper[i] != lower[i]) name[i] = L'?';
  }
  return name;
}

}  // namespace

bool Win32FileMoves::DifferOnlyInLetterCase(const std::wstring& a, const std::wstring& b) {
  return a != b && EqualButForLetterCase(a, b);
}

std::vector<std::wstring> Win32FileMoves::NamesAnsweringTo(const std::wstring& path) {
  std::wstring name = base::NamePart(path);
  std::wstring pattern = base::FileCallForm(base::FolderPart(path) + PatternOfEverySpelling(name));
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr, 0);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if (EqualButForLetterCase(found.cFileName, name)) names.push_back(found.cFileName);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return names;
}

std::wstring Win32FileMoves::TemporaryName(const std::wstring& folder, unsigned attempt) {
  return folder + L"~tarvelle-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(GetTickCount64()) +
         L"-" + std::to_wstring(attempt) + L".tmp";
}

std::optional<FileIdentity> Win32FileMoves::IdentityOf(const std::wstring& path) {
  constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
  HANDLE file = CreateFileW(base::FileCallForm(path).c_str(), FILE_READ_ATTRIBUTES, kShareAll,
                            nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::optional<FileIdentity> identity;
  std::optional<std::uint32_t> volume = VolumeSerialNumber(base::FolderPart(path), file);
  IO_STATUS_BLOCK status{};
  FILE_INTERNAL_INFORMATION index{};
  if (volume && NT_SUCCESS(NtQueryInformationFile(file, &status, &index, sizeof(index), FileInternalInformation))) {
    identity = FileIdentity{*volume, static_cast<std::uint64_t>(index.IndexNumber.QuadPart)};
  }
  CloseHandle(file);
  return identity;
}

std::optional<std::uint32_t> Win32FileMoves::VolumeSerialNumber(const std::wstring& folder, HANDLE file) {
  auto known = volumes_.find(folder);
  if (known != volumes_.end()) return known->second;
  DWORD serial = 0;
  if (!GetVolumeInformationByHandleW(file, nullptr, 0, &serial, nullptr, nullptr, nullptr, 0)) return std::nullopt;
  volumes_.emplace(folder, serial);
  return serial;
}

void Win32FileMoves::PauseBeforeRetry() { Sleep(50); }

}  // namespace renaming
