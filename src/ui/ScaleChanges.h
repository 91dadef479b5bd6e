#pragma once
// A change of layout scale (a window moved to a monitor of another scale): everything the layer made is made again
// for the new scale, in place, so that lists keep their rows, selection and scroll position and every field its
// text. The layer re-applies what it made itself: every window's place and size, the control font, the pictures of
// image controls and buttons, the small images of combo boxes, list columns and status bar fields. A piece with a
// look of its own subscribes where it is made, and is told for as long as its window exists.

#include <windows.h>

#include <functional>

namespace ui {

enum class ScaleStep {
  // The program's pictures and fonts, made again under their numbers, before the windows show them again.
  Resources,
  // A piece's own fonts, pictures and layout, once every window has its place at the new scale.
  Look,
};

// Calls `apply` at every change of scale while `owner` exists; within a step, in the order of subscription.
void OnScaleChange(HWND owner, ScaleStep step, std::function<void()> apply);

// Makes the scale `scale` and everything again for it. `moved` goes to the suggested place with its frame at
// dotsPerInch; every window is painted once, at the end.
void ChangeLayoutScale(double scale, HWND moved, int dotsPerInch, const RECT& suggested);

}  // namespace ui
