#pragma once
// Icons made in code from 32-bit pixels (CreateIconIndirect with a top-down 32-bit DIB and its mask).

#include <windows.h>

#include <cstdint>
#include <vector>

#include "controls/IconArt.h"
#include "ui/Objects.h"

namespace controls {

// An icon of size x size from premultiplied 0xAARRGGBB pixels, row by row from the top; null on failure.
HICON CreateIconFromPixels(const std::vector<std::uint32_t>& pixels, int size);

// One of the code-drawn pictograms as an icon, and as a picture with its size.
HICON CreateArtIcon(ArtPicture picture, int size);
ui::Image ArtImage(ArtPicture picture, int size);

}  // namespace controls
