#pragma once
// A vertical scroll container: an outer frame window with a vertical scroll bar and an inner canvas window, a
// child of the frame, that moves up and down inside it. The canvas has its own window class and procedure; it
// passes the notifications of the controls it holds on as events (ui/HostMessages.h), like any container.
//
// The frame is a control with a number, created under the current parent. Controls created in a ui::ChildList of
// the frame go into the canvas. Its background colour is its colour attribute 2 (ui::SetControlColor).

#include <windows.h>

namespace controls {

inline constexpr const wchar_t* kScrollFrameClass = L"TarvelleScrollFrame";
inline constexpr const wchar_t* kScrollCanvasClass = L"TarvelleScrollCanvas";
inline constexpr int kDefaultScrollStep = 10;

// Creates the frame at (x, y) of size width x height, with a canvas of innerWidth x innerHeight. Returns the frame
// window, null on failure; the frame's control number is its control id.
HWND CreateScrollContainer(int number, int x, int y, int width, int height, int innerWidth, int innerHeight,
                           int scrollStep, bool border);

// The canvas of a frame, null when the window is not a scroll container.
HWND ScrollCanvasOf(HWND frame);

// Sizes by control number; the getters give 0 for a number that is not a scroll container.
void SetScrollInnerWidth(int number, int width);
void SetScrollInnerHeight(int number, int height);
int ScrollInnerWidth(int number);
int ScrollInnerHeight(int number);
void SetScrollStep(int number, int step);
int ScrollStep(int number);
int ScrollOuterWidth(int number);
int ScrollOuterHeight(int number);
// How far the canvas is scrolled up, in pixels.
int ScrollPosition(int number);
void SetScrollPosition(int number, int position);

}  // namespace controls
