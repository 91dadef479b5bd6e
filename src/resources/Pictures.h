#pragma once
// The program's embedded pictures turned into Windows icons and bitmaps at start-up. Each picture is stored in
// the program as its raw file (an RCDATA resource): icon files become icons, bitmap files keep their own bit
// depth, and the JPEG is decoded by the registered image decoders into a 32-bit bitmap.

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

// Pictures 1 to 18; an empty Picture when the number is out of range or the picture cannot be decoded.
Picture LoadImagePicture(int number);
Picture LoadButtonIcon(ButtonIcon which);

// The decoding itself, for any picture file held in memory; an empty Picture when it cannot be decoded.
Picture PictureFromFile(const void* data, std::size_t size);

}  // namespace resources
