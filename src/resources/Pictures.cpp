#include "resources/Pictures.h"

#include <cstring>
#include <optional>

#include "base/Numbers.h"
#include "resources/ImageDecoders.h"
#include "resources/PictureFileLayout.h"
#include "resources/ResourceIds.h"

namespace resources {

namespace {

constexpr DWORD kIconFormatVersion = 0x00030000;

// The bytes of an RCDATA resource of the program file; they stay mapped as long as the module is loaded.
ImageBytes ResourceBytes(int id) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (!found) return {};
  HGLOBAL loaded = LoadResource(module, found);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return {};
  return {static_cast<const std::uint8_t*>(data), SizeofResource(module, found)};
}

Picture IconPicture(ImageBytes file) {
  const std::optional<IconImageEntry> entry = FirstIconImage(file);
  if (!entry || entry->size > MAXDWORD) return {};
  // The API takes a non-const pointer but only reads the image.
  auto* image = const_cast<PBYTE>(file.data() + entry->offset);
  HICON icon = CreateIconFromResourceEx(image, static_cast<DWORD>(entry->size), TRUE, kIconFormatVersion,
                                        entry->width, entry->height, LR_DEFAULTCOLOR);
  if (!icon) return {};
  return {icon, nullptr, entry->width, entry->height};
}

HBITMAP CreateDibSection(int width, int height, int bitCount, void** bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = static_cast<WORD>(bitCount);
  info.bmiHeader.biCompression = BI_RGB;
  return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

// A DIB section of the file's own depth, rows copied as stored, so 24-bit stays 24-bit and 32-bit 32-bit.
Picture BitmapPicture(ImageBytes file) {
  const std::optional<BitmapFileLayout> layout = ReadBitmapLayout(file);
  if (!layout) return {};
  void* bits = nullptr;
  const int signedHeight = layout->topDown ? -layout->height : layout->height;
  HBITMAP bitmap = CreateDibSection(layout->width, signedHeight, layout->bitCount, &bits);
  if (!bitmap || !bits) {
    if (bitmap) DeleteObject(bitmap);
    return {};
  }
  std::memcpy(bits, file.data() + layout->pixelOffset, layout->stride * static_cast<std::size_t>(layout->height));
  GdiFlush();
  return {nullptr, bitmap, layout->width, layout->height};
}

// JPEG (or PNG) through the image decoders, into a top-down 32-bit DIB section in BGRA order.
Picture DecodedPicture(ImageBytes file) {
  const std::optional<RgbaImage> image = DecodeImageFile(file);
  if (!image) return {};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDibSection(image->width, -image->height, 32, &bits);
  if (!bitmap || !bits) {
    if (bitmap) DeleteObject(bitmap);
    return {};
  }
  auto* out = static_cast<std::uint8_t*>(bits);
  const std::size_t pixelCount = static_cast<std::size_t>(image->width) * static_cast<std::size_t>(image->height);
  for (std::size_t i = 0; i < pixelCount; ++i) {
    const std::uint8_t* rgba = image->pixels.data() + i * 4;
    out[i * 4 + 0] = rgba[2];
    out[i * 4 + 1] = rgba[1];
    out[i * 4 + 2] = rgba[0];
    out[i * 4 + 3] = rgba[3];
  }
  GdiFlush();
  return {nullptr, bitmap, image->width, image->height};
}

Picture PictureFromResource(int id) {
  const ImageBytes file = ResourceBytes(id);
  return PictureFromFile(file.data(), file.size());
}

}  // namespace

Picture PictureFromFile(const void* data, std::size_t size) {
  if (!data || size == 0) return {};
  const ImageBytes file{static_cast<const std::uint8_t*>(data), size};
  switch (KindOfPictureFile(file)) {
    case PictureFileKind::Icon:
      return IconPicture(file);
    case PictureFileKind::Bitmap:
      return BitmapPicture(file);
    case PictureFileKind::Other:
      break;
  }
  return DecodedPicture(file);
}

Picture LoadImagePicture(int number, double) {
  if (number < base::kFirstPicture || number > base::kLastPicture) return {};
  return PictureFromResource(RES_IMAGE_BASE + number);
}

Picture LoadButtonIcon(ButtonIcon which, double) {
  switch (which) {
    case ButtonIcon::Rename:
      return PictureFromResource(RES_ICON_RENAME);
    case ButtonIcon::Clear:
      return PictureFromResource(RES_ICON_CLEAR);
    case ButtonIcon::Remove:
      return PictureFromResource(RES_ICON_REMOVE);
    case ButtonIcon::Help:
      return PictureFromResource(RES_ICON_HELP);
    case ButtonIcon::Quit:
      return PictureFromResource(RES_ICON_QUIT);
    case ButtonIcon::Characters:
      return PictureFromResource(RES_ICON_CHARACTERS);
  }
  return {};
}

}  // namespace resources
