#include "base/FileEntries.h"

#include <windows.h>

#include "base/PathForms.h"

namespace base {

bool EntryExists(const std::wstring& path) {
  return GetFileAttributesW(FileCallForm(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace base
