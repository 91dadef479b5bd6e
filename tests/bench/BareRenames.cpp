#include "bench/BareRenames.h"

#include <windows.h>
#include <winternl.h>

#include <chrono>
#include <string>

namespace bench {

double TimeBareRenames(const std::wstring& folder, const std::wstring& from, const std::wstring& to, int count) {
  wchar_t temp[MAX_PATH + 1] = {};
  GetTempPathW(MAX_PATH + 1, temp);
  std::wstring log = std::wstring(temp) + L"bench-log.txt";
  DeleteFileW(log.c_str());
  auto start = std::chrono::steady_clock::now();
  bool failed = false;
  for (int i = 1; i <= count; ++i) {
    std::wstring oldName = from + std::to_wstring(i) + L".jpg";
    std::wstring newName = to + std::to_wstring(i) + L".jpg";
    if (!MoveFileW((folder + oldName).c_str(), (folder + newName).c_str())) failed = true;
    HANDLE file = CreateFileW(log.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) continue;
    LARGE_INTEGER zero{};
    SetFilePointerEx(file, zero, nullptr, FILE_END);
    std::string line = "08/12/2026 \xC3\xA0 12:00:00 - Le fichier [a.jpg] a \xC3\xA9t\xC3\xA9 renomm\xC3\xA9 : b.jpg\r\n";
    DWORD written = 0;
    WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
  }
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  DeleteFileW(log.c_str());
  return failed ? -seconds : seconds;
}

double TimeBareIdentityReads(const std::wstring& folder, const std::wstring& name, int count) {
  auto start = std::chrono::steady_clock::now();
  bool failed = false;
  for (int i = 1; i <= count; ++i) {
    std::wstring path = folder + name + std::to_wstring(i) + L".jpg";
    HANDLE file = CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    IO_STATUS_BLOCK status{};
    FILE_INTERNAL_INFORMATION index{};
    DWORD serial = 0;
    if (file == INVALID_HANDLE_VALUE ||
        !NT_SUCCESS(NtQueryInformationFile(file, &status, &index, sizeof(index), FileInternalInformation)) ||
        (i == 1 && !GetVolumeInformationByHandleW(file, nullptr, 0, &serial, nullptr, nullptr, nullptr, 0))) {
      failed = true;
    }
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  }
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return failed ? -seconds : seconds;
}

}  // namespace bench
