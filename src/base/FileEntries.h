#pragma once
// What the file system holds under a path, asked without opening it.

#include <string>

namespace base {

// A file or a folder of that name is there.
bool EntryExists(const std::wstring& path);

}  // namespace base
