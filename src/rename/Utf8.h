#pragma once
// UTF-8 for the rename log. Window-free.

#include <string>
#include <string_view>

namespace renaming {

// Encodes wide text as UTF-8 without a byte-order mark. A high surrogate followed by a low one is one code point
// (the UTF-16 of Windows); any other value in the surrogate range, or beyond U+10FFFF, is written as U+FFFD
// (EF BF BD), so that a file name Windows accepts but UTF-8 cannot hold still gives valid, readable text.
std::string EncodeUtf8(std::wstring_view text);

}  // namespace renaming
