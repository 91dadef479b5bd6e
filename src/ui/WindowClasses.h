#pragma once
// The window classes of the program's top-level windows and containers, and their window procedures: a top-level
// window hands every message first to its hook (ui/WindowHooks.h); a close or a menu command becomes an event,
// and both kinds of window turn their controls' notifications into events (ui/HostMessages.h).

#include <windows.h>

namespace ui {

inline constexpr const wchar_t* kTopLevelClass = L"TarvelleWindow";
inline constexpr const wchar_t* kContainerClass = L"TarvelleContainer";

// Registers both classes once; false when Windows refused one (no window of it can then be made).
bool RegisterWindowClasses();

// Registers a class of the program's own (double clicks, arrow cursor); a class already registered counts as
// registered. Background, icons: null for none.
bool RegisterWindowClass(const wchar_t* name, WNDPROC procedure, HBRUSH background = nullptr, HICON icon = nullptr,
                         HICON smallIcon = nullptr);

}  // namespace ui
