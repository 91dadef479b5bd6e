#include "e2e/ScratchFolder.h"

#include <windows.h>

#include <atomic>
#include <filesystem>

#include "e2e/Driver.h"
#include "support/RemoveTree.h"

namespace e2e {

ScratchFolder::ScratchFolder() : ScratchFolder(TempFolderPath()) {}

ScratchFolder::ScratchFolder(const std::wstring& parent) {
  static std::atomic<unsigned> counter{0};
  path_ = parent + L"tarvelle-e2e-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
          std::to_wstring(GetTickCount64()) + L"-" + std::to_wstring(counter++) + L"\\";
  std::error_code ignored;
  std::filesystem::create_directories(std::filesystem::path(path_), ignored);
}

ScratchFolder::~ScratchFolder() { support::RemoveTree(path_); }

std::wstring ScratchFolder::MakeFile(const std::wstring& relativeName, std::string_view content) const {
  std::filesystem::path full = std::filesystem::path(path_ + relativeName);
  std::error_code ignored;
  std::filesystem::create_directories(full.parent_path(), ignored);
  std::wstring text = full.wstring();
  return WriteWholeFile(text, content) ? text : std::wstring();
}

std::wstring ScratchFolder::MakeFolder(const std::wstring& relativeName) const {
  std::filesystem::path full = std::filesystem::path(path_ + relativeName);
  std::error_code failed;
  std::filesystem::create_directories(full, failed);
  return failed ? std::wstring() : (full / L"").wstring();
}

std::wstring ScratchFolder::CopyProgram() const {
  std::wstring copy = path_ + L"TarvelleRename.exe";
  return CopyFileW(ProgramPath().c_str(), copy.c_str(), FALSE) ? copy : std::wstring();
}

bool SetModificationTime(const std::wstring& path, const LocalDateTime& time) {
  SYSTEMTIME local{};
  local.wYear = static_cast<WORD>(time.year);
  local.wMonth = static_cast<WORD>(time.month);
  local.wDay = static_cast<WORD>(time.day);
  local.wHour = static_cast<WORD>(time.hour);
  local.wMinute = static_cast<WORD>(time.minute);
  SYSTEMTIME universal{};
  FILETIME stamp{};
  if (!TzSpecificLocalTimeToSystemTime(nullptr, &local, &universal) || !SystemTimeToFileTime(&universal, &stamp)) {
    return false;
  }
  // Folders open only with backup semantics.
  HANDLE file = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool set = SetFileTime(file, nullptr, nullptr, &stamp) != FALSE;
  CloseHandle(file);
  return set;
}

bool FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool WriteWholeFile(const std::wstring& path, std::string_view content) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok = WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
            written == content.size();
  CloseHandle(file);
  return ok;
}

std::optional<std::string> ReadWholeFile(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string content;
  char chunk[4096];
  DWORD read = 0;
  while (ReadFile(file, chunk, sizeof(chunk), &read, nullptr) && read > 0) content.append(chunk, read);
  CloseHandle(file);
  return content;
}

}  // namespace e2e
