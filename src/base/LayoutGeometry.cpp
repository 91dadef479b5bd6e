#include "base/LayoutGeometry.h"

#include <algorithm>
#include <cmath>

namespace base {

int ScaledEdge(int value, double scale) { return static_cast<int>(std::lround(value * scale)); }

LayoutBox ScaledBox(const LayoutBox& design, double scale) {
  const int left = ScaledEdge(design.x, scale);
  const int top = ScaledEdge(design.y, scale);
  return {left, top, ScaledEdge(design.x + design.width, scale) - left,
          ScaledEdge(design.y + design.height, scale) - top};
}

int ScaledLength(int value, double scale) {
  const int scaled = ScaledEdge(value, scale);
  return value > 0 ? std::max(1, scaled) : scaled;
}

int ScaledDotsPerInch(double scale) { return ScaledEdge(kDesignDotsPerInch, scale); }

double FittingLayoutScale(int dotsPerInch, int designWidth, int designHeight, FrameSize frame, int workWidth,
                          int workHeight) {
  double scale = (dotsPerInch > 0 ? dotsPerInch : kDesignDotsPerInch) / static_cast<double>(kDesignDotsPerInch);
  if (designWidth > 0 && workWidth > 0) {
    scale = std::min(scale, (workWidth - frame.width) / static_cast<double>(designWidth));
  }
  if (designHeight > 0 && workHeight > 0) {
    scale = std::min(scale, (workHeight - frame.height) / static_cast<double>(designHeight));
  }
  // A scale that rounds the client area up by half a pixel could still overflow by one: take it a hair lower.
  while (scale > kSmallestLayoutScale &&
         ((workWidth > 0 && ScaledEdge(designWidth, scale) + frame.width > workWidth) ||
          (workHeight > 0 && ScaledEdge(designHeight, scale) + frame.height > workHeight))) {
    scale -= 1.0 / 1024;
  }
  return std::max(scale, kSmallestLayoutScale);
}

namespace {

int Centred(int low, int high, int size) { return std::max(low, low + (high - low - size) / 2); }

// Moves [start, start + size) inside [low, high) where it can; its start never leaves the range.
int KeptInside(int start, int size, int low, int high) {
  start = std::min(start, high - size);
  return std::max(start, low);
}

}  // namespace

WindowPlace CentredInWorkArea(const WorkArea& area, int outerWidth, int outerHeight) {
  return {Centred(area.left, area.right, outerWidth), Centred(area.top, area.bottom, outerHeight)};
}

WindowPlace CentredOver(const WorkArea& around, const WorkArea& area, int outerWidth, int outerHeight) {
  const int x = around.left + (around.right - around.left - outerWidth) / 2;
  const int y = around.top + (around.bottom - around.top - outerHeight) / 2;
  return {KeptInside(x, outerWidth, area.left, area.right), KeptInside(y, outerHeight, area.top, area.bottom)};
}

}  // namespace base
