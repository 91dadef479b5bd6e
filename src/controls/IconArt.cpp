#include "controls/IconArt.h"

#include <algorithm>
#include <cmath>

namespace controls {

namespace {

constexpr int kSamples = 4;

bool Covers(const ArtLayer& layer, double x, double y) {
  switch (layer.shape) {
    case ArtShape::Disc: {
      double dx = x - layer.x1, dy = y - layer.y1;
      return dx * dx + dy * dy <= layer.r * layer.r;
    }
    case ArtShape::Capsule: {
      double vx = layer.x2 - layer.x1, vy = layer.y2 - layer.y1;
      double length2 = vx * vx + vy * vy;
      double t = length2 > 0 ? ((x - layer.x1) * vx + (y - layer.y1) * vy) / length2 : 0;
      t = std::clamp(t, 0.0, 1.0);
      double dx = x - (layer.x1 + t * vx), dy = y - (layer.y1 + t * vy);
      return dx * dx + dy * dy <= layer.r * layer.r;
    }
    case ArtShape::RoundRect: {
      double left = std::min(layer.x1, layer.x2), right = std::max(layer.x1, layer.x2);
      double top = std::min(layer.y1, layer.y2), bottom = std::max(layer.y1, layer.y2);
      if (x < left || x > right || y < top || y > bottom) return false;
      double r = std::min(layer.r, std::min(right - left, bottom - top) / 2);
      double cx = std::clamp(x, left + r, right - r), cy = std::clamp(y, top + r, bottom - r);
      double dx = x - cx, dy = y - cy;
      return dx * dx + dy * dy <= r * r;
    }
  }
  return false;
}

struct Colour {
  double a = 0, r = 0, g = 0, b = 0;  // premultiplied, 0 to 1
};

Colour FromArgb(std::uint32_t argb, double coverage) {
  double a = ((argb >> 24) & 0xFF) / 255.0 * coverage;
  return {a, ((argb >> 16) & 0xFF) / 255.0 * a, ((argb >> 8) & 0xFF) / 255.0 * a, (argb & 0xFF) / 255.0 * a};
}

// Source over destination, both premultiplied.
Colour Over(const Colour& top, const Colour& below) {
  double rest = 1 - top.a;
  return {top.a + below.a * rest, top.r + below.r * rest, top.g + below.g * rest, top.b + below.b * rest};
}

std::uint32_t ToPixel(const Colour& c) {
  auto channel = [](double v) { return static_cast<std::uint32_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
  return channel(c.a) << 24 | channel(c.r) << 16 | channel(c.g) << 8 | channel(c.b);
}

ArtLayer Disc(double x, double y, double r, std::uint32_t colour) { return {ArtShape::Disc, x, y, 0, 0, r, colour}; }

ArtLayer Bar(double x1, double y1, double x2, double y2, double r, std::uint32_t colour) {
  return {ArtShape::Capsule, x1, y1, x2, y2, r, colour};
}

ArtLayer Box(double x1, double y1, double x2, double y2, double r, std::uint32_t colour) {
  return {ArtShape::RoundRect, x1, y1, x2, y2, r, colour};
}

constexpr std::uint32_t kWhite = 0xFFFFFFFF;
constexpr std::uint32_t kOutline = 0xFF3A4F73;

std::vector<ArtLayer> Sheet() {
  return {Box(0.18, 0.06, 0.82, 0.94, 0.06, kOutline), Box(0.22, 0.10, 0.78, 0.90, 0.04, 0xFFF8FBFF),
          Bar(0.32, 0.34, 0.68, 0.34, 0.025, 0xFF8FA6C8), Bar(0.32, 0.48, 0.68, 0.48, 0.025, 0xFF8FA6C8),
          Bar(0.32, 0.62, 0.58, 0.62, 0.025, 0xFF8FA6C8)};
}

std::vector<ArtLayer> Folder() {
  return {Box(0.06, 0.20, 0.46, 0.40, 0.06, 0xFFC98A12), Box(0.06, 0.28, 0.94, 0.86, 0.07, 0xFFD9961A),
          Box(0.06, 0.38, 0.94, 0.86, 0.07, 0xFFF4C04E), Bar(0.14, 0.46, 0.86, 0.46, 0.02, 0xFFFBE0A0)};
}

void AddPlus(std::vector<ArtLayer>& layers) {
  layers.push_back(Disc(0.72, 0.72, 0.27, 0xFF2E9E44));
  layers.push_back(Bar(0.58, 0.72, 0.86, 0.72, 0.055, kWhite));
  layers.push_back(Bar(0.72, 0.58, 0.72, 0.86, 0.055, kWhite));
}

std::vector<ArtLayer> Badge(std::uint32_t colour) {
  return {Disc(0.5, 0.5, 0.47, 0xFF1F3050), Disc(0.5, 0.5, 0.43, colour)};
}

}  // namespace

std::vector<std::uint32_t> RenderIconArt(const std::vector<ArtLayer>& layers, int size) {
  std::vector<std::uint32_t> pixels(static_cast<size_t>(size > 0 ? size * size : 0));
  for (int py = 0; py < size; ++py) {
    for (int px = 0; px < size; ++px) {
      Colour sum;
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          double x = (px + (sx + 0.5) / kSamples) / size, y = (py + (sy + 0.5) / kSamples) / size;
          Colour sample;
          for (const ArtLayer& layer : layers) {
            if (Covers(layer, x, y)) sample = Over(FromArgb(layer.colour, 1), sample);
          }
          sum.a += sample.a;
          sum.r += sample.r;
          sum.g += sample.g;
          sum.b += sample.b;
        }
      }
      constexpr double kCount = kSamples * kSamples;
      pixels[static_cast<size_t>(py * size + px)] = ToPixel({sum.a / kCount, sum.r / kCount, sum.g / kCount, sum.b / kCount});
    }
  }
  return pixels;
}

std::vector<ArtLayer> ArtLayersOf(ArtPicture picture) {
  std::vector<ArtLayer> layers;
  switch (picture) {
    case ArtPicture::FileSelection: return Sheet();
    case ArtPicture::Explorer: return Folder();
    case ArtPicture::AddFiles:
      layers = Sheet();
      AddPlus(layers);
      return layers;
    case ArtPicture::AddFolder:
      layers = Folder();
      AddPlus(layers);
      return layers;
    case ArtPicture::Rename:
      return {Bar(0.20, 0.80, 0.74, 0.26, 0.13, 0xFF2B3A55), Bar(0.22, 0.78, 0.72, 0.28, 0.09, 0xFFF2B632),
              Bar(0.66, 0.34, 0.76, 0.24, 0.09, 0xFFE0707A), Disc(0.17, 0.83, 0.06, 0xFF2B3A55),
              Bar(0.10, 0.92, 0.90, 0.92, 0.03, 0xFF4A6A9A)};
    case ArtPicture::RemoveSelection:
      layers = Badge(0xFFE0A020);
      layers.push_back(Bar(0.28, 0.5, 0.72, 0.5, 0.08, kWhite));
      return layers;
    case ArtPicture::ClearAll:
      layers = Badge(0xFFD23C3C);
      layers.push_back(Bar(0.32, 0.32, 0.68, 0.68, 0.07, kWhite));
      layers.push_back(Bar(0.68, 0.32, 0.32, 0.68, 0.07, kWhite));
      return layers;
    case ArtPicture::Characters:
      layers = Badge(0xFF6A4FC8);
      layers.push_back(Bar(0.30, 0.74, 0.50, 0.24, 0.06, kWhite));
      layers.push_back(Bar(0.50, 0.24, 0.70, 0.74, 0.06, kWhite));
      layers.push_back(Bar(0.38, 0.56, 0.62, 0.56, 0.05, kWhite));
      return layers;
    case ArtPicture::Help:
      layers = Badge(0xFF2F7FD8);
      layers.push_back(Bar(0.38, 0.36, 0.50, 0.26, 0.065, kWhite));
      layers.push_back(Bar(0.50, 0.26, 0.62, 0.36, 0.065, kWhite));
      layers.push_back(Bar(0.62, 0.36, 0.50, 0.50, 0.065, kWhite));
      layers.push_back(Bar(0.50, 0.50, 0.50, 0.58, 0.065, kWhite));
      layers.push_back(Disc(0.50, 0.74, 0.075, kWhite));
      return layers;
    case ArtPicture::Quit:
      layers = Badge(0xFF3C9A50);
      layers.push_back(Disc(0.5, 0.54, 0.24, kWhite));
      layers.push_back(Disc(0.5, 0.54, 0.16, 0xFF3C9A50));
      layers.push_back(Box(0.40, 0.14, 0.60, 0.46, 0.0, 0xFF3C9A50));
      layers.push_back(Bar(0.5, 0.22, 0.5, 0.50, 0.06, kWhite));
      return layers;
  }
  return layers;
}

}  // namespace controls
