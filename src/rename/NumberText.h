#pragma once
// Numbers as the numeric fields hold them and as new names write them. Window-free.

#include <cstdint>
#include <string>
#include <string_view>

namespace renaming {

// The integer a numeric field's text holds: leading spaces and tabs skipped, an optional `-` or `+`, then
// hexadecimal digits after `$`, binary digits after `%`, or decimal digits, up to the first character that is not a
// digit of that base. No digits give 0. The arithmetic is 64-bit and wraps past the 64-bit range.
std::int64_t TextValue(std::wstring_view text);

// The low 32 bits of a value, as a signed number: what the running numbers keep of `TextValue`.
std::int32_t LowInt32(std::int64_t value);

// `LowInt32(TextValue(text))`: the start value or the increment of a running number.
std::int32_t TextValue32(std::wstring_view text);

// a + b in signed 32-bit arithmetic that wraps (2147483647 + 1 gives -2147483648).
std::int32_t WrappingAdd(std::int32_t a, std::int32_t b);

// Decimal digits without padding or separators, with a leading `-` when negative.
std::wstring DecimalText(std::int64_t value);

}  // namespace renaming
