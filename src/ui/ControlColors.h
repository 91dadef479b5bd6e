#pragma once
// The colours the program gives its controls and containers, applied by their parents as Windows asks for them.

#include <windows.h>

namespace ui {

// Colours of a control (attribute 1 text, 2 background), applied by its parent. -1 clears one.
inline constexpr int kFrontColor = 1;
inline constexpr int kBackColor = 2;
void SetControlColor(int number, int attribute, COLORREF colour);
int GetControlColor(int number, int attribute);  // -1 when unset

// Answers a WM_CTLCOLOR* message the host window got for the control; false when neither the control nor the
// host has colours of its own.
bool ColorControl(HWND host, UINT message, HDC dc, HWND control, LRESULT* result);
// Fills a container's background with its colour, or the dialog colour when it has none.
void FillContainerBackground(HWND container, HDC dc);

}  // namespace ui
