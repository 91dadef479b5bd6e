#include "e2e/Screenshot.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "e2e/Driver.h"
#include "e2e/ScratchFolder.h"

namespace e2e {

namespace {

constexpr Milliseconds kShotLimit{20000};

bool IsPlainName(const std::string& name) {
  return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_';
  });
}

std::wstring Widen(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }

// `import` with `extra` options (a crop, say) writes NAME.png; waits until the finished picture is there.
testing::AssertionResult TakeScreenshot(const std::string& name, const std::string& extra, std::string* unixPath) {
  if (!IsPlainName(name)) return testing::AssertionFailure() << "screenshot name \"" << name << "\" is not plain";
  const std::string folder = TARVELLE_SHOT_DIR;
  std::error_code ignored;
  std::filesystem::create_directories(std::filesystem::path(WindowsPathOfUnixPath(folder)), ignored);
  const std::string finished = folder + "/" + name + ".png";
  const std::string partial = folder + "/" + name + ".part.png";
  const std::wstring finishedWindowsPath = WindowsPathOfUnixPath(finished);
  DeleteFileW(finishedWindowsPath.c_str());

  // Wine starts a Unix program without giving back a process to wait on: the picture is written under a
  // temporary name and renamed when complete, and its final name is what the test waits for.
  std::wstring shell = L"Z:\\bin\\sh";
  std::wstring commandLine = L"\"" + shell + L"\" -c \"import -window root " + Widen(extra) + L"'" + Widen(partial) +
                             L"' && mv '" + Widen(partial) + L"' '" + Widen(finished) + L"'\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(shell.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &started)) {
    return testing::AssertionFailure() << "could not start /bin/sh for import, error " << GetLastError();
  }
  if (started.hThread) CloseHandle(started.hThread);
  if (started.hProcess) CloseHandle(started.hProcess);

  if (!WaitUntil([&] { return FileExists(finishedWindowsPath); }, kShotLimit)) {
    return testing::AssertionFailure() << "import wrote no " << finished << " within " << kShotLimit.count()
                                       << " ms (is ImageMagick installed?)";
  }
  if (unixPath) *unixPath = finished;
  return testing::AssertionSuccess();
}

}  // namespace

testing::AssertionResult SaveScreenshot(const std::string& name, std::string* unixPath) {
  return TakeScreenshot(name, "", unixPath);
}

testing::AssertionResult SaveWindowScreenshot(const std::string& name, HWND window, std::string* unixPath) {
  RECT place{};
  if (!GetWindowRect(window, &place)) return testing::AssertionFailure() << "no window to take a screenshot of";
  // The Wine desktop fills the X screen from its top left corner, so screen coordinates are the root's.
  const std::string crop = "-crop " + std::to_string(place.right - place.left) + "x" +
                           std::to_string(place.bottom - place.top) + "+" + std::to_string(place.left) + "+" +
                           std::to_string(place.top) + " +repage ";
  return TakeScreenshot(name, crop, unixPath);
}

}  // namespace e2e
