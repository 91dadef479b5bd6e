#pragma once
// The program's messages to the user: modal platform message boxes over the program's active window.

#include <windows.h>

#include <string>

namespace ui {

enum class MessageIcon { None, Information, Question, Exclamation, Stop };

// Shows the box and returns the button pressed (IDOK, IDYES, IDNO...). buttons is MB_OK, MB_YESNO...
int ShowMessage(const std::wstring& title, const std::wstring& text, MessageIcon icon, UINT buttons = MB_OK);

}  // namespace ui
