#pragma once
// Only one instance runs: a second start brings the first window back and ends.

namespace app {

// Returns true when this instance may go on; false when another instance (or a window carrying the program's
// title) was found, in which case the caller ends the program with exit code 0 without touching the log.
bool SingleInstanceGuard();

}  // namespace app
