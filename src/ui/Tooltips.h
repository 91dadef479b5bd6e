#pragma once
// Tooltips of controls: the platform's one-line tooltip, and the balloon with a title and an icon. A button that
// shows only a picture is named by its tip for screen readers: the title, or the text when there is no title.

#include <windows.h>

namespace ui {

// A balloon tooltip window of its own for one control: title with icon above the text, 200 pixels wide at most.
// Returns the tooltip window, or null.
HWND AttachBalloonTip(int control, const wchar_t* title, const wchar_t* text, HICON icon);

// The platform's ordinary one-line tooltip.
HWND AttachStandardTip(int control, const wchar_t* text);

}  // namespace ui
