#include "base/FileEntries.h"

#include <windows.h>

namespace base {

bool EntryExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace base
