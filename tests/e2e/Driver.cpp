#include "e2e/Driver.h"

#include <commctrl.h>

#include "e2e/RemoteBuffer.h"

#include <algorithm>
#include <deque>
#include <iterator>
#include <sstream>

namespace e2e {

namespace {

using Clock = std::chrono::steady_clock;

constexpr DWORD kPollMs = 10;
// A hung program must not hang the test: every message sent to it gives up after this.
constexpr UINT kSendLimitMs = 5000;
constexpr int kRemoteTextChars = 1024;
constexpr Milliseconds kPointerSettleTime{300};

std::wstring Widen(std::string_view text) {
  if (text.empty()) return {};
  int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
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

LPARAM PointParameter(POINT client) { return MAKELPARAM(client.x, client.y); }

void MovePointerTo(HWND window, POINT client) {
  POINT screen = client;
  ClientToScreen(window, &screen);
  PlacePointer(screen);
}

LPARAM KeyParameter(UINT virtualKey, bool release) {
  LPARAM parameter = 1 | (static_cast<LPARAM>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC)) << 16);
  if (release) parameter |= (static_cast<LPARAM>(1) << 30) | (static_cast<LPARAM>(1) << 31);
  return parameter;
}

}  // namespace

LRESULT SendWithLimit(HWND window, UINT message, WPARAM wParam, LPARAM lParam, bool* delivered) {
  DWORD_PTR result = 0;
  LRESULT sent =
      SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL | SMTO_ABORTIFHUNG, kSendLimitMs, &result);
  if (delivered) *delivered = sent != 0;
  return static_cast<LRESULT>(result);
}

HWND FocusedControlOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

testing::AssertionResult GiveFocus(HWND control) {
  const DWORD ownThread = GetCurrentThreadId();
  const DWORD programThread = GetWindowThreadProcessId(control, nullptr);
  // SetFocus acts on the thread whose input this one shares.
  if (programThread && AttachThreadInput(ownThread, programThread, TRUE)) {
    SetFocus(control);
    AttachThreadInput(ownThread, programThread, FALSE);
  }
  return WaitForFocus(control);
}

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

std::vector<HWND> VisibleWindowsTitled(const std::wstring& part) {
  std::vector<HWND> found;
  for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT)) {
    if (IsWindowVisible(window) && WindowTitle(window).find(part) != std::wstring::npos) found.push_back(window);
  }
  return found;
}

void CloseWindowsTitled(const std::wstring& part) {
  for (HWND window : VisibleWindowsTitled(part)) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    PostMessageW(window, WM_CLOSE, 0, 0);
    if (!WaitUntilGone(window)) {
      if (HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, processId)) {
        TerminateProcess(process, 1);
        CloseHandle(process);
      }
    }
  }
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

testing::AssertionResult NothingOfTheProgramAround() {
  auto noneAround = [] {
    if (FindWindowW(nullptr, kProgramTitle)) return false;
    HANDLE mutex = OpenMutexW(SYNCHRONIZE, FALSE, kProgramTitle);
    if (!mutex) return true;
    CloseHandle(mutex);
    return false;
  };
  if (WaitUntil(noneAround, kExitLimit)) return testing::AssertionSuccess();
  return testing::AssertionFailure() << "a window with the program's title or the program's mutex already exists in "
                                        "this Wine prefix: another run of the program is going on";
}

DWORD StartedProcessCount() {
  JOBOBJECT_BASIC_ACCOUNTING_INFORMATION counts{};
  if (!QueryInformationJobObject(StartedProgramsJob(), JobObjectBasicAccountingInformation, &counts, sizeof(counts),
                                 nullptr)) {
    return 0;
  }
  return counts.TotalProcesses;
}

RunningProgram::~RunningProgram() {
  if (IsRunning()) Kill();
  if (process_) CloseHandle(process_);
}

testing::AssertionResult RunningProgram::Start(const std::wstring& programFile, const std::wstring& arguments) {
  if (process_) return testing::AssertionFailure() << "this run was already started";
  std::wstring commandLine = L"\"" + programFile + L"\"";
  if (!arguments.empty()) commandLine += L" " + arguments;
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

testing::AssertionResult WaitForFocus(HWND control, Milliseconds limit) {
  HWND root = GetAncestor(control, GA_ROOT);
  if (WaitUntil([&] { return FocusedControlOf(root) == control; }, limit)) return testing::AssertionSuccess();
  HWND focused = FocusedControlOf(root);
  return testing::AssertionFailure() << "the focus is not on " << WindowClass(control) << " " << GetDlgCtrlID(control)
                                     << " \"" << Text(control).substr(0, 40) << "\" but on " << WindowClass(focused)
                                     << " " << GetDlgCtrlID(focused) << " \"" << Text(focused).substr(0, 40) << "\"";
}

void Click(HWND control) { PostMessageW(control, BM_CLICK, 0, 0); }

// Under Wine another process's GetCursorPos gives the old place for a while after a move, and shortly after a
// program starts the pointer may even be put back where it was. So the move is made again until the pointer has
// stayed in place for a while (measured: stale at once, right after 300 ms).
bool PlacePointer(POINT screen) {
  auto stableSince = Clock::now();
  bool placed = false;
  return WaitUntil(
      [&] {
        POINT now{};
        GetCursorPos(&now);
        if (now.x != screen.x || now.y != screen.y) {
          SetCursorPos(static_cast<int>(screen.x), static_cast<int>(screen.y));
          placed = false;
          return false;
        }
        if (!placed) {
          placed = true;
          stableSince = Clock::now();
        }
        return Clock::now() - stableSince >= kPointerSettleTime;
      },
      kReactionLimit);
}

bool PointAt(HWND control) {
  RECT place{};
  if (!GetWindowRect(control, &place)) return false;
  return PlacePointer({(place.left + place.right) / 2, (place.top + place.bottom) / 2});
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

std::vector<std::wstring> ComboEntryTexts(HWND combo) {
  std::vector<std::wstring> texts;
  const int count = ComboEntryCount(combo);
  if (WindowClass(combo) == WC_COMBOBOXEXW) {
    // The extended list keeps its texts itself; its inner drop-down holds none.
    using Layout = RemoteRecordWithText<COMBOBOXEXITEMW>;
    RemoteBuffer remote(combo, Layout::kSize);
    if (!remote.Ok()) return texts;
    for (int index = 0; index < count; ++index) {
      COMBOBOXEXITEMW item{};
      item.mask = CBEIF_TEXT;
      item.iItem = index;
      item.pszText = reinterpret_cast<wchar_t*>(remote.Address(Layout::kTextOffset));
      item.cchTextMax = kRemoteTextChars;
      wchar_t nothing = L'\0';
      remote.Write(0, &item, sizeof(item));
      remote.Write(Layout::kTextOffset, &nothing, sizeof(nothing));
      SendWithLimit(combo, CBEM_GETITEMW, 0, remote.AsParameter());
      texts.push_back(remote.ReadText(Layout::kTextOffset, kRemoteTextChars));
    }
    return texts;
  }
  // CB_GETLBTEXT is carried across processes by the window system, like WM_GETTEXT.
  for (int index = 0; index < count; ++index) {
    auto length = SendWithLimit(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0) length = 0;
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    auto copied = SendWithLimit(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 && copied <= length ? static_cast<size_t>(copied) : 0);
    texts.push_back(text);
  }
  return texts;
}

HWND ComboEditField(HWND combo) { return FindWindowExW(combo, nullptr, L"Edit", nullptr); }

RECT PlaceInParent(HWND control) {
  RECT place{};
  GetWindowRect(control, &place);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
  return place;
}

std::wstring DescribePlace(const RECT& place) {
  return std::to_wstring(place.left) + L"," + std::to_wstring(place.top) + L" " +
         std::to_wstring(place.right - place.left) + L"x" + std::to_wstring(place.bottom - place.top);
}

bool SetTickWithoutClick(HWND box, bool ticked) {
  bool delivered = false;
  SendWithLimit(box, BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0, &delivered);
  return delivered && IsTicked(box) == ticked;
}

void MoveCaretToEnd(HWND field) {
  auto end = static_cast<WPARAM>(SendWithLimit(field, WM_GETTEXTLENGTH, 0, 0));
  SendWithLimit(field, EM_SETSEL, end, static_cast<LPARAM>(end));
}

testing::AssertionResult WaitForPostedInput(HWND markerBox, Milliseconds limit) {
  const bool ticked = IsTicked(markerBox);
  PostMessageW(markerBox, BM_SETCHECK, ticked ? BST_UNCHECKED : BST_CHECKED, 0);
  bool caughtUp = WaitUntil([&] { return IsTicked(markerBox) != ticked; }, limit);
  PostMessageW(markerBox, BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0);
  caughtUp = WaitUntil([&] { return IsTicked(markerBox) == ticked; }, limit) && caughtUp;
  if (caughtUp) return testing::AssertionSuccess();
  return testing::AssertionFailure() << "the program did not handle the messages posted to it within "
                                     << MillisecondsOf(limit) << " ms";
}

void DoubleClickAt(HWND window, POINT client) {
  MovePointerTo(window, client);
  PostMessageW(window, WM_LBUTTONDBLCLK, MK_LBUTTON, PointParameter(client));
  PostMessageW(window, WM_LBUTTONUP, 0, PointParameter(client));
}

void RightClickAt(HWND window, POINT client) {
  MovePointerTo(window, client);
  PostMessageW(window, WM_RBUTTONDOWN, MK_RBUTTON, PointParameter(client));
  PostMessageW(window, WM_RBUTTONUP, 0, PointParameter(client));
}

void PressKey(HWND window, UINT virtualKey) {
  PostMessageW(window, WM_KEYDOWN, virtualKey, KeyParameter(virtualKey, false));
  PostMessageW(window, WM_KEYUP, virtualKey, KeyParameter(virtualKey, true));
}

namespace {

// Keys whose scan code comes with the extended-key prefix; without the flag Windows reads them as their twins on
// the numeric pad (the arrows as 2, 4, 6, 8) or not at all (the Menu key).
bool IsExtendedKey(UINT virtualKey) {
  constexpr UINT kExtendedKeys[] = {VK_LEFT,  VK_RIGHT, VK_UP,       VK_DOWN,   VK_HOME,   VK_END,
                                    VK_PRIOR, VK_NEXT,  VK_INSERT,   VK_DELETE, VK_APPS,   VK_LWIN,
                                    VK_RWIN,  VK_RMENU, VK_RCONTROL, VK_DIVIDE, VK_NUMLOCK};
  return std::find(std::begin(kExtendedKeys), std::end(kExtendedKeys), virtualKey) != std::end(kExtendedKeys);
}

INPUT KeyInput(UINT virtualKey, bool release) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = static_cast<WORD>(virtualKey);
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
  if (IsExtendedKey(virtualKey)) input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
  if (release) input.ki.dwFlags |= KEYEVENTF_KEYUP;
  return input;
}

// Windows lets a process that is not in the foreground take it only while attached to the foreground thread's
// input.
testing::AssertionResult BringToForeground(HWND root) {
  if (GetForegroundWindow() != root) {
    const DWORD ownThread = GetCurrentThreadId();
    const DWORD foregroundThread = GetWindowThreadProcessId(GetForegroundWindow(), nullptr);
    const bool attached =
        foregroundThread && foregroundThread != ownThread && AttachThreadInput(ownThread, foregroundThread, TRUE);
    SetForegroundWindow(root);
    if (attached) AttachThreadInput(ownThread, foregroundThread, FALSE);
  }
  if (WaitUntil([&] { return GetForegroundWindow() == root; }, kReactionLimit)) return testing::AssertionSuccess();
  return testing::AssertionFailure() << "window \"" << WindowTitle(root) << "\" could not be brought to the "
                                     << "foreground; the foreground window is \"" << WindowTitle(GetForegroundWindow())
                                     << "\"";
}

}  // namespace

namespace {

// The events in one call to the window's top-level window, brought to the foreground first, so that no other input
// comes between them.
testing::AssertionResult SendRealInput(HWND window, std::vector<INPUT>& inputs) {
  HWND root = window ? GetAncestor(window, GA_ROOT) : nullptr;
  if (!root) return testing::AssertionFailure() << "no window to send keys to";
  if (testing::AssertionResult foreground = BringToForeground(root); !foreground) return foreground;
  const UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  if (sent == inputs.size()) return testing::AssertionSuccess();
  return testing::AssertionFailure() << "SendInput took " << sent << " of " << inputs.size() << " key events, error "
                                     << GetLastError();
}

}  // namespace

testing::AssertionResult RealClickAt(HWND window, POINT client) {
  // Two clicks in a row would make one double click: the second waits until the system no longer joins them.
  static Clock::time_point lastClick;
  POINT screen = client;
  ClientToScreen(window, &screen);
  if (!PlacePointer(screen)) {
    return testing::AssertionFailure() << "the pointer could not be put at " << screen.x << "," << screen.y;
  }
  const auto wait = std::chrono::duration_cast<Milliseconds>(Milliseconds(GetDoubleClickTime() + 50) -
                                                              (Clock::now() - lastClick));
  if (wait.count() > 0) Sleep(static_cast<DWORD>(wait.count()));
  std::vector<INPUT> inputs(2);
  for (INPUT& input : inputs) input.type = INPUT_MOUSE;
  inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  testing::AssertionResult sent = SendRealInput(window, inputs);
  lastClick = Clock::now();
  return sent;
}

testing::AssertionResult PressRealKeys(HWND window, std::initializer_list<UINT> combination) {
  std::vector<INPUT> inputs;
  for (UINT key : combination) inputs.push_back(KeyInput(key, false));
  for (auto key = std::rbegin(combination); key != std::rend(combination); ++key) {
    inputs.push_back(KeyInput(*key, true));
  }
  return SendRealInput(window, inputs);
}

testing::AssertionResult TypeRealText(HWND window, const std::wstring& text) {
  std::vector<INPUT> inputs;
  for (wchar_t character : text) {
    for (bool release : {false, true}) {
      INPUT input{};
      input.type = INPUT_KEYBOARD;
      input.ki.wScan = character;
      input.ki.dwFlags = KEYEVENTF_UNICODE | (release ? KEYEVENTF_KEYUP : 0);
      inputs.push_back(input);
    }
  }
  return SendRealInput(window, inputs);
}

testing::AssertionResult PressWithSpace(HWND control) {
  if (testing::AssertionResult focused = GiveFocus(control); !focused) return focused;
  return PressRealKeys(control, {VK_SPACE});
}

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

int FocusedListRow(HWND list) {
  return static_cast<int>(SendWithLimit(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), MAKELPARAM(LVNI_FOCUSED, 0)));
}

std::vector<int> ListColumnWidths(HWND list) {
  std::vector<int> widths;
  auto columns = ListColumnTitles(list).size();
  for (size_t column = 0; column < columns; ++column) {
    widths.push_back(static_cast<int>(SendWithLimit(list, LVM_GETCOLUMNWIDTH, column, 0)));
  }
  return widths;
}

std::vector<int> ListColumnOrder(HWND list) {
  std::vector<int> order(ListColumnTitles(list).size());
  RemoteBuffer remote(list, order.size() * sizeof(int) + sizeof(int));
  if (!remote.Ok() || order.empty() ||
      !SendWithLimit(list, LVM_GETCOLUMNORDERARRAY, order.size(), remote.AsParameter()) ||
      !remote.Read(0, order.data(), order.size() * sizeof(int))) {
    return {};
  }
  return order;
}

bool ListRowNamePlace(HWND list, int row, RECT* place) {
  RemoteBuffer remote(list, sizeof(RECT));
  if (!remote.Ok()) return false;
  auto read = [&] {
    RECT asked{};
    asked.left = LVIR_LABEL;
    return remote.Write(0, &asked, sizeof(asked)) &&
           SendWithLimit(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), remote.AsParameter()) &&
           remote.Read(0, place, sizeof(*place));
  };
  SendWithLimit(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
  if (!read()) return false;
  // A list scrolled sideways hides the names: scroll back to the first column.
  if (place->left < 0) {
    SendWithLimit(list, LVM_SCROLL, static_cast<WPARAM>(place->left), 0);
    if (!read()) return false;
  }
  return true;
}

namespace {

// The middle of a column's heading in the header's client coordinates; a heading outside the list's visible part is
// first scrolled into view, as a person would scroll to reach it.
testing::AssertionResult HeadingMiddle(HWND list, int column, HWND* header, POINT* middle) {
  *header = reinterpret_cast<HWND>(SendWithLimit(list, LVM_GETHEADER, 0, 0));
  RemoteBuffer remote(list, sizeof(RECT));
  RECT heading{};
  if (!*header || !remote.Ok() ||
      !SendWithLimit(*header, HDM_GETITEMRECT, static_cast<WPARAM>(column), remote.AsParameter()) ||
      !remote.Read(0, &heading, sizeof(heading))) {
    return testing::AssertionFailure() << "list " << GetDlgCtrlID(list) << " has no heading " << column;
  }
  RECT client{};
  GetClientRect(list, &client);
  // The list moves its header sideways as it scrolls: the header's left edge is the list's scroll position.
  auto middleInList = [&] { return PlaceInParent(*header).left + (heading.left + heading.right) / 2; };
  if (middleInList() < client.left || middleInList() >= client.right) {
    SendWithLimit(list, LVM_SCROLL, static_cast<WPARAM>(PlaceInParent(*header).left + heading.left), 0);
  }
  if (middleInList() < client.left || middleInList() >= client.right) {
    return testing::AssertionFailure() << "heading " << column << " of list " << GetDlgCtrlID(list)
                                       << " cannot be scrolled into view";
  }
  *middle = {(heading.left + heading.right) / 2, (heading.top + heading.bottom) / 2};
  return testing::AssertionSuccess();
}

}  // namespace

testing::AssertionResult ClickColumnHeading(HWND list, int column) {
  HWND header = nullptr;
  POINT middle{};
  if (testing::AssertionResult found = HeadingMiddle(list, column, &header, &middle); !found) return found;
  PostMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, PointParameter(middle));
  PostMessageW(header, WM_LBUTTONUP, 0, PointParameter(middle));
  return testing::AssertionSuccess();
}

testing::AssertionResult ClickColumnHeadingForReal(HWND list, int column) {
  HWND header = nullptr;
  POINT middle{};
  if (testing::AssertionResult found = HeadingMiddle(list, column, &header, &middle); !found) return found;
  return RealClickAt(header, middle);
}

int ColumnHeadingFormat(HWND list, int column) {
  auto header = reinterpret_cast<HWND>(SendWithLimit(list, LVM_GETHEADER, 0, 0));
  RemoteBuffer remote(list, sizeof(HDITEMW));
  HDITEMW item{};
  item.mask = HDI_FORMAT;
  if (!header || !remote.Ok() || !remote.Write(0, &item, sizeof(item)) ||
      !SendWithLimit(header, HDM_GETITEMW, static_cast<WPARAM>(column), remote.AsParameter()) ||
      !remote.Read(0, &item, sizeof(item))) {
    return -1;
  }
  return item.fmt;
}

std::vector<HWND> PopupMenusOf(DWORD processId) {
  std::vector<HWND> menus;
  for (HWND window : TopLevelWindowsOf(processId, true)) {
    if (WindowClass(window) == L"#32768") menus.push_back(window);
  }
  return menus;
}

testing::AssertionResult WaitForPopupMenu(DWORD processId, HWND* menu, Milliseconds limit) {
  *menu = nullptr;
  if (WaitUntil(
          [&] {
            std::vector<HWND> menus = PopupMenusOf(processId);
            if (!menus.empty()) *menu = menus.front();
            return *menu != nullptr;
          },
          limit)) {
    return testing::AssertionSuccess();
  }
  return testing::AssertionFailure() << "no popup menu within " << MillisecondsOf(limit)
                                     << " ms; the program shows:" << DescribeWindowsOf(processId);
}

testing::AssertionResult WaitForPopupMenuUnderRow(HWND list, int row, HWND* menu) {
  DWORD processId = 0;
  GetWindowThreadProcessId(list, &processId);
  if (testing::AssertionResult opened = WaitForPopupMenu(processId, menu); !opened) return opened;
  RECT name{};
  if (!ListRowNamePlace(list, row, &name)) return testing::AssertionFailure() << "the list has no row " << row;
  POINT under{name.left, name.bottom};
  ClientToScreen(list, &under);
  RECT place{};
  GetWindowRect(*menu, &place);
  if (place.left == under.x && place.top == under.y) return testing::AssertionSuccess();
  return testing::AssertionFailure() << "the menu opened at " << place.left << "," << place.top << " instead of "
                                     << under.x << "," << under.y << ", under the name of row " << row;
}

testing::AssertionResult ClosePopupMenus(DWORD processId) {
  for (HWND menu : PopupMenusOf(processId)) PressKey(menu, VK_ESCAPE);
  if (WaitUntil([&] { return PopupMenusOf(processId).empty(); }, kReactionLimit)) return testing::AssertionSuccess();
  // Escape closes one level at a time; a menu that stays is told to leave as when another window takes the mouse.
  for (HWND menu : PopupMenusOf(processId)) PostMessageW(menu, WM_CANCELMODE, 0, 0);
  if (WaitUntil([&] { return PopupMenusOf(processId).empty(); }, kReactionLimit)) return testing::AssertionSuccess();
  return testing::AssertionFailure() << "a popup menu stays open after Escape and WM_CANCELMODE";
}

std::vector<ToolTip> ToolTipsOf(DWORD processId) {
  std::vector<ToolTip> tips;
  for (HWND window : TopLevelWindowsOf(processId, false)) {
    if (lstrcmpiW(WindowClass(window).c_str(), TOOLTIPS_CLASSW) != 0) continue;
    using Layout = RemoteRecordWithText<TTTOOLINFOW>;
    RemoteBuffer remote(window, Layout::kSize);
    if (!remote.Ok()) continue;
    auto count = static_cast<int>(SendWithLimit(window, TTM_GETTOOLCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
      TTTOOLINFOW record{};
      record.cbSize = sizeof(record);
      record.lpszText = reinterpret_cast<wchar_t*>(remote.Address(Layout::kTextOffset));
      wchar_t nothing = L'\0';
      remote.Write(0, &record, sizeof(record));
      remote.Write(Layout::kTextOffset, &nothing, sizeof(nothing));
      if (!SendWithLimit(window, TTM_ENUMTOOLSW, static_cast<WPARAM>(index), remote.AsParameter())) continue;
      remote.Read(0, &record, sizeof(record));
      ToolTip tip;
      tip.window = window;
      tip.toolWindow = record.hwnd;
      tip.toolId = record.uId;
      tip.flags = record.uFlags;
      if (record.lpszText == reinterpret_cast<wchar_t*>(remote.Address(Layout::kTextOffset))) {
        tip.text = remote.ReadText(Layout::kTextOffset, kRemoteTextChars);
      }
      // A tooltip that leaves the record as it was does not answer TTM_GETTITLE.
      constexpr UINT kUnanswered = 0xFFFFFFFFu;
      TTGETTITLE title{};
      title.dwSize = sizeof(title);
      title.uTitleBitmap = kUnanswered;
      title.cch = kRemoteTextChars;
      title.pszTitle = reinterpret_cast<wchar_t*>(remote.Address(Layout::kTextOffset));
      remote.Write(0, &title, sizeof(title));
      remote.Write(Layout::kTextOffset, &nothing, sizeof(nothing));
      SendWithLimit(window, TTM_GETTITLE, 0, remote.AsParameter());
      remote.Read(0, &title, sizeof(title));
      std::wstring titleText = remote.ReadText(Layout::kTextOffset, kRemoteTextChars);
      if (title.uTitleBitmap != kUnanswered || !titleText.empty()) {
        tip.title = titleText;
        tip.titleIcon = title.uTitleBitmap;
      }
      tips.push_back(tip);
    }
  }
  return tips;
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
