#pragma once
// Creation of the standard controls the program uses, each under the current parent (ui/WindowHost.h) with its
// number as control id and the system's default control font, and the few queries every control answers.
// Every creation returns the control's window, or null on failure.

#include <windows.h>

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

enum ListFlags : unsigned {
  kListMultiSelect = 1u << 0,
  kListFullRowSelect = 1u << 1,
  kListGridLines = 1u << 2,
  kListNoBorder = 1u << 3,
  kListDoubleBuffer = 1u << 4,
  kListClientEdge = 1u << 5,
  kListVirtual = 1u << 6,  // the owner keeps the rows and answers LVN_GETDISPINFO
};
HWND CreateReportList(int number, int x, int y, int width, int height, const wchar_t* firstColumn, int firstWidth,
                      unsigned flags);
void AddListColumn(int number, int column, const wchar_t* title, int width);
// The title of the column at place `column`.
void SetListColumnTitle(int number, int column, const std::wstring& title);
// The place of the column that shows `subItem`, or -1.
int ListColumnOfSubItem(int number, int subItem);
// The subitem the column at place `index` shows, or -1.
int ListSubItemOfColumn(int number, int index);

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
void SetControlImage(int number, int imageNumber);

// The font every control gets unless told otherwise, made for the current layout scale.
HFONT DefaultControlFont();

// After a change of layout scale: controls that had the default font of the old scale take the new one; image
// controls and buttons show their picture again (its number now holds the picture for the new scale); the icons
// of the boxes with images are made again at the new small-icon size; and a list's columns grow or shrink by
// ratio (new scale / old scale).
void RefreshControlFonts(HFONT oldDefault);
void RefreshControlImages();
void RebuildSmallImages();
void RescaleListColumns(int number, double ratio);

}  // namespace ui
