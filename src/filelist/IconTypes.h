#pragma once
// Which files the shell draws with an icon of their own and which with the icon of their type: the list asks the
// shell once per type for the second kind. Window-free.

#include <string>
#include <string_view>

namespace filelist {

// The key under which files of this extension share an icon: the shell does not tell types apart by letter case.
std::wstring IconTypeKey(std::wstring_view extension);

// Types whose every file may show its own icon: programs, icons, cursors, shortcuts, screen savers, control panel
// items.
bool HasIconPerFile(std::wstring_view extension);

}  // namespace filelist
