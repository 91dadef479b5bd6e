#pragma once
// The arithmetic of drawing a picture at the display's scale, without Windows: the size it takes, which of its
// stored sizes to start from, and the resampling itself.

#include <cstddef>
#include <optional>
#include <span>

#include "resources/ImageDecoders.h"

namespace resources {

struct PixelSize {
  int width = 0;
  int height = 0;
  bool operator==(const PixelSize&) const = default;
};

// The picture's size at `scale` times its 96-DPI size: each side rounded to the nearest pixel (halves up), at
// least 1 and at most kMaxImageSide. A scale that is not a positive number counts as 1.
PixelSize ScaledSize(PixelSize at96, double scale);

// The stored size to draw `wanted` from: the smallest that covers it in both directions, so that the picture is
// only ever scaled down; the largest when none does. Of equal sizes the first is taken. Nothing when none is stored.
std::optional<std::size_t> ChooseStoredSize(std::span<const PixelSize> stored, PixelSize wanted);

// The image resampled to `size` with premultiplied alpha, so that transparent pixels lend no colour: each pixel
// averages the source area it covers when shrinking, and blends the two nearest source pixels linearly when
// enlarging (each direction on its own). The same size gives the same pixels, fully transparent ones black.
RgbaImage ResizeImage(const RgbaImage& source, PixelSize size);

}  // namespace resources
