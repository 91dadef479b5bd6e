#pragma once
// The program's whole run: start-up, the event loop and the exit sequence. Returns the exit code.

namespace app {

int RunProgram();

}  // namespace app
