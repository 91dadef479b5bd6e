#pragma once
// The status bar of a window: fields of pictures and texts, laid out again at another scale.

#include <windows.h>

namespace ui {

enum class FieldLook { Normal, Raised };

// Creates the status bar at the bottom of the window; null on failure.
HWND CreateStatusBar(int number, HWND window);
// Fields: widths of all fields but the last, which takes the rest.
void SetStatusFields(int number, const int* widths, int count);
void SetStatusFieldImage(int number, int field, int imageNumber, FieldLook look);
void SetStatusFieldText(int number, int field, const wchar_t* text, FieldLook look);
// After a change of scale: every bar takes its height and place for the new font and size of its window, its
// fields their widths at the new scale, and shows its pictures again (their numbers now hold the new ones).
void RefitStatusBars();

}  // namespace ui
