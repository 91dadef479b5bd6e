#pragma once
// The bare rename loop, timed in this process for comparison with the program's pass: per file the plain move,
// then one log line opened, appended and closed.

#include <string>

namespace bench {

// Renames `count` files `from`1.jpg, `from`2.jpg... of `folder` to `to`1.jpg... Returns the seconds taken, or a
// negative number when a rename failed.
double TimeBareRenames(const std::wstring& folder, const std::wstring& from, const std::wstring& to, int count);

}  // namespace bench
