#pragma once
// Only one instance runs: a second start brings the first window back and ends, handing it the paths it was
// started with, if any.

#include <string>
#include <vector>

namespace app {

// Returns true when this instance may go on; false when another instance (or a window carrying the program's
// title) was found, in which case the caller ends the program with exit code 0 without touching the log.
// With paths, the running window gets them and comes to the front; one it could not take them gets a message.
bool SingleInstanceGuard(const std::vector<std::wstring>& paths = {});

}  // namespace app
