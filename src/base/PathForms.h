#pragma once
// The long and the short form of an existing path, as the file system gives them.

#include <string>

namespace base {

// Every part in its long form (a temporary folder may be reported as "C:\Users\JEAN~1\..."); the path itself when
// the file system gives none.
std::wstring LongPathForm(const std::wstring& path);
// Every part in its 8.3 form, where the file system keeps one; the path itself when it gives none.
std::wstring ShortPathForm(const std::wstring& path);

}  // namespace base
