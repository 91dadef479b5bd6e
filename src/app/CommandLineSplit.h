#pragma once
// The words of a command line as the program reads them. A Windows path never holds a quote, so quotes only group
// words and a backslash is always a backslash: "C:\Photos\" stays C:\Photos\ where the C runtime's rules would take
// \" for a quote and run it into the next path. Window-free.

#include <string>
#include <string_view>
#include <vector>

namespace app {

// Spaces and tabs outside quotes separate words; quotes are dropped. The first word is the program's own path.
std::vector<std::wstring> SplitCommandLine(std::wstring_view line);

}  // namespace app
