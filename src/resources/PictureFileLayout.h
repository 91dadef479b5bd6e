#pragma once
// Reading the layout of the two Windows picture file formats that the program embeds, without Windows: the
// first image of an icon file, and the header of an uncompressed 24- or 32-bit bitmap file. Every offset and
// size is checked against the file's length, so the Win32 loader only ever reads inside the file.

#include <cstddef>
#include <optional>

#include "resources/ImageDecoders.h"

namespace resources {

enum class PictureFileKind { Icon, Bitmap, Other };

// Icon files start 00 00 01 00, bitmap files "BM"; anything else goes to the image decoders.
PictureFileKind KindOfPictureFile(ImageBytes file);

struct IconImageEntry {
  int width = 0;   // 1 to 256 (a 0 in the directory means 256)
  int height = 0;
  int bitCount = 0;
  std::size_t offset = 0;  // of the image's own bytes (a DIB with its AND mask, or a PNG) inside the file
  std::size_t size = 0;
};

// The first image of the file's directory, or nothing when the directory or the entry is out of bounds.
std::optional<IconImageEntry> FirstIconImage(ImageBytes file);

struct BitmapFileLayout {
  int width = 0;
  int height = 0;        // always positive; topDown tells the row order
  bool topDown = false;
  int bitCount = 0;      // 24 or 32
  std::size_t pixelOffset = 0;
  std::size_t stride = 0;  // bytes per row, rounded up to four
};

// Uncompressed (BI_RGB) 24- and 32-bit bitmaps whose pixel rows all lie inside the file; others are refused.
std::optional<BitmapFileLayout> ReadBitmapLayout(ImageBytes file);

}  // namespace resources
