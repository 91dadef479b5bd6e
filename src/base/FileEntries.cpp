#include "base/FileEntries.h"

#include <windows.h>

#include "base/PathForms.h"

namespace base {

unsigned long EntryAttributes(const std::wstring& path) { return GetFileAttributesW(FileCallForm(path).c_str()); }

bool EntryExists(const std::wstring& path) { return EntryAttributes(path) != INVALID_FILE_ATTRIBUTES; }

bool IsReadOnly(const std::wstring& path) {
  DWORD attributes = EntryAttributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

void SetReadOnly(const std::wstring& path, bool readOnly) {
  const std::wstring entry = FileCallForm(path);
  DWORD attributes = GetFileAttributesW(entry.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return;
  // Only the attributes a program may set are given back; none of them at all reads "normal".
  constexpr DWORD kSettable = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                              FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED | FILE_ATTRIBUTE_OFFLINE |
                              FILE_ATTRIBUTE_TEMPORARY;
  DWORD wanted = readOnly ? (attributes | FILE_ATTRIBUTE_READONLY) : (attributes & ~FILE_ATTRIBUTE_READONLY);
  wanted &= kSettable;
  SetFileAttributesW(entry.c_str(), wanted == 0 ? FILE_ATTRIBUTE_NORMAL : wanted);
}

}  // namespace base
