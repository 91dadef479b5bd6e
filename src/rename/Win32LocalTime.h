#pragma once
// The local clock for the rename log's date stamps.

#include "rename/LogLine.h"

namespace renaming {

// The local date and time now (GetLocalTime), read anew for every line.
LocalTime CurrentLocalTime();

}  // namespace renaming
