#pragma once
// The local clock for the rename log's date stamps.

#include "rename/LogLine.h"
#include "rename/RenameLoop.h"

namespace renaming {

// The local date and time now (GetLocalTime), read anew for every line.
LocalTime CurrentLocalTime();

class LocalClock : public Clock {
 public:
  LocalTime Now() override { return CurrentLocalTime(); }
};

}  // namespace renaming
