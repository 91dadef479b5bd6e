#include "controls/CodeIcons.h"

#include <cstring>

namespace controls {

HICON CreateIconFromPixels(const std::vector<std::uint32_t>& pixels, int size) {
  if (size <= 0 || pixels.size() != static_cast<size_t>(size) * static_cast<size_t>(size)) return nullptr;
  BITMAPV5HEADER header{};
  header.bV5Size = sizeof(header);
  header.bV5Width = size;
  header.bV5Height = -size;
  header.bV5Planes = 1;
  header.bV5BitCount = 32;
  header.bV5Compression = BI_BITFIELDS;
  header.bV5RedMask = 0x00FF0000;
  header.bV5GreenMask = 0x0000FF00;
  header.bV5BlueMask = 0x000000FF;
  header.bV5AlphaMask = 0xFF000000;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HBITMAP colour = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits, nullptr, 0);
  ReleaseDC(nullptr, screen);
  if (!colour || !bits) {
    if (colour) DeleteObject(colour);
    return nullptr;
  }
  std::memcpy(bits, pixels.data(), pixels.size() * sizeof(std::uint32_t));
  // The mask is set where the picture is fully transparent, for drawing paths that ignore alpha.
  const int stride = ((size + 15) / 16) * 2;
  std::vector<unsigned char> maskBits(static_cast<size_t>(stride * size), 0);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      if ((pixels[static_cast<size_t>(y * size + x)] >> 24) == 0) {
        maskBits[static_cast<size_t>(y * stride + x / 8)] |= static_cast<unsigned char>(0x80 >> (x % 8));
      }
    }
  }
  HBITMAP mask = CreateBitmap(size, size, 1, 1, maskBits.data());
  ICONINFO info{};
  info.fIcon = TRUE;
  info.hbmColor = colour;
  info.hbmMask = mask;
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(colour);
  DeleteObject(mask);
  return icon;
}

HICON CreateArtIcon(ArtPicture picture, int size) {
  return CreateIconFromPixels(RenderIconArt(ArtLayersOf(picture), size), size);
}

ui::Image ArtImage(ArtPicture picture, int size) {
  ui::Image image;
  image.icon = CreateArtIcon(picture, size);
  image.width = image.icon ? size : 0;
  image.height = image.icon ? size : 0;
  return image;
}

}  // namespace controls
