#pragma once
// The paths the program is started with: what Explorer passes when files are dropped on the program's icon or
// sent with "Envoyer vers". Without arguments the program starts as it always did.

#include <string>
#include <vector>

namespace app {

// Each argument made a full path in this process's current folder, in its long form when it exists (Explorer may
// pass 8.3 forms). An argument that names nothing and begins with '/' or '-' is an option of no meaning here and is
// dropped; any other that names nothing is kept, to be reported as missing where it is added.
std::vector<std::wstring> CommandLinePaths();

}  // namespace app
