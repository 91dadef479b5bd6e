#pragma once
// The bare rename loop, timed in this process for comparison with the program's pass: per file the plain move,
// then one log line opened, appended and closed.

#include <string>

namespace bench {

// Renames `count` files `from`1.jpg, `from`2.jpg... of `folder` to `to`1.jpg... Returns the seconds taken, or a
// negative number when a rename failed.
double TimeBareRenames(const std::wstring& folder, const std::wstring& from, const std::wstring& to, int count);

// Reads the identity of `count` files `name`1.jpg... of `folder` from a handle of each (its index; the volume's
// serial number once), as a pass does after each move to keep it for an undo. Returns the seconds taken, or a negative number when a read failed.
double TimeBareIdentityReads(const std::wstring& folder, const std::wstring& name, int count);

}  // namespace bench
