#include "bench/BareRenames.h"

#include <windows.h>

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

}  // namespace bench
