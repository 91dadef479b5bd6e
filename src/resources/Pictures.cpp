#include "resources/Pictures.h"

#include <array>
#include <cstring>
#include <optional>
#include <vector>

#include "base/Numbers.h"
#include "resources/ImageDecoders.h"
#include "resources/ImageScaling.h"
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

std::size_t Count(int n) { return static_cast<std::size_t>(n); }

// An icon built from pixels: a 32-bit colour image with its alpha, and an AND mask that hides what alpha hides.
// hardEdges keeps an icon that had only a mask that way: each pixel shown or hidden.
Picture IconFromPixels(const RgbaImage& image, bool hardEdges) {
  if (image.width <= 0 || image.height <= 0) return {};
  void* bits = nullptr;
  HBITMAP colour = CreateDibSection(image.width, -image.height, 32, &bits);
  if (!colour || !bits) {
    if (colour) DeleteObject(colour);
    return {};
  }
  const std::size_t width = Count(image.width);
  const std::size_t maskStride = (width + 15) / 16 * 2;  // monochrome bitmap rows are whole words
  std::vector<std::uint8_t> mask(maskStride * Count(image.height), 0);
  auto* out = static_cast<std::uint8_t*>(bits);
  for (std::size_t y = 0; y < Count(image.height); ++y) {
    for (std::size_t x = 0; x < width; ++x) {
      const std::size_t i = (y * width + x) * 4;
      std::uint8_t alpha = image.pixels[i + 3];
      if (hardEdges) alpha = alpha >= 128 ? 255 : 0;
      if (alpha == 0) {
        std::memset(out + i, 0, 4);
        mask[y * maskStride + x / 8] = static_cast<std::uint8_t>(mask[y * maskStride + x / 8] | (0x80 >> (x % 8)));
      } else {
        out[i + 0] = image.pixels[i + 2];
        out[i + 1] = image.pixels[i + 1];
        out[i + 2] = image.pixels[i + 0];
        out[i + 3] = alpha;
      }
    }
  }
  GdiFlush();
  HBITMAP maskBitmap = CreateBitmap(image.width, image.height, 1, 1, mask.data());
  ICONINFO info{TRUE, 0, 0, maskBitmap, colour};
  HICON icon = maskBitmap ? CreateIconIndirect(&info) : nullptr;  // copies both bitmaps
  if (maskBitmap) DeleteObject(maskBitmap);
  DeleteObject(colour);
  if (!icon) return {};
  return {icon, nullptr, image.width, image.height};
}

// The stored image of the size wanted is handed to Windows as it is; any other is scaled to that size.
Picture IconPicture(ImageBytes file, double scale) {
  const std::optional<IconChoice> choice = ChooseIconImage(file, scale);
  if (!choice) return {};
  const IconImageEntry& entry = choice->image;
  if (PixelSize{entry.width, entry.height} != choice->wanted) {
    const std::optional<IconPixels> pixels = DecodeIconImage(file, entry);
    if (!pixels) return {};
    return IconFromPixels(ResizeImage(pixels->image, choice->wanted), pixels->maskOnly);
  }
  if (entry.size > MAXDWORD) return {};
  // The API takes a non-const pointer but only reads the image.
  auto* image = const_cast<PBYTE>(file.data() + entry.offset);
  HICON icon = CreateIconFromResourceEx(image, static_cast<DWORD>(entry.size), TRUE, kIconFormatVersion,
                                        entry.width, entry.height, LR_DEFAULTCOLOR);
  if (!icon) return {};
  return {icon, nullptr, entry.width, entry.height};
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

// A top-down DIB section of 24 or 32 bits holding the image (in BGR or BGRA order).
Picture BitmapFromPixels(const RgbaImage& image, int bitCount) {
  if (image.width <= 0 || image.height <= 0) return {};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDibSection(image.width, -image.height, bitCount, &bits);
  if (!bitmap || !bits) {
    if (bitmap) DeleteObject(bitmap);
    return {};
  }
  const std::size_t width = Count(image.width);
  const std::size_t bytesPerPixel = Count(bitCount / 8);
  const std::size_t stride = (width * Count(bitCount) + 31) / 32 * 4;
  auto* out = static_cast<std::uint8_t*>(bits);
  for (std::size_t y = 0; y < Count(image.height); ++y) {
    for (std::size_t x = 0; x < width; ++x) {
      const std::uint8_t* rgba = image.pixels.data() + (y * width + x) * 4;
      std::uint8_t* pixel = out + y * stride + x * bytesPerPixel;
      pixel[0] = rgba[2];
      pixel[1] = rgba[1];
      pixel[2] = rgba[0];
      if (bytesPerPixel == 4) pixel[3] = rgba[3];
    }
  }
  GdiFlush();
  return {nullptr, bitmap, image.width, image.height};
}

// JPEG (or PNG) through the image decoders, into a 32-bit DIB section.
Picture DecodedPicture(ImageBytes file) {
  const std::optional<RgbaImage> image = DecodeImageFile(file);
  if (!image) return {};
  return BitmapFromPixels(*image, 32);
}

std::optional<PixelSize> StoredFileSize(ImageBytes file) {
  if (KindOfPictureFile(file) != PictureFileKind::Bitmap) return JpegFrameSize(file);
  const std::optional<BitmapFileLayout> layout = ReadBitmapLayout(file);
  if (!layout) return std::nullopt;
  return PixelSize{layout->width, layout->height};
}

// A bitmap keeps its bit depth; a decoded JPEG is 32-bit, as at its stored size.
Picture ScaledFilePicture(ImageBytes file, PixelSize wanted) {
  if (KindOfPictureFile(file) == PictureFileKind::Bitmap) {
    const std::optional<BitmapFileLayout> layout = ReadBitmapLayout(file);
    if (!layout) return {};
    return BitmapFromPixels(ResizeImage(BitmapPixels(file, *layout), wanted), layout->bitCount);
  }
  const std::optional<RgbaImage> image = DecodeImageFile(file);
  if (!image) return {};
  return BitmapFromPixels(ResizeImage(*image, wanted), 32);
}

// A picture stored as one file per size, the 96-DPI one first.
Picture PictureFromFilesPerSize(const std::array<int, 3>& ids, double scale) {
  std::vector<ImageBytes> files;
  std::vector<PixelSize> sizes;
  for (int id : ids) {
    const ImageBytes file = ResourceBytes(id);
    const std::optional<PixelSize> size = StoredFileSize(file);
    if (!size) return {};
    files.push_back(file);
    sizes.push_back(*size);
  }
  const PixelSize wanted = ScaledSize(sizes.front(), scale);
  const std::size_t chosen = ChooseStoredSize(sizes, wanted).value_or(0);
  const ImageBytes file = files[chosen];
  if (sizes[chosen] == wanted) return PictureFromFile(file.data(), file.size());
  return ScaledFilePicture(file, wanted);
}

Picture PictureFromResource(int id, double scale) {
  const ImageBytes file = ResourceBytes(id);
  if (KindOfPictureFile(file) == PictureFileKind::Icon) return IconPicture(file, scale);
  return PictureFromFile(file.data(), file.size());
}

}  // namespace

Picture PictureFromFile(const void* data, std::size_t size) {
  if (!data || size == 0) return {};
  const ImageBytes file{static_cast<const std::uint8_t*>(data), size};
  switch (KindOfPictureFile(file)) {
    case PictureFileKind::Icon:
      return IconPicture(file, 1.0);
    case PictureFileKind::Bitmap:
      return BitmapPicture(file);
    case PictureFileKind::Other:
      break;
  }
  return DecodedPicture(file);
}

Picture LoadImagePicture(int number, double scale) {
  if (number < base::kFirstPicture || number > base::kLastPicture) return {};
  switch (number) {
    case base::kBannerPicture:
    case base::kSidePicture:
    case base::kAboutWindowPicture:
      return PictureFromFilesPerSize(
          {RES_IMAGE_BASE + number, RES_IMAGE_150_BASE + number, RES_IMAGE_200_BASE + number}, scale);
    default:
      return PictureFromResource(RES_IMAGE_BASE + number, scale);
  }
}

Picture LoadButtonIcon(ButtonIcon which, double scale) {
  switch (which) {
    case ButtonIcon::Rename:
      return PictureFromResource(RES_ICON_RENAME, scale);
    case ButtonIcon::Clear:
      return PictureFromResource(RES_ICON_CLEAR, scale);
    case ButtonIcon::Remove:
      return PictureFromResource(RES_ICON_REMOVE, scale);
    case ButtonIcon::Help:
      return PictureFromResource(RES_ICON_HELP, scale);
    case ButtonIcon::Quit:
      return PictureFromResource(RES_ICON_QUIT, scale);
    case ButtonIcon::Characters:
      return PictureFromResource(RES_ICON_CHARACTERS, scale);
  }
  return {};
}

}  // namespace resources
