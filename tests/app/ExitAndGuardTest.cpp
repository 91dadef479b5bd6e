#include <windows.h>

#include <gtest/gtest.h>

#include "app/ExitSequence.h"
#include "app/SingleInstanceGuard.h"
#include "base/AppFolders.h"
#include "base/ProgramInfo.h"
#include "rename/RenameLog.h"

namespace {

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void WriteFile(const std::wstring& path, const char* text) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE) << "cannot create the test file";
  DWORD written = 0;
  ::WriteFile(file, text, static_cast<DWORD>(strlen(text)), &written, nullptr);
  CloseHandle(file);
}

TEST(ProgramFolders, EndWithABackslashAndTheTempFolderIsTheLongForm) {
  base::FixProgramFolder();
  base::FixTempFolder();
  ASSERT_FALSE(base::ProgramFolder().empty());
  EXPECT_EQ(base::ProgramFolder().back(), L'\\');
  ASSERT_FALSE(base::TempFolder().empty());
  EXPECT_EQ(base::TempFolder().back(), L'\\');
  EXPECT_EQ(base::TempFolder().find(L'~'), std::wstring::npos) << "no short 8.3 component in the temporary folder";
  EXPECT_EQ(renaming::RenameLogPath(base::TempFolder()), base::TempFolder() + L"RenameLog.txt");
}

TEST(ExitSequence, DeletesTheRenameLogWhateverItHolds) {
  base::FixTempFolder();
  std::wstring log = renaming::RenameLogPath(base::TempFolder());
  WriteFile(log, "07/12/2026 à 01:05:09 - Le fichier [a.txt] a été renommé : b.txt\r\n");
  ASSERT_TRUE(Exists(log));
  SetFileAttributesW(log.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(app::ExitSequence(), 0);
  EXPECT_FALSE(Exists(log)) << "the log must be gone after the exit sequence";
}

TEST(ExitSequence, EndsWithCodeZeroWhenTheLogCannotBeDeletedOrIsMissing) {
  base::FixTempFolder();
  std::wstring log = renaming::RenameLogPath(base::TempFolder());
  DeleteFileW(log.c_str());
  EXPECT_EQ(app::ExitSequence(), 0) << "no log at all";

  WriteFile(log, "x\r\n");
  HANDLE held = CreateFileW(log.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_EQ(app::ExitSequence(), 0) << "a log held open by another program";
  CloseHandle(held);
  DeleteFileW(log.c_str());

  ASSERT_TRUE(CreateDirectoryW(log.c_str(), nullptr)) << "a folder carrying the log's name";
  EXPECT_EQ(app::ExitSequence(), 0);
  RemoveDirectoryW(log.c_str());
}

LRESULT CALLBACK PlainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(window, message, wParam, lParam);
}

HWND MakeWindowTitled(const wchar_t* title) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = PlainProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"GuardTestWindow";
  RegisterClassW(&wc);
  return CreateWindowW(L"GuardTestWindow", title, WS_OVERLAPPEDWINDOW, 10, 10, 300, 200, nullptr, nullptr,
                       wc.hInstance, nullptr);
}

void Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

TEST(SingleInstanceGuard, AWindowWithTheTitleIsRestoredAndTheNewInstanceStops) {
  HWND other = MakeWindowTitled(base::kProgramTitle);
  ASSERT_NE(other, nullptr);
  ShowWindow(other, SW_SHOWMINIMIZED);
  Pump();
  ASSERT_TRUE(IsIconic(other));
  EXPECT_FALSE(app::SingleInstanceGuard()) << "stage 1 must stop the new instance";
  Pump();
  EXPECT_FALSE(IsIconic(other)) << "the minimised window comes back to its normal size";
  DestroyWindow(other);
}

TEST(SingleInstanceGuard, TheTitleMustMatchExactly) {
  HWND nearMiss = MakeWindowTitled((std::wstring(base::kProgramTitle) + L" ").c_str());
  ASSERT_NE(nearMiss, nullptr);
  ShowWindow(nearMiss, SW_SHOWMINIMIZED);
  // Whatever the mutex says, the nearMiss-miss window must not be touched by stage 1.
  app::SingleInstanceGuard();
  Pump();
  EXPECT_TRUE(IsIconic(nearMiss)) << "a title with a trailing blank is another program's";
  DestroyWindow(nearMiss);
}

TEST(SingleInstanceGuard, TheNamedMutexStopsASecondInstanceWithoutWindow) {
  // The first call in this process may create the mutex; from then on the name is taken.
  app::SingleInstanceGuard();
  EXPECT_FALSE(app::SingleInstanceGuard()) << "stage 2 must see the mutex already held";
  HANDLE probe = OpenMutexW(SYNCHRONIZE, FALSE, base::kProgramTitle);
  EXPECT_NE(probe, nullptr) << "the guard keeps its mutex open";
  if (probe) CloseHandle(probe);
}

}  // namespace
