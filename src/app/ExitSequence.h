#pragma once
// The end of the run: the rename log is deleted, everything the program holds is released.

namespace app {

// Deletes the rename log (failure ignored) and releases windows, pictures, fonts and libraries.
// Returns the exit code, 0.
int ExitSequence();

// Releases what the program holds without touching the log (a second instance that stops at start-up).
void ReleaseProgramResources();

}  // namespace app
