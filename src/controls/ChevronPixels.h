#pragma once
// The double chevron of a group header, as pixel offsets from its centre, in drawing order (two entries repeat a
// pixel). An open group shows two upward chevrons, a folded one two downward chevrons.

#include <array>

#include "controls/PaneMetrics.h"

namespace controls {

inline constexpr int kChevronPixelCount = 26;
using ChevronPixels = std::array<PanePoint, kChevronPixelCount>;

const ChevronPixels& ChevronPixelsFor(int collapsed);

}  // namespace controls
