#include "controls/ChevronPixels.h"

namespace controls {

namespace {

constexpr ChevronPixels kOpenChevrons{{{-3, 3},  {-2, 3},  {2, 3},   {3, 3},   {-2, 2},  {-1, 2},  {1, 2},
                                       {2, 2},   {-1, 1},  {0, 1},   {0, 1},   {1, 1},   {0, 0},   {-3, -1},
                                       {-2, -1}, {2, -1},  {3, -1},  {-2, -2}, {-1, -2}, {1, -2},  {2, -2},
                                       {-1, -3}, {0, -3},  {0, -3},  {1, -3},  {0, -4}}};

constexpr ChevronPixels kFoldedChevrons{{{-3, -4}, {-2, -4}, {2, -4},  {3, -4},  {-2, -3}, {-1, -3}, {1, -3},
                                         {2, -3},  {-1, -2}, {0, -2},  {0, -2},  {1, -2},  {0, -1},  {-3, 0},
                                         {-2, 0},  {2, 0},   {3, 0},   {-2, 1},  {-1, 1},  {1, 1},   {2, 1},
                                         {-1, 2},  {0, 2},   {0, 2},   {1, 2},   {0, 3}}};

}  // namespace

const ChevronPixels& ChevronPixelsFor(int collapsed) { return collapsed ? kFoldedChevrons : kOpenChevrons; }

}  // namespace controls
