// The setup a Windows user downloads, run in a Wine prefix made new for these tests: it installs for one user
// without administrator rights, gives the Start menu and the installed-programs list their entries, refuses to
// replace a running program, and its uninstaller takes away what it put there and nothing else.
#include <windows.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "base/Numbers.h"
#include "base/ProgramInfo.h"
#include "e2e/Driver.h"
#include "e2e/ProgramFixtures.h"
#include "e2e/Screenshot.h"

namespace e2e {

namespace {

constexpr Milliseconds kSetupLimit{60000};
constexpr const wchar_t* kEntryKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\TarvelleRename";
constexpr const wchar_t* kSetupTitle = L"Installation de Tarvelle Rename V " TARVELLE_VERSION;
constexpr DWORD kSetupGaveUp = 2;  // NSIS's exit code for an installation the script stopped

std::wstring KnownFolder(REFKNOWNFOLDERID id) {
  PWSTR path = nullptr;
  std::wstring result;
  if (SUCCEEDED(SHGetKnownFolderPath(id, 0, nullptr, &path))) result = path;
  CoTaskMemFree(path);
  return result;
}

std::wstring InstallFolder(REFKNOWNFOLDERID programs) { return KnownFolder(programs) + L"\\Tarvelle Rename"; }
std::wstring UserInstallFolder() { return KnownFolder(FOLDERID_LocalAppData) + L"\\Programs\\Tarvelle Rename"; }

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string Bytes(const std::wstring& path) {
  std::ifstream file(std::filesystem::path(path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

bool TokenIsElevated() {
  HANDLE token = nullptr;
  TOKEN_ELEVATION elevation{};
  DWORD size = 0;
  bool elevated = OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token) &&
                  GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size) &&
                  elevation.TokenIsElevated;
  if (token) CloseHandle(token);
  return elevated;
}

// Starts a command, by default as a Windows administrator's double click does: with the filtered token, not the
// elevated one. Wine gives every process an elevated token; its linked token is the filtered one, as on Windows.
HANDLE StartCommand(std::wstring commandLine, DWORD* processId = nullptr, bool asStandardUser = true) {
  HANDLE token = nullptr;
  TOKEN_LINKED_TOKEN linked{};
  DWORD size = 0;
  bool useLinked = asStandardUser && TokenIsElevated() && OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token) &&
                   GetTokenInformation(token, TokenLinkedToken, &linked, sizeof linked, &size);
  if (token) CloseHandle(token);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  BOOL ok = useLinked ? CreateProcessAsUserW(linked.LinkedToken, nullptr, commandLine.data(), nullptr, nullptr, FALSE,
                                             0, nullptr, nullptr, &startup, &started)
                      : CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                       &startup, &started);
  if (useLinked) CloseHandle(linked.LinkedToken);
  if (!ok) return nullptr;
  CloseHandle(started.hThread);
  if (processId) *processId = started.dwProcessId;
  return started.hProcess;
}

std::wstring SetupCommand(const wchar_t* arguments) {
  return L"\"" + WindowsPathOfUnixPath(TARVELLE_SETUP_PATH) + L"\" " + arguments;
}

// The exit code of a process that ended within the limit; the process is killed otherwise.
DWORD WaitForEnd(HANDLE process) {
  DWORD code = kKilledExitCode;
  if (WaitForSingleObject(process, static_cast<DWORD>(kSetupLimit.count())) == WAIT_OBJECT_0) {
    GetExitCodeProcess(process, &code);
  } else {
    TerminateProcess(process, kKilledExitCode);
  }
  CloseHandle(process);
  return code;
}

std::wstring EntryText(HKEY root, const wchar_t* name) {
  wchar_t value[1024] = {};
  DWORD size = sizeof value;
  if (RegGetValueW(root, kEntryKey, name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS) return {};
  return value;
}

bool EntryExists(HKEY root) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(root, kEntryKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

// The file a shortcut starts, or empty when it cannot be read.
std::wstring ShortcutTarget(const std::wstring& shortcut) {
  std::wstring target;
  IShellLinkW* link = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              reinterpret_cast<void**>(&link)))) {
    return target;
  }
  IPersistFile* file = nullptr;
  if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
    wchar_t path[MAX_PATH] = {};
    if (SUCCEEDED(file->Load(shortcut.c_str(), STGM_READ)) &&
        SUCCEEDED(link->GetPath(path, MAX_PATH, nullptr, 0))) {
      target = path;
    }
    file->Release();
  }
  link->Release();
  return target;
}

class SetupTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    ASSERT_TRUE(NothingOfTheProgramAround());
  }
  void TearDown() override { CoUninitialize(); }

  // The silent install a user's double click would make, once for the whole suite.
  static void InstallForThisUser() {
    if (Exists(UserInstallFolder() + L"\\TarvelleRename.exe")) return;
    HANDLE setup = StartCommand(SetupCommand(L"/S"));
    ASSERT_NE(setup, nullptr) << "the setup could not be started: " << GetLastError();
    ASSERT_EQ(WaitForEnd(setup), 0u) << "the silent setup's exit code";
  }

  // The uninstaller copies itself to the temporary folder and lets the copy work, so its own end says nothing: the
  // wait is for the installed program file to go.
  static testing::AssertionResult Uninstall(HKEY root, const std::wstring& folder, bool asStandardUser) {
    std::wstring command = EntryText(root, L"QuietUninstallString");
    if (command.empty()) return testing::AssertionFailure() << "the uninstall entry has no silent command";
    HANDLE uninstaller = StartCommand(command, nullptr, asStandardUser);
    if (!uninstaller) return testing::AssertionFailure() << "could not start " << testing::PrintToString(command);
    WaitForEnd(uninstaller);
    if (!WaitUntil([&] { return !Exists(folder + L"\\TarvelleRename.exe") && !EntryExists(root); }, kSetupLimit)) {
      return testing::AssertionFailure() << "the uninstaller left the program or its entry";
    }
    return testing::AssertionSuccess();
  }
};

TEST_F(SetupTest, SilentSetupInstallsForThisUserWithStartMenuEntryAndUninstallEntry) {
  ASSERT_FALSE(EntryExists(HKEY_CURRENT_USER)) << "the prefix is new";
  InstallForThisUser();
  if (HasFatalFailure()) return;
  const std::wstring folder = UserInstallFolder();
  const std::wstring program = folder + L"\\TarvelleRename.exe";

  // The same files as the zip, byte for byte.
  const std::wstring unzipped = WindowsPathOfUnixPath(TARVELLE_UNZIPPED_DIR) + L"\\TarvelleRename-" TARVELLE_VERSION;
  std::size_t installedBytes = Bytes(folder + L"\\Desinstaller.exe").size();
  for (const wchar_t* name : {L"TarvelleRename.exe", L"LISEZMOI.txt", L"DataFiles\\TRename Help.chm",
                              L"DataFiles\\TRename Help.txt"}) {
    std::string installed = Bytes(folder + L"\\" + name);
    installedBytes += installed.size();
    EXPECT_FALSE(installed.empty()) << testing::PrintToString(std::wstring(name)) << " is installed";
    EXPECT_TRUE(installed == Bytes(unzipped + L"\\" + name)) << testing::PrintToString(std::wstring(name))
                                                             << " is the zip's";
  }
  EXPECT_NE(Bytes(folder + L"\\LISEZMOI.txt").find("Windows 10 ou Windows 11"), std::string::npos);

  // The Start menu of this user starts the installed program; no desktop shortcut unless ticked.
  std::wstring shortcut = KnownFolder(FOLDERID_Programs) + L"\\Tarvelle Rename.lnk";
  EXPECT_TRUE(Exists(shortcut)) << testing::PrintToString(shortcut);
  std::wstring target = ShortcutTarget(shortcut);
  EXPECT_EQ(CompareStringOrdinal(target.c_str(), -1, program.c_str(), -1, TRUE), CSTR_EQUAL)
      << testing::PrintToString(target);
  EXPECT_FALSE(Exists(KnownFolder(FOLDERID_Desktop) + L"\\Tarvelle Rename.lnk"));
  // "Envoyer vers" of Explorer's file menu hands the chosen files to the installed program.
  const std::wstring sendTo = ShortcutTarget(KnownFolder(FOLDERID_SendTo) + L"\\Tarvelle Rename.lnk");
  EXPECT_EQ(CompareStringOrdinal(sendTo.c_str(), -1, program.c_str(), -1, TRUE), CSTR_EQUAL)
      << testing::PrintToString(sendTo);

  // The entry of "Applications et fonctionnalités", this user's only.
  EXPECT_EQ(EntryText(HKEY_CURRENT_USER, L"DisplayName"), base::kShortName);
  EXPECT_EQ(EntryText(HKEY_CURRENT_USER, L"DisplayVersion"), base::kVersion);
  EXPECT_EQ(EntryText(HKEY_CURRENT_USER, L"Publisher"), base::kMakerName);
  EXPECT_EQ(EntryText(HKEY_CURRENT_USER, L"DisplayIcon"), program + L",0");
  EXPECT_EQ(EntryText(HKEY_CURRENT_USER, L"InstallLocation"), folder);
  EXPECT_EQ(EntryText(HKEY_CURRENT_USER, L"UninstallString"), L"\"" + folder + L"\\Desinstaller.exe\"");
  DWORD size = 0;
  DWORD length = sizeof size;
  ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, kEntryKey, L"EstimatedSize", RRF_RT_REG_DWORD, nullptr, &size, &length),
            ERROR_SUCCESS);
  EXPECT_NEAR(static_cast<double>(size), static_cast<double>(installedBytes) / 1024, 6.0) << "kilobytes installed";
  EXPECT_FALSE(EntryExists(HKEY_LOCAL_MACHINE)) << "nothing for all users";

  // Started from its new folder, the program finds its manual.
  RunningProgram run;
  ASSERT_TRUE(run.Start(program));
  ASSERT_TRUE(run.WaitForMainWindow());
  Click(run.Control(base::kHelpButton));
  EXPECT_TRUE(WaitUntil([] { return !VisibleWindowsTitled(L"Aide de Tarvelle Rename").empty(); }, kStartLimit))
      << "the manual did not open:" << DescribeWindowsOf(run.ProcessId());
  EXPECT_TRUE(MessageBoxesOf(run.ProcessId()).empty()) << DescribeWindowsOf(run.ProcessId());
  CloseWindowsTitled(L"Aide de Tarvelle Rename");
  CloseProgram(run);
}

TEST_F(SetupTest, SetupRefusesToReplaceTheRunningProgram) {
  InstallForThisUser();
  if (HasFatalFailure()) return;
  const std::wstring program = UserInstallFolder() + L"\\TarvelleRename.exe";
  RunningProgram run;
  ASSERT_TRUE(run.Start(program));
  ASSERT_TRUE(run.WaitForMainWindow());

  EXPECT_EQ(WaitForEnd(StartCommand(SetupCommand(L"/S"))), kSetupGaveUp) << "silently, it gives up";

  DWORD setupId = 0;
  HANDLE setup = StartCommand(SetupCommand(L""), &setupId);
  ASSERT_NE(setup, nullptr);
  HWND box = nullptr;
  EXPECT_TRUE(WaitForMessageBox(setupId, kSetupTitle, &box, kStartLimit));
  if (box) {
    EXPECT_NE(MessageBoxText(box).find(L"Tarvelle Rename est ouvert"), std::wstring::npos) << "in French";
    EXPECT_NE(MessageBoxText(box).find(L"« Quitter »"), std::wstring::npos) << "it says how to close it";
    EXPECT_TRUE(SaveWindowScreenshot("setup-refuses-running-program", box));
    EXPECT_TRUE(PressMessageBoxButton(box, IDCANCEL));
  }
  EXPECT_EQ(WaitForEnd(setup), kSetupGaveUp);
  EXPECT_TRUE(run.IsRunning()) << "the program goes on";
  CloseProgram(run);
}

TEST_F(SetupTest, UninstallerRemovesWhatTheSetupPutThereAndNothingElse) {
  InstallForThisUser();
  if (HasFatalFailure()) return;
  const std::wstring folder = UserInstallFolder();
  const std::wstring parent = folder.substr(0, folder.find_last_of(L'\\'));
  const std::wstring neighbour = parent + L"\\Autre programme.txt";
  const std::wstring log = RenameLogPath();
  for (const std::wstring& path : {neighbour, log}) {
    std::ofstream(std::filesystem::path(path), std::ios::binary) << "not the setup's";
  }

  ASSERT_TRUE(Uninstall(HKEY_CURRENT_USER, folder, true));
  EXPECT_FALSE(Exists(folder)) << "the folder, emptied, goes too";
  EXPECT_FALSE(Exists(KnownFolder(FOLDERID_Programs) + L"\\Tarvelle Rename.lnk"));
  EXPECT_FALSE(Exists(KnownFolder(FOLDERID_SendTo) + L"\\Tarvelle Rename.lnk"));
  EXPECT_EQ(Bytes(neighbour), "not the setup's") << "a file beside the folder stays";
  EXPECT_EQ(Bytes(log), "not the setup's") << "the rename log is the program's";
  DeleteFileW(neighbour.c_str());
  DeleteFileW(log.c_str());
}

// Wine's processes are elevated, as a Windows setup started with "Exécuter en tant qu'administrateur" is.
TEST_F(SetupTest, StartedAsAdministratorTheSetupInstallsForAllUsers) {
  if (!TokenIsElevated()) GTEST_SKIP() << "needs an elevated test run";
  HANDLE setup = StartCommand(SetupCommand(L"/S"), nullptr, false);
  ASSERT_NE(setup, nullptr);
  ASSERT_EQ(WaitForEnd(setup), 0u);
  const std::wstring folder = InstallFolder(FOLDERID_ProgramFiles);
  EXPECT_TRUE(Exists(folder + L"\\TarvelleRename.exe"));
  EXPECT_EQ(EntryText(HKEY_LOCAL_MACHINE, L"InstallLocation"), folder);
  EXPECT_TRUE(Exists(KnownFolder(FOLDERID_CommonPrograms) + L"\\Tarvelle Rename.lnk"));
  EXPECT_TRUE(Exists(KnownFolder(FOLDERID_SendTo) + L"\\Tarvelle Rename.lnk")) << "Windows has no common one";
  ASSERT_TRUE(Uninstall(HKEY_LOCAL_MACHINE, folder, false));
  EXPECT_FALSE(Exists(KnownFolder(FOLDERID_SendTo) + L"\\Tarvelle Rename.lnk"));
  EXPECT_FALSE(Exists(folder));
  EXPECT_FALSE(Exists(KnownFolder(FOLDERID_CommonPrograms) + L"\\Tarvelle Rename.lnk"));
}

}  // namespace

}  // namespace e2e
