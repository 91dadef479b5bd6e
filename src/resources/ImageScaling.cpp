#include "resources/ImageScaling.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "base/LayoutGeometry.h"

namespace resources {

namespace {

// Rounded as every place and size of the layout is.
int ScaledSide(int side, double scale) {
  if (static_cast<double>(side) * scale >= kMaxImageSide) return kMaxImageSide;
  return std::clamp(base::ScaledLength(side, scale), 1, kMaxImageSide);
}

std::int64_t Area(PixelSize size) { return std::int64_t{size.width} * size.height; }

// The source pixels one output pixel takes, and how much of each.
struct Taps {
  int first = 0;
  std::vector<float> weights;
};

std::vector<Taps> TapsAlong(int from, int to) {
  std::vector<Taps> all(static_cast<std::size_t>(to));
  const double ratio = static_cast<double>(from) / to;
  for (int i = 0; i < to; ++i) {
    Taps& taps = all[static_cast<std::size_t>(i)];
    if (to < from) {
      // Shrinking: the part of each source pixel inside [start, end).
      const double start = i * ratio;
      const double end = (i + 1) * ratio;
      taps.first = static_cast<int>(start);
      for (int j = taps.first; j < from && j < end; ++j) {
        const double covered = std::min<double>(end, j + 1) - std::max<double>(start, j);
        taps.weights.push_back(static_cast<float>(covered / ratio));
      }
    } else {
      // Enlarging (or the same size): the two source pixels whose centres lie on either side.
      const double centre = std::clamp((i + 0.5) * ratio - 0.5, 0.0, static_cast<double>(from - 1));
      const int left = static_cast<int>(centre);
      const double toRight = centre - left;
      taps.first = left;
      taps.weights.push_back(static_cast<float>(1.0 - toRight));
      if (left + 1 < from && toRight > 0) taps.weights.push_back(static_cast<float>(toRight));
    }
  }
  return all;
}

}  // namespace

PixelSize ScaledSize(PixelSize at96, double scale) {
  if (!(scale > 0) || !std::isfinite(scale)) scale = 1.0;
  return {ScaledSide(at96.width, scale), ScaledSide(at96.height, scale)};
}

std::optional<std::size_t> ChooseStoredSize(std::span<const PixelSize> stored, PixelSize wanted) {
  std::optional<std::size_t> covering;
  std::optional<std::size_t> largest;
  for (std::size_t i = 0; i < stored.size(); ++i) {
    const PixelSize size = stored[i];
    if (!largest || Area(size) > Area(stored[*largest])) largest = i;
    const bool covers = size.width >= wanted.width && size.height >= wanted.height;
    if (covers && (!covering || Area(size) < Area(stored[*covering]))) covering = i;
  }
  return covering ? covering : largest;
}

RgbaImage ResizeImage(const RgbaImage& source, PixelSize size) {
  const auto inWidth = static_cast<std::size_t>(source.width);
  const auto inHeight = static_cast<std::size_t>(source.height);
  const auto outWidth = static_cast<std::size_t>(size.width);
  const auto outHeight = static_cast<std::size_t>(size.height);
  if (source.width <= 0 || source.height <= 0 || size.width <= 0 || size.height <= 0 ||
      source.pixels.size() < inWidth * inHeight * 4) {
    return {};
  }

  std::vector<float> premultiplied(inWidth * inHeight * 4);
  for (std::size_t i = 0; i < inWidth * inHeight; ++i) {
    const float alpha = source.pixels[i * 4 + 3] / 255.0f;
    for (std::size_t c = 0; c < 3; ++c) premultiplied[i * 4 + c] = source.pixels[i * 4 + c] * alpha;
    premultiplied[i * 4 + 3] = source.pixels[i * 4 + 3];
  }

  const std::vector<Taps> across = TapsAlong(source.width, size.width);
  std::vector<float> rows(outWidth * inHeight * 4, 0.0f);
  for (std::size_t y = 0; y < inHeight; ++y) {
    for (std::size_t x = 0; x < outWidth; ++x) {
      const Taps& taps = across[x];
      float* out = &rows[(y * outWidth + x) * 4];
      for (std::size_t k = 0; k < taps.weights.size(); ++k) {
        const float* in = &premultiplied[(y * inWidth + static_cast<std::size_t>(taps.first) + k) * 4];
        for (std::size_t c = 0; c < 4; ++c) out[c] += in[c] * taps.weights[k];
      }
    }
  }

  const std::vector<Taps> down = TapsAlong(source.height, size.height);
  RgbaImage result{size.width, size.height, std::vector<std::uint8_t>(outWidth * outHeight * 4)};
  for (std::size_t y = 0; y < outHeight; ++y) {
    const Taps& taps = down[y];
    for (std::size_t x = 0; x < outWidth; ++x) {
      float sum[4] = {};
      for (std::size_t k = 0; k < taps.weights.size(); ++k) {
        const float* in = &rows[((static_cast<std::size_t>(taps.first) + k) * outWidth + x) * 4];
        for (std::size_t c = 0; c < 4; ++c) sum[c] += in[c] * taps.weights[k];
      }
      std::uint8_t* out = &result.pixels[(y * outWidth + x) * 4];
      const float alpha = std::clamp(sum[3], 0.0f, 255.0f);
      for (std::size_t c = 0; c < 3; ++c) {
        const float straight = alpha > 0 ? sum[c] * 255.0f / alpha : 0.0f;
        out[c] = static_cast<std::uint8_t>(std::lround(std::clamp(straight, 0.0f, 255.0f)));
      }
      out[3] = static_cast<std::uint8_t>(std::lround(alpha));
    }
  }
  return result;
}

}  // namespace resources
