#pragma once
// The parts of a file path that the program looks at: the name, the folder, the extension and the base name, and a
// folder path's trailing separator. Both `\` and `/` count as separators. Window-free; no letter case changes.

#include <string>
#include <string_view>

namespace base {

// `\` or `/`: either separates the parts of a path.
bool IsPathSeparator(wchar_t c);

// The text after the last `\` or `/`; the whole path when it has neither.
std::wstring NamePart(std::wstring_view path);
// The same, as a view into the path.
std::wstring_view NamePartView(std::wstring_view path);

// The path up to and including its last `\` or `/`; empty when it has neither.
std::wstring FolderPart(std::wstring_view path);

// The text after the last dot of the path, scanning backwards: empty when a `\`, `/` or space comes after the last
// dot, when there is no dot, when the dot is the first character of the path or follows a `\` or `/`. The
// extension stops at a `"`.
std::wstring FileExtension(std::wstring_view path);

// The name part without its extension: the text before the last dot of the name part, unless a space follows that
// dot, the dot is the name's first character, or the dot is its last character; then the whole name part.
std::wstring BaseName(std::wstring_view path);

// The path with a `\` appended when it ends with neither `\` nor `/` ("C:" gives "C:\"); empty stays empty.
std::wstring WithTrailingBackslash(std::wstring_view path);

}  // namespace base
