#pragma once
// The progress bar's position during a rename pass. Window-free.

namespace renaming {

// processed × 100 / n rounded to the nearest whole number, halves upwards (1 of 8 gives 13); 0 when n is not
// positive, so that an empty pass never divides by zero.
int ProgressPercent(int processed, int n);

}  // namespace renaming
