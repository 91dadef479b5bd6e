#include "e2e/Driver.h"

#include <commctrl.h>

#include <deque>
#include <sstream>

namespace e2e {

namespace {

using Clock = std::chrono::steady_clock;

constexpr DWORD kPollMs = 10;
// A hung program must not hang the test: every message sent to it gives up after this.
constexpr UINT kSendLimitMs = 5000;
constexpr int kRemoteTextChars = 1024;

std::wstring Widen(std::string_view text) {
  if (text.empty()) return {};
  int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

LRESULT SendWithLimit(HWND window, UINT message, WPARAM wParam, LPARAM lParam, bool* delivered = nullptr) {
  DWORD_PTR result = 0;
  LRESULT sent =
      SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL | SMTO_ABORTIFHUNG, kSendLimitMs, &result);
  if (delivered) *delivered = sent != 0;
  return static_cast<LRESULT>(result);
}

void HandleOwnMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

BOOL CALLBACK VisitWindow(HWND window, LPARAM visitor) {
  return (*reinterpret_cast<const std::function<bool(HWND)>*>(visitor))(window) ? TRUE : FALSE;
}

// Calls visit for every top-level window until it returns false.
void ForEachTopLevelWindow(const std::function<bool(HWND)>& visit) {
  EnumWindows(VisitWindow, reinterpret_cast<LPARAM>(&visit));
}

DWORD ProcessOf(HWND window) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  return processId;
}

long long MillisecondsOf(Milliseconds limit) { return static_cast<long long>(limit.count()); }

// Memory lent inside another process, for messages whose parameters point to records there.
class RemoteBuffer {
 public:
  RemoteBuffer(HWND owner, size_t size) : size_(size) {
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, ProcessOf(owner));
    if (process_) address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  }
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;
  ~RemoteBuffer() {
    if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    if (process_) CloseHandle(process_);
  }

  bool Ok() const { return address_ != nullptr; }
  char* Address(size_t offset = 0) const { return static_cast<char*>(address_) + offset; }
  LPARAM AsParameter() const { return reinterpret_cast<LPARAM>(address_); }

  bool Write(size_t offset, const void* data, size_t size) const {
    SIZE_T written = 0;
    return offset + size <= size_ && WriteProcessMemory(process_, Address(offset), data, size, &written) &&
           written == size;
  }
  bool Read(size_t offset, void* data, size_t size) const {
    SIZE_T read = 0;
    return offset + size <= size_ && ReadProcessMemory(process_, Address(offset), data, size, &read) &&
           read == size;
  }
  std::wstring ReadText(size_t offset, size_t maxChars) const {
    std::wstring text(maxChars, L'\0');
    if (!Read(offset, text.data(), maxChars * sizeof(wchar_t))) return {};
    text.resize(wcsnlen(text.c_str(), maxChars));
    return text;
  }

 private:
  HANDLE process_ = nullptr;
  void* address_ = nullptr;
  size_t size_;
};

// A record followed by room for its text, both in the other process.
template <class Record>
struct RemoteRecordWithText {
  static constexpr size_t kTextOffset = (sizeof(Record) + 15) / 16 * 16;
  static constexpr size_t kSize = kTextOffset + kRemoteTextChars * sizeof(wchar_t);
};

// Programs started by the tests belong to this job, which ends them when the test process ends in any way, even
// killed by a time limit of ctest.
HANDLE StartedProgramsJob() {
  static HANDLE job = [] {
    HANDLE created = CreateJobObjectW(nullptr, nullptr);
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (created) SetInformationJobObject(created, JobObjectExtendedLimitInformation, &limits, sizeof(limits));
    return created;
  }();
  return job;
}

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, Milliseconds limit) {
  const auto deadline = Clock::now() + limit;
  for (;;) {
    HandleOwnMessages();
    if (condition()) return true;
    if (Clock::now() >= deadline) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, kPollMs, QS_ALLINPUT);
  }
}

std::wstring WindowsPathOfUnixPath(std::string_view unixPath) {
  std::wstring path = L"Z:" + Widen(unixPath);
  for (wchar_t& c : path) {
    if (c == L'/') c = L'\\';
  }
  return path;
}

std::wstring ProgramPath() { return WindowsPathOfUnixPath(TARVELLE_EXE_PATH); }

std::wstring TempFolderPath() {
  wchar_t shortForm[MAX_PATH + 1] = {};
  GetTempPathW(MAX_PATH + 1, shortForm);
  wchar_t longForm[MAX_PATH + 1] = {};
  DWORD length = GetLongPathNameW(shortForm, longForm, MAX_PATH + 1);
  std::wstring folder = length > 0 && length <= MAX_PATH ? longForm : shortForm;
  if (!folder.empty() && folder.back() != L'\\') folder.push_back(L'\\');
  return folder;
}

std::wstring RenameLogPath() { return TempFolderPath() + L"RenameLog.txt"; }

std::vector<HWND> TopLevelWindowsOf(DWORD processId, bool visibleOnly) {
  std::vector<HWND> windows;
  ForEachTopLevelWindow([&](HWND window) {
    if (ProcessOf(window) == processId && (!visibleOnly || IsWindowVisible(window))) windows.push_back(window);
    return true;
  });
  return windows;
}

HWND FindTopLevelWindow(DWORD processId, const std::wstring& title) {
  for (HWND window : TopLevelWindowsOf(processId, false)) {
    if (WindowTitle(window) == title) return window;
  }
  return nullptr;
}

std::wstring WindowTitle(HWND window) {
  wchar_t title[512] = {};
  GetWindowTextW(window, title, 512);
  return title;
}

std::wstring WindowClass(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

std::wstring DescribeWindowsOf(DWORD processId) {
  std::wostringstream text;
  for (HWND window : TopLevelWindowsOf(processId, true)) {
    text << L"\n  window \"" << WindowTitle(window) << L"\" of class " << WindowClass(window);
    if (WindowClass(window) == L"#32770") text << L", text \"" << MessageBoxText(window) << L"\"";
  }
  std::wstring described = text.str();
  return described.empty() ? L" (no visible window)" : described;
}

testing::AssertionResult WaitUntilGone(HWND window, Milliseconds limit) {
  if (WaitUntil([&] { return !IsWindow(window); }, limit)) return testing::AssertionSuccess();
  return testing::AssertionFailure() << "window \"" << WindowTitle(window) << "\" still there after "
                                     << MillisecondsOf(limit) << " ms";
}

RunningProgram::~RunningProgram() {
  if (IsRunning()) Kill();
  if (process_) CloseHandle(process_);
}

testing::AssertionResult RunningProgram::Start(const std::wstring& programFile) {
  if (process_) return testing::AssertionFailure() << "this run was already started";
  std::wstring commandLine = L"\"" + programFile + L"\"";
  std::wstring folder = programFile.substr(0, programFile.find_last_of(L'\\') + 1);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(programFile.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &startup, &started)) {
    return testing::AssertionFailure() << "CreateProcessW could not start " << programFile << ", error "
                                       << GetLastError();
  }
  if (HANDLE job = StartedProgramsJob()) AssignProcessToJobObject(job, started.hProcess);
  CloseHandle(started.hThread);
  process_ = started.hProcess;
  processId_ = started.dwProcessId;
  return testing::AssertionSuccess();
}

testing::AssertionResult RunningProgram::WaitForMainWindow(int knownControl, Milliseconds limit) {
  if (!process_) return testing::AssertionFailure() << "the program was not started";
  WaitUntil(
      [&] {
        NoteWindows();
        for (HWND window : TopLevelWindowsOf(processId_, true)) {
          if (FindControl(window, knownControl)) {
            mainWindow_ = window;
            return true;
          }
        }
        return !IsRunning();
      },
      limit);
  if (!mainWindow_) {
    if (!IsRunning()) {
      GetExitCodeProcess(process_, &exitCode_);
      return testing::AssertionFailure() << "the program ended with exit code " << exitCode_
                                         << " before showing a window with control " << knownControl;
    }
    return testing::AssertionFailure() << "no visible window with control " << knownControl << " within "
                                       << MillisecondsOf(limit) << " ms; the program shows:"
                                       << DescribeWindowsOf(processId_);
  }
  WaitForInputIdle(process_, static_cast<DWORD>(kReactionLimit.count()));
  return testing::AssertionSuccess();
}

testing::AssertionResult RunningProgram::WaitForExit(Milliseconds limit) {
  if (!process_) return testing::AssertionFailure() << "the program was not started";
  if (!WaitUntil(
          [&] {
            NoteWindows();
            return !IsRunning();
          },
          limit)) {
    std::wstring shown = DescribeWindowsOf(processId_);
    Kill();
    return testing::AssertionFailure() << "the program did not end within " << MillisecondsOf(limit)
                                       << " ms and was killed; it showed:" << shown;
  }
  GetExitCodeProcess(process_, &exitCode_);
  return testing::AssertionSuccess();
}

void RunningProgram::Kill() {
  if (!IsRunning()) return;
  TerminateProcess(process_, kKilledExitCode);
  WaitForSingleObject(process_, static_cast<DWORD>(kExitLimit.count()));
  GetExitCodeProcess(process_, &exitCode_);
}

bool RunningProgram::IsRunning() const { return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }

HWND RunningProgram::Control(int number) const { return mainWindow_ ? FindControl(mainWindow_, number) : nullptr; }

std::wstring RunningProgram::TitlesSeen() const {
  std::wstring titles;
  for (const std::wstring& title : titlesSeen_) titles += L" \"" + title + L"\"";
  return titles;
}

void RunningProgram::NoteWindows() {
  for (HWND window : TopLevelWindowsOf(processId_, true)) {
    titlesSeen_.insert(WindowTitle(window) + L" (" + WindowClass(window) + L")");
  }
}

HWND FindControl(HWND root, int number) {
  // Breadth first, so that a control of the window itself wins over an inner part of another control (a list's
  // header, a drop-down's edit field) that happens to carry the same number.
  std::deque<HWND> pending;
  for (HWND child = GetWindow(root, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) pending.push_back(child);
  while (!pending.empty()) {
    HWND window = pending.front();
    pending.pop_front();
    if (GetDlgCtrlID(window) == number) return window;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      pending.push_back(child);
    }
  }
  return nullptr;
}

testing::AssertionResult WaitForControl(HWND root, int number, HWND* control, Milliseconds limit) {
  *control = nullptr;
  if (WaitUntil([&] { return (*control = FindControl(root, number)) != nullptr; }, limit)) {
    return testing::AssertionSuccess();
  }
  return testing::AssertionFailure() << "no control " << number << " in window \"" << WindowTitle(root)
                                     << "\" within " << MillisecondsOf(limit) << " ms";
}

void Click(HWND control) { PostMessageW(control, BM_CLICK, 0, 0); }

bool PointAt(HWND control) {
  RECT place{};
  if (!GetWindowRect(control, &place)) return false;
  return SetCursorPos(static_cast<int>((place.left + place.right) / 2),
                      static_cast<int>((place.top + place.bottom) / 2));
}

bool SetText(HWND control, const std::wstring& text) {
  bool delivered = false;
  LRESULT accepted = SendWithLimit(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), &delivered);
  return delivered && accepted != 0;
}

std::wstring Text(HWND control) {
  auto length = static_cast<size_t>(SendWithLimit(control, WM_GETTEXTLENGTH, 0, 0));
  std::wstring text(length + 1, L'\0');
  auto copied = static_cast<size_t>(
      SendWithLimit(control, WM_GETTEXT, static_cast<WPARAM>(length + 1), reinterpret_cast<LPARAM>(text.data())));
  text.resize(copied < length ? copied : length);
  return text;
}

void TypeText(HWND control, const std::wstring& text) {
  for (wchar_t c : text) PostMessageW(control, WM_CHAR, static_cast<WPARAM>(c), 1);
}

bool IsTicked(HWND box) { return SendWithLimit(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }

testing::AssertionResult SetTicked(HWND box, bool ticked, Milliseconds limit) {
  if (IsTicked(box) != ticked) Click(box);
  if (WaitUntil([&] { return IsTicked(box) == ticked; }, limit)) return testing::AssertionSuccess();
  return testing::AssertionFailure() << "box " << GetDlgCtrlID(box) << " \"" << Text(box) << "\" is still "
                                     << (ticked ? "not ticked" : "ticked") << " after a click";
}

testing::AssertionResult ChooseComboEntry(HWND combo, int index) {
  SendWithLimit(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  if (ComboSelection(combo) != index) {
    return testing::AssertionFailure() << "drop-down " << GetDlgCtrlID(combo) << " has no entry " << index << " ("
                                       << ComboEntryCount(combo) << " entries)";
  }
  // Posted, as the list's own notice would reach a parent busy with a modal box later.
  PostMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo));
  return testing::AssertionSuccess();
}

int ComboSelection(HWND combo) { return static_cast<int>(SendWithLimit(combo, CB_GETCURSEL, 0, 0)); }

int ComboEntryCount(HWND combo) { return static_cast<int>(SendWithLimit(combo, CB_GETCOUNT, 0, 0)); }

int ListRowCount(HWND list) { return static_cast<int>(SendWithLimit(list, LVM_GETITEMCOUNT, 0, 0)); }

std::wstring ListCellText(HWND list, int row, int column) {
  using Layout = RemoteRecordWithText<LVITEMW>;
  RemoteBuffer remote(list, Layout::kSize);
  if (!remote.Ok()) return {};
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = reinterpret_cast<wchar_t*>(remote.Address(Layout::kTextOffset));
  item.cchTextMax = kRemoteTextChars;
  wchar_t nothing = L'\0';
  if (!remote.Write(0, &item, sizeof(item)) || !remote.Write(Layout::kTextOffset, &nothing, sizeof(nothing))) {
    return {};
  }
  SendWithLimit(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), remote.AsParameter());
  return remote.ReadText(Layout::kTextOffset, kRemoteTextChars);
}

std::vector<std::wstring> ListColumnTitles(HWND list) {
  std::vector<std::wstring> titles;
  auto header = reinterpret_cast<HWND>(SendWithLimit(list, LVM_GETHEADER, 0, 0));
  if (!header) return titles;
  using Layout = RemoteRecordWithText<HDITEMW>;
  RemoteBuffer remote(list, Layout::kSize);
  if (!remote.Ok()) return titles;
  auto count = static_cast<int>(SendWithLimit(header, HDM_GETITEMCOUNT, 0, 0));
  for (int column = 0; column < count; ++column) {
    HDITEMW item{};
    item.mask = HDI_TEXT;
    item.pszText = reinterpret_cast<wchar_t*>(remote.Address(Layout::kTextOffset));
    item.cchTextMax = kRemoteTextChars;
    wchar_t nothing = L'\0';
    remote.Write(0, &item, sizeof(item));
    remote.Write(Layout::kTextOffset, &nothing, sizeof(nothing));
    SendWithLimit(header, HDM_GETITEMW, static_cast<WPARAM>(column), remote.AsParameter());
    titles.push_back(remote.ReadText(Layout::kTextOffset, kRemoteTextChars));
  }
  return titles;
}

std::vector<std::vector<std::wstring>> ListRows(HWND list) {
  auto columns = static_cast<int>(ListColumnTitles(list).size());
  std::vector<std::vector<std::wstring>> rows;
  int count = ListRowCount(list);
  for (int row = 0; row < count; ++row) {
    std::vector<std::wstring>& cells = rows.emplace_back();
    for (int column = 0; column < columns; ++column) cells.push_back(ListCellText(list, row, column));
  }
  return rows;
}

bool SelectListRow(HWND list, int row, bool selected) {
  RemoteBuffer remote(list, sizeof(LVITEMW));
  if (!remote.Ok()) return false;
  LVITEMW item{};
  item.stateMask = LVIS_SELECTED;
  item.state = selected ? LVIS_SELECTED : 0;
  if (!remote.Write(0, &item, sizeof(item))) return false;
  return SendWithLimit(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), remote.AsParameter()) != 0;
}

std::vector<int> SelectedListRows(HWND list) {
  std::vector<int> rows;
  int row = -1;
  while ((row = static_cast<int>(SendWithLimit(list, LVM_GETNEXTITEM, static_cast<WPARAM>(row),
                                               MAKELPARAM(LVNI_SELECTED, 0)))) >= 0) {
    rows.push_back(row);
  }
  return rows;
}

std::vector<HWND> MessageBoxesOf(DWORD processId) {
  std::vector<HWND> boxes;
  for (HWND window : TopLevelWindowsOf(processId, true)) {
    if (WindowClass(window) == L"#32770") boxes.push_back(window);
  }
  return boxes;
}

testing::AssertionResult WaitForMessageBox(DWORD processId, const std::wstring& title, HWND* box,
                                           Milliseconds limit) {
  *box = nullptr;
  bool found = WaitUntil(
      [&] {
        for (HWND candidate : MessageBoxesOf(processId)) {
          if (WindowTitle(candidate) == title) *box = candidate;
        }
        return *box != nullptr;
      },
      limit);
  if (found) return testing::AssertionSuccess();
  return testing::AssertionFailure() << "no message box \"" << title << "\" within " << MillisecondsOf(limit)
                                     << " ms; the program shows:" << DescribeWindowsOf(processId);
}

std::wstring MessageBoxText(HWND box) {
  HWND text = GetDlgItem(box, 0xFFFF);
  return text ? Text(text) : std::wstring();
}

testing::AssertionResult PressMessageBoxButton(HWND box, int buttonNumber) {
  HWND button = GetDlgItem(box, buttonNumber);
  if (!button) {
    return testing::AssertionFailure() << "message box \"" << WindowTitle(box) << "\" has no button "
                                       << buttonNumber;
  }
  Click(button);
  return testing::AssertionSuccess();
}

}  // namespace e2e
