#pragma once
// Drives the real program from outside, as a user would: starts it, finds its windows and controls by number,
// clicks, types, reads texts and list rows across processes, answers its message boxes and waits for its end.
// Every wait has a time limit; a wait that runs out comes back as a failed assertion result saying what was
// awaited and what the program showed instead, never as a hang.

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <initializer_list>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "base/Numbers.h"
#include "base/ProgramInfo.h"

namespace e2e {

using Milliseconds = std::chrono::milliseconds;

// Starting under Wine can take several seconds when the Wine server is cold.
inline constexpr Milliseconds kStartLimit{20000};
inline constexpr Milliseconds kExitLimit{10000};
// Time for the program to react to one click, keystroke or closed box.
inline constexpr Milliseconds kReactionLimit{5000};

inline constexpr const wchar_t* kProgramTitle = base::kProgramTitle;
// Exit code this driver gives a program it has to kill, so that a killed run never looks like a clean one.
inline constexpr DWORD kKilledExitCode = 0xDEAD;

// Button numbers of the platform's message boxes.
inline constexpr int kButtonOk = IDOK;
inline constexpr int kButtonYes = IDYES;
inline constexpr int kButtonNo = IDNO;

// SendMessage to a window of the program that gives up after a few seconds, so that a hung program cannot hang the
// test: the message's result, 0 when it was not delivered (*delivered tells which, when given).
LRESULT SendWithLimit(HWND window, UINT message, WPARAM wParam, LPARAM lParam, bool* delivered = nullptr);
// The control of another process that has the keyboard focus.
HWND FocusedControlOf(HWND window);
// Gives the control the keyboard focus of its program, as the program itself would, and waits until it has it.
testing::AssertionResult GiveFocus(HWND control);

// Waits until the condition holds, checking about every 10 ms. Meanwhile this thread's own messages are
// handled, because the program may send to a window of the test (restoring it, for instance) and waits for the
// answer. True when the condition held within the limit.
bool WaitUntil(const std::function<bool()>& condition, Milliseconds limit);

// Paths.
std::wstring WindowsPathOfUnixPath(std::string_view unixPath);  // "/a/b" becomes "Z:\a\b"
std::wstring ProgramPath();                                      // the program file the build made
std::wstring TempFolderPath();  // the temporary folder in its long form, ending with a backslash
std::wstring RenameLogPath();   // TempFolderPath() + "RenameLog.txt"

// Windows of any process.
std::vector<HWND> TopLevelWindowsOf(DWORD processId, bool visibleOnly);
HWND FindTopLevelWindow(DWORD processId, const std::wstring& title);  // exact title, or null
std::wstring WindowTitle(HWND window);
// Visible top-level windows of any program (the shell's viewers among them) whose title contains the text.
std::vector<HWND> VisibleWindowsTitled(const std::wstring& part);
// Viewers a program started are not part of it: asked to close, and ended when they do not.
void CloseWindowsTitled(const std::wstring& part);
std::wstring WindowClass(HWND window);
// A line per visible top-level window of the process (title, class, and a message box's text), for failures.
std::wstring DescribeWindowsOf(DWORD processId);
testing::AssertionResult WaitUntilGone(HWND window, Milliseconds limit = kReactionLimit);

// Nothing of the program may be around when a test starts: a run left over from elsewhere in this Wine prefix
// would answer the test's own start through the single-instance guard. Waits up to kExitLimit for a run that is
// ending.
testing::AssertionResult NothingOfTheProgramAround();

// How many processes the programs started by these tests, and every process those started in turn, have been so
// far: a program that hands an address to the shell starts its handler (a browser, a mail program) among them.
DWORD StartedProcessCount();

// One run of the program. The destructor kills a run that is still going, so that a failed test leaves no stray
// program behind to answer the next test's start.
class RunningProgram {
 public:
  RunningProgram() = default;
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;
  ~RunningProgram();

  // Starts the program file (by default the one the build made) with its own folder as the current folder, and
  // the arguments after its quoted path.
  testing::AssertionResult Start(const std::wstring& programFile = ProgramPath(), const std::wstring& arguments = {});
  // Waits for a visible top-level window of this process that holds the control numbered knownControl (the
  // status bar, 60, is made last before the window is shown), then for the program to be idle.
  testing::AssertionResult WaitForMainWindow(int knownControl = base::kStatusBar, Milliseconds limit = kStartLimit);
  // Waits for the process to end; on time-out kills it and says which windows it was showing.
  testing::AssertionResult WaitForExit(Milliseconds limit = kExitLimit);
  void Kill();

  bool IsRunning() const;
  DWORD ProcessId() const { return processId_; }
  HANDLE Process() const { return process_; }
  HWND MainWindow() const { return mainWindow_; }
  HWND Control(int number) const;  // a control of the main window by number, or null
  DWORD ExitCode() const { return exitCode_; }  // STILL_ACTIVE until WaitForExit saw the end
  // Whether a visible top-level window of this process was seen by any wait of this object.
  bool ShowedWindow() const { return !titlesSeen_.empty(); }
  std::wstring TitlesSeen() const;

 private:
  void NoteWindows();

  HANDLE process_ = nullptr;
  DWORD processId_ = 0;
  HWND mainWindow_ = nullptr;
  DWORD exitCode_ = STILL_ACTIVE;
  std::set<std::wstring> titlesSeen_;
};

// Controls, found by number among all descendants (controls may sit inside containers), nearest first.
HWND FindControl(HWND root, int number);
testing::AssertionResult WaitForControl(HWND root, int number, HWND* control, Milliseconds limit = kReactionLimit);
// Waits until the control has the keyboard focus of its program; a failure tells which control has it instead.
testing::AssertionResult WaitForFocus(HWND control, Milliseconds limit = kReactionLimit);
// Posts BM_CLICK, so that a modal box the click opens does not block the test.
void Click(HWND control);
// Moves the real mouse pointer to a point of the screen and waits until every program sees it there.
bool PlacePointer(POINT screen);
// Moves the real mouse pointer onto the middle of the control, where hover tracking and tooltips see it.
bool PointAt(HWND control);
// WM_SETTEXT and WM_GETTEXT, which Windows carries across processes for edit fields and static texts.
bool SetText(HWND control, const std::wstring& text);
std::wstring Text(HWND control);
// Types as the keyboard would, one WM_CHAR per character, so that the field's own input rules apply.
void TypeText(HWND control, const std::wstring& text);
bool IsTicked(HWND box);
// Clicks the box when its state differs, then waits until it shows the wanted state.
testing::AssertionResult SetTicked(HWND box, bool ticked, Milliseconds limit = kReactionLimit);
// Selects entry `index` of a drop-down list and tells the parent as the list itself would (CBN_SELCHANGE).
testing::AssertionResult ChooseComboEntry(HWND combo, int index);
int ComboSelection(HWND combo);
int ComboEntryCount(HWND combo);

// The entries of a drop-down list, plain (ComboBox) or with images (ComboBoxEx32), in their order.
std::vector<std::wstring> ComboEntryTexts(HWND combo);
// The edit field inside an editable drop-down list, which takes the typed characters; null for a closed list.
HWND ComboEditField(HWND combo);

// A window's rectangle in the client coordinates of its parent: the place the program gave it.
RECT PlaceInParent(HWND control);
// "x,y widthxheight", for failure messages.
std::wstring DescribePlace(const RECT& place);
// Changes a box's tick as BM_SETCHECK does: no click, so the program is not told and does not react.
bool SetTickWithoutClick(HWND box, bool ticked);
// Puts the caret (an empty selection) at the end of an edit field's text.
void MoveCaretToEnd(HWND field);

// Waits until the program has handled every message posted to it so far and the events they raised. The program
// handles each message, and each event it raises, before it takes the next message: so once a tick posted to
// markerBox after them shows, the earlier ones are done. The caller chooses as marker a box no test looks at; it
// is given back its tick afterwards.
testing::AssertionResult WaitForPostedInput(HWND markerBox, Milliseconds limit = kReactionLimit);

// Mouse and keys, posted to a window at a point of its client area. The real pointer is moved to that point
// first, so that whatever the program asks of the pointer (GetCursorPos) agrees with the message.
void DoubleClickAt(HWND window, POINT client);
void RightClickAt(HWND window, POINT client);
void PressKey(HWND window, UINT virtualKey);

// A real click of the left button at a point of the window's client area: the pointer is placed there, then the
// button goes down and up through the system's input queue, the window's top-level window in the foreground.
testing::AssertionResult RealClickAt(HWND window, POINT client);

// Real keys, as the user's keyboard gives them: the window's top-level window is brought to the foreground, then the
// keys go through the system's input queue (SendInput) to whatever control of it has the focus, so that dialog
// navigation, menus, Shift+F10 and the Menu key behave as for a person. A combination is pressed in its order and
// released in reverse: {VK_SHIFT, VK_TAB}, {VK_MENU, VK_F4}. Fails when the window cannot be made the foreground
// one or the system refuses the input; what the keys do is for the caller to wait for.
testing::AssertionResult PressRealKeys(HWND window, std::initializer_list<UINT> combination);
// Characters typed as a keyboard would give them (each as its own Unicode key), to the focused control of the
// window, brought to the foreground first.
testing::AssertionResult TypeRealText(HWND window, const std::wstring& text);
// A button pressed from the keyboard: it is given the focus, then Space goes to it.
testing::AssertionResult PressWithSpace(HWND control);

// Report lists of another process, read and changed through memory lent in that process.
int ListRowCount(HWND list);
std::wstring ListCellText(HWND list, int row, int column);
std::vector<std::wstring> ListColumnTitles(HWND list);
// Every row as its cells, one per column of the header.
std::vector<std::vector<std::wstring>> ListRows(HWND list);
// Selects or deselects one row, or every row with row -1.
bool SelectListRow(HWND list, int row, bool selected);
std::vector<int> SelectedListRows(HWND list);
int FocusedListRow(HWND list);  // -1 when no row has the focus
std::vector<int> ListColumnWidths(HWND list);
// The columns in the order the header shows them, by their numbers.
std::vector<int> ListColumnOrder(HWND list);
// The rectangle of a row's first cell (its icon and name) in the list's client coordinates, after scrolling the
// row into view as a person would before clicking it.
bool ListRowNamePlace(HWND list, int row, RECT* place);
// Clicks the heading of a column as the mouse would; a heading outside the list's visible part is first scrolled
// into view, as a person would scroll to reach it.
testing::AssertionResult ClickColumnHeading(HWND list, int column);
// The same with the real mouse: the pointer is put on the heading's middle and the left button goes down and up
// through the system's input queue, so that the header itself sees a person's click.
testing::AssertionResult ClickColumnHeadingForReal(HWND list, int column);
// The format of a column's heading (HDF_SORTUP, HDF_SORTDOWN...), -1 when the list has no such heading.
int ColumnHeadingFormat(HWND list, int column);

// Popup menus (class #32768) the process shows.
std::vector<HWND> PopupMenusOf(DWORD processId);
testing::AssertionResult WaitForPopupMenu(DWORD processId, HWND* menu, Milliseconds limit = kReactionLimit);
// Waits for a popup menu of the list's process whose top left corner lies under the name of the row, where a menu
// asked for from the keyboard opens.
testing::AssertionResult WaitForPopupMenuUnderRow(HWND list, int row, HWND* menu);
// Closes every popup menu of the process as the Escape key would, and waits until none is left.
testing::AssertionResult ClosePopupMenus(DWORD processId);

// Tooltip windows (class tooltips_class32) of a process, shown or not, with the tool each one watches.
struct ToolTip {
  HWND window = nullptr;
  HWND toolWindow = nullptr;  // the tool record's window
  UINT_PTR toolId = 0;        // the tool record's identifier: a window when flags hold TTF_IDISHWND
  UINT flags = 0;
  std::wstring text;
  // The title and its icon (0 for none) as TTM_GETTITLE gives them; empty where the tooltip does not answer
  // TTM_GETTITLE (Wine 8's tooltips do not).
  std::optional<std::wstring> title;
  std::optional<UINT_PTR> titleIcon;
};
std::vector<ToolTip> ToolTipsOf(DWORD processId);

// Message boxes (class #32770) of one process.
std::vector<HWND> MessageBoxesOf(DWORD processId);
testing::AssertionResult WaitForMessageBox(DWORD processId, const std::wstring& title, HWND* box,
                                           Milliseconds limit = kReactionLimit);
std::wstring MessageBoxText(HWND box);
// Presses a button of a box by its number (kButtonOk, kButtonYes, kButtonNo) without waiting for the box to go.
testing::AssertionResult PressMessageBoxButton(HWND box, int buttonNumber);

}  // namespace e2e
