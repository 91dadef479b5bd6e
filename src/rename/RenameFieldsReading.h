#pragma once
// The rename criteria read from the main window's mode panels, once.

#include "rename/RenameFields.h"

namespace renaming {

RenameFields ReadRenameFields();

}  // namespace renaming
