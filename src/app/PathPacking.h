#pragma once
// The paths a second start hands to the running program travel as one block of UTF-16 text: each path followed by
// a null character. Window-free.

#include <cstddef>
#include <string>
#include <vector>

namespace app {

std::wstring PackPaths(const std::vector<std::wstring>& paths);
// The block comes from another process: an odd byte count is refused (no path), empty pieces are skipped and a
// last piece without its null is still a path.
std::vector<std::wstring> UnpackPaths(const void* block, std::size_t bytes);

}  // namespace app
