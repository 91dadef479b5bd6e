#pragma once
// Creation of the standard controls the program uses, each under the current parent (ui/ChildList.h) with its
// number as control id, its 96-DPI box shown at the layout scale and the program's control font
// (ui/ControlFont.h), and the few queries every control answers.
// Every creation returns the control's window, or null on failure.

#include <windows.h>

#include <functional>
#include <string>

namespace ui {

HWND CreateControlWindow(int number, const wchar_t* windowClass, const wchar_t* text, DWORD style, DWORD exStyle,
                         int x, int y, int width, int height);

HWND CreateImageControl(int number, int x, int y, int width, int height, int imageNumber);

enum TextFlags : unsigned { kTextCentered = 1u << 0, kTextSunkenBorder = 1u << 1, kTextNotify = 1u << 2 };
HWND CreateTextControl(int number, int x, int y, int width, int height, const wchar_t* text, unsigned flags = 0);

HWND CreateButtonControl(int number, int x, int y, int width, int height, const wchar_t* text);
HWND CreateImageButton(int number, int x, int y, int width, int height, int imageNumber);
HWND CreateCheckBox(int number, int x, int y, int width, int height, const wchar_t* text);
// The first option button of a group starts the group; the following ones join it.
HWND CreateOptionButton(int number, int x, int y, int width, int height, const wchar_t* text, bool firstOfGroup);

enum EditFlags : unsigned { kEditReadOnly = 1u << 0, kEditDigitsOnly = 1u << 1 };
HWND CreateEditField(int number, int x, int y, int width, int height, const wchar_t* text, unsigned flags = 0);

enum ComboFlags : unsigned { kComboEditable = 1u << 0, kComboUpperCase = 1u << 1, kComboWithImages = 1u << 2 };
HWND CreateComboBox(int number, int x, int y, int width, int height, unsigned flags, int dropHeight = 200);
void AddComboEntry(int number, const wchar_t* text, int imageNumber = -1);
void SelectComboEntry(int number, int index);
int SelectedComboEntry(int number);
// The text of the selected entry (of the edit part for an editable box).
std::wstring SelectedComboText(int number);

HWND CreateProgressBar(int number, int x, int y, int width, int height, int minimum, int maximum);

// Queries and changes shared by all controls.
std::wstring ClassNameOf(HWND window);  // the window class's name
std::wstring ControlText(int number);
void SetControlText(int number, const std::wstring& text);
bool IsControlChecked(int number);
void SetControlChecked(int number, bool checked);
void ShowControl(int number, bool visible);
bool IsControlVisible(int number);
void EnableControl(int number, bool enabled);
void SetControlFont(int number, HFONT font);
void FocusControl(int number);
// Every child window of the program's windows (those of this thread), controls inside controls included.
void ForEachProgramControl(const std::function<void(HWND)>& visit);

}  // namespace ui
