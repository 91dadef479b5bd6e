#pragma once
// Small pictograms drawn in code: a stack of filled shapes in coordinates from 0 to 1, rendered with 4 x 4
// samples per pixel into premultiplied 32-bit BGRA pixels (the layout of a top-down 32-bit icon bitmap). Until the
// program's drawn icons are in, the demonstration window and the tests make their icons this way.

#include <cstdint>
#include <vector>

namespace controls {

enum class ArtShape { Disc, Capsule, RoundRect };

struct ArtLayer {
  ArtShape shape = ArtShape::Disc;
  // Disc: centre (x1, y1), radius r. Capsule: segment (x1, y1)-(x2, y2) of half-width r.
  // RoundRect: corners (x1, y1)-(x2, y2), corner radius r.
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0, r = 0;
  std::uint32_t colour = 0;  // 0xAARRGGBB, not premultiplied
};

// Pixels of a size x size picture, row by row from the top, each 0xAARRGGBB premultiplied by alpha.
std::vector<std::uint32_t> RenderIconArt(const std::vector<ArtLayer>& layers, int size);

// The pictograms the demonstration window and the tests use.
enum class ArtPicture {
  FileSelection,  // a sheet of paper with a folded corner
  Explorer,       // a folder
  AddFiles,       // a sheet with a plus
  AddFolder,      // a folder with a plus
  Rename,         // a pencil
  RemoveSelection,
  ClearAll,
  Characters,
  Help,
  Quit,
};
std::vector<ArtLayer> ArtLayersOf(ArtPicture picture);

}  // namespace controls
