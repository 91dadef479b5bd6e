#include "rename/RenameProgress.h"

#include <cstdint>

namespace renaming {

int ProgressPercent(int processed, int n) {
  if (n <= 0) return 0;
  // 64-bit, so that a list of millions of rows cannot overflow the product.
  std::int64_t twice = 2 * static_cast<std::int64_t>(processed) * 100;
  return static_cast<int>((twice + n) / (2 * static_cast<std::int64_t>(n)));
}

}  // namespace renaming
