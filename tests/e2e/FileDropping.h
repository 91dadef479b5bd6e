#pragma once
// Drops files on a window of the program from this test process, as Windows Explorer does: the platform's drag
// and drop with a data object that offers the paths as a file list (CF_HDROP). The pointer is put over the window
// first; the drop is let go as soon as the window answers with an effect, and given up when it answers none.

#include <windows.h>
#include <ole2.h>

#include <string>
#include <vector>

namespace e2e {

struct DropOutcome {
  HRESULT result = E_FAIL;              // DRAGDROP_S_DROP when dropped, DRAGDROP_S_CANCEL when given up
  DWORD effect = DROPEFFECT_NONE;       // what the window made of it
  DWORD effectShown = DROPEFFECT_NONE;  // the last effect the cursor showed before the end
};

// `at` in screen coordinates.
DropOutcome DropFiles(POINT at, const std::vector<std::wstring>& paths);

}  // namespace e2e
