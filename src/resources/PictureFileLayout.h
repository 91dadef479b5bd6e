#pragma once
// Reading the layout of the two Windows picture file formats that the program embeds, without Windows: the
// images of an icon file and the one to draw at a scale, the header of an uncompressed 24- or 32-bit bitmap
// file, and the size a JPEG file declares. Every offset and size is checked against the file's length, so the
// Win32 loader only ever reads inside the file.

#include <cstddef>
#include <optional>
#include <vector>

#include "resources/ImageDecoders.h"
#include "resources/ImageScaling.h"

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

// Every image of the file's directory in the file's order; none when the directory or any entry is out of bounds.
std::vector<IconImageEntry> IconImages(ImageBytes file);

// The first image is the icon at 96 DPI; at another scale the icon is `wanted` pixels, drawn from `image`, the
// smallest stored image that covers that size (the largest when none does).
struct IconChoice {
  IconImageEntry image;
  PixelSize wanted;
};
std::optional<IconChoice> ChooseIconImage(ImageBytes file, double scale);

// The pixels of one icon image: a 32-bit DIB with its alpha, a 24-bit DIB (or a 32-bit one whose alpha is all
// zero) with its AND mask as alpha 0 or 255, a PNG image through DecodePng. Other depths are refused.
struct IconPixels {
  RgbaImage image;
  bool maskOnly = false;  // the image has no alpha of its own: every pixel is shown or hidden
};
std::optional<IconPixels> DecodeIconImage(ImageBytes file, const IconImageEntry& entry);

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

// The rows of a bitmap that ReadBitmapLayout accepted, top row first; opaque, since such bitmaps are shown
// without blending whatever their fourth byte holds.
RgbaImage BitmapPixels(ImageBytes file, const BitmapFileLayout& layout);

// The width and height in a JPEG file's frame header; nothing when the file ends or a scan starts before it.
std::optional<PixelSize> JpegFrameSize(ImageBytes file);

}  // namespace resources
