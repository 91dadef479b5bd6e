#pragma once
// Ctrl + a letter as a command of a top-level window, as an accelerator would give it, but left to a text field
// that has the focus: there Ctrl+Z, Ctrl+C and the others keep their meaning for the text.

#include <windows.h>

namespace ui {

// Ctrl + `virtualKey` (without Shift or Alt) anywhere in the window numbered `windowNumber` becomes the menu event
// of `command`.
void BindControlKey(int windowNumber, UINT virtualKey, int command);

// For the message pump: true when the message is a bound key, whose command is then posted (held keys repeat
// nothing).
bool TakenByControlKey(const MSG& message);

}  // namespace ui
