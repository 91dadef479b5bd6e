#pragma once
// What the file system holds under a path, asked without opening it, and its read-only attribute.

#include <string>

namespace base {

// The entry's attributes, read in the form file calls take (a path of any length); INVALID_FILE_ATTRIBUTES when
// nothing of that name is there.
unsigned long EntryAttributes(const std::wstring& path);
// A file or a folder of that name is there.
bool EntryExists(const std::wstring& path);

// The entry is there and read-only.
bool IsReadOnly(const std::wstring& path);
// Sets or clears the read-only attribute of the entry and leaves its other attributes as they are.
void SetReadOnly(const std::wstring& path, bool readOnly);

}  // namespace base
