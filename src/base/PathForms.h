#pragma once
// The full, the long and the short form of a path, as the Win32 layer and the file system give them, and the form
// a file-system call takes.

#include <string>

namespace base {

// The path made full in the current folder, as the Win32 layer normalises it (trailing dots and spaces of each part
// dropped); the path itself when that fails.
std::wstring FullPathForm(const std::wstring& path);
// The path as every file-system call of the program takes it. Windows refuses a path of 260 characters or more
// unless the system allows long paths, which it does not by default; such a path is made full first, as the Win32
// layer does to a shorter one (separators, "." and ".." parts, trailing dots and spaces), then given the `\\?\`
// prefix that lifts the limit. A shorter path, and one that already has a prefix, is given as it is.
std::wstring FileCallForm(const std::wstring& path);

// Every part in its long form (a temporary folder may be reported as "C:\Users\JEAN~1\..."); the path itself when
// the file system gives none.
std::wstring LongPathForm(const std::wstring& path);
// Every part in its 8.3 form, where the file system keeps one; the path itself when it gives none.
std::wstring ShortPathForm(const std::wstring& path);

}  // namespace base
