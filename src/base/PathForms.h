#pragma once
// The full, the long and the short form of a path, as the Win32 layer and the file system give them.

#include <string>

namespace base {

// The path made full in the current folder, as the Win32 layer normalises it (trailing dots and spaces of each part
// dropped); the path itself when that fails.
std::wstring FullPathForm(const std::wstring& path);
// Every part in its long form (a temporary folder may be reported as "C:\Users\JEAN~1\..."); the path itself when
// the file system gives none.
std::wstring LongPathForm(const std::wstring& path);
// Every part in its 8.3 form, where the file system keeps one; the path itself when it gives none.
std::wstring ShortPathForm(const std::wstring& path);

}  // namespace base
