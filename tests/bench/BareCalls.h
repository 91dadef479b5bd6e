#pragma once
// The platform calls the program cannot do without, timed alone in this process for comparison: a folder
// listing, the inserts into a report list on screen (redraw held off, one repaint at the end) and one shell icon
// query per distinct icon.

#include <string>

namespace bench {

struct BareListing {
  double seconds = 0;
  int rows = 0;
  double megabytes = 0;
};

// Lists the entries of `folder` (ending with a backslash) whose names end in .jpg or .JPG into a fresh report
// list the size of the program's.
BareListing TimeBareListing(const std::wstring& folder);

}  // namespace bench
