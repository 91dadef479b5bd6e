#pragma once
// The program's embedded pictures turned into Windows icons and bitmaps at start-up. Each picture is stored in
// the program as its raw file (an RCDATA resource): icon files become icons, bitmap files keep their own bit
// depth, and the JPEG is decoded by the registered image decoders into a 32-bit bitmap.
//
// Every picture is stored at 96 DPI and at 1.5 and 2 times that size (icons in one file, the others in one file
// each). At a scale the picture is its 96-DPI size times the scale, rounded: the stored size nearest at or above
// it is taken as it is, or scaled down smoothly (above 2, the largest is enlarged). At scale 1 the picture is
// exactly the stored 96-DPI one.

#include <windows.h>

#include <cstddef>

namespace resources {

struct Picture {
  HICON icon = nullptr;
  HBITMAP bitmap = nullptr;
  int width = 0;
  int height = 0;
};

// The program writes the greeting in white over the banner (picture 7) from its left edge; this many pixels (at 96
// DPI, times the scale) stay dark for it, the widest greeting with room to spare. The name and the logo lie beyond.
inline constexpr int kBannerGreetingRoom = 700;

enum class ButtonIcon { Rename, Clear, Remove, Help, Quit, Characters };  // start-up loads them in this order

// Pictures 1 to 19; an empty Picture when the number is out of range or the picture cannot be decoded. width and
// height are the picture's real size in pixels.
Picture LoadImagePicture(int number, double scale = 1.0);
Picture LoadButtonIcon(ButtonIcon which, double scale = 1.0);

// The decoding itself, for any picture file held in memory, at 96 DPI (an icon file's first image); an empty
// Picture when it cannot be decoded.
Picture PictureFromFile(const void* data, std::size_t size);

}  // namespace resources
