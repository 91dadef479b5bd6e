#pragma once
// The status bar of a window: a picture field and a text field.

#include <windows.h>

namespace ui {

enum class FieldLook { Normal, Raised };

// Creates the status bar at the bottom of the window; null on failure.
HWND CreateStatusBar(int number, HWND window);
// Fields: widths of all fields but the last, which takes the rest.
void SetStatusFields(int number, const int* widths, int count);
void SetStatusFieldImage(int number, int field, int imageNumber, FieldLook look);
void SetStatusFieldText(int number, int field, const wchar_t* text, FieldLook look);

}  // namespace ui
