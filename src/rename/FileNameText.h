#pragma once
// Which texts may go into a new file name. Window-free.

#include <string_view>

namespace renaming {

// The nine punctuation characters no file name may hold; the control characters U+0000 to U+001F are forbidden too.
inline constexpr std::wstring_view kForbiddenPunctuation = L"\"*/:<>?\\|";

// A control character (U+0000 to U+001F) or one of `kForbiddenPunctuation`.
bool IsForbiddenFileNameChar(wchar_t c);

// Not empty and free of forbidden characters. Spaces, dots, accented letters and [ ] = , ; are all accepted, also a
// text made only of spaces or only of dots; there is no length limit.
bool IsValidFileNameText(std::wstring_view text);

}  // namespace renaming
