#include "resources/PictureFileLayout.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <utility>

namespace resources {

namespace {

std::uint32_t Read16(ImageBytes bytes, std::size_t at) {
  return static_cast<std::uint32_t>(bytes[at] | (bytes[at + 1] << 8));
}

std::uint32_t Read32(ImageBytes bytes, std::size_t at) {
  return Read16(bytes, at) | (Read16(bytes, at + 2) << 16);
}

std::uint32_t ReadBigEndian16(ImageBytes bytes, std::size_t at) {
  return static_cast<std::uint32_t>((bytes[at] << 8) | bytes[at + 1]);
}

std::size_t RowBytes(std::size_t width, std::size_t bitCount) { return (width * bitCount + 31) / 32 * 4; }

constexpr std::size_t kIconDirectorySize = 6;
constexpr std::size_t kIconEntrySize = 16;
constexpr std::size_t kBitmapFileHeaderSize = 14;
constexpr std::size_t kBitmapInfoHeaderSize = 40;
constexpr std::uint32_t kUncompressed = 0;
constexpr int kMaxIconSide = 256;
constexpr std::uint8_t kPngSignature[] = {0x89, 'P', 'N', 'G'};

// Icon images are DIBs of twice their height: the colour rows, then the AND mask rows (1 = transparent).
std::optional<IconPixels> DecodeIconDib(ImageBytes image) {
  if (image.size() < kBitmapInfoHeaderSize) return std::nullopt;
  const std::uint32_t headerSize = Read32(image, 0);
  const auto width = static_cast<std::int32_t>(Read32(image, 4));
  const auto doubleHeight = static_cast<std::int32_t>(Read32(image, 8));
  const std::uint32_t bitCount = Read16(image, 14);
  const std::uint32_t compression = Read32(image, 16);
  if (headerSize < kBitmapInfoHeaderSize || headerSize > image.size() || compression != kUncompressed) {
    return std::nullopt;
  }
  if ((bitCount != 24 && bitCount != 32) || width <= 0 || width > kMaxIconSide || doubleHeight < 2 ||
      doubleHeight > 2 * kMaxIconSide) {
    return std::nullopt;
  }
  const auto w = static_cast<std::size_t>(width);
  const auto h = static_cast<std::size_t>(doubleHeight / 2);
  const std::size_t colourStride = RowBytes(w, bitCount);
  const std::size_t maskStride = RowBytes(w, 1);
  if ((colourStride + maskStride) * h > image.size() - headerSize) return std::nullopt;
  const std::size_t maskStart = headerSize + colourStride * h;
  const std::size_t bytesPerPixel = bitCount / 8;

  IconPixels out;
  out.image = {width, doubleHeight / 2, std::vector<std::uint8_t>(w * h * 4)};
  bool anyAlpha = false;
  for (std::size_t y = 0; y < h; ++y) {
    const std::size_t row = h - 1 - y;  // stored bottom-up
    for (std::size_t x = 0; x < w; ++x) {
      const std::size_t in = headerSize + row * colourStride + x * bytesPerPixel;
      std::uint8_t* pixel = &out.image.pixels[(y * w + x) * 4];
      pixel[0] = image[in + 2];
      pixel[1] = image[in + 1];
      pixel[2] = image[in];
      pixel[3] = bitCount == 32 ? image[in + 3] : 0;
      anyAlpha = anyAlpha || pixel[3] != 0;
    }
  }
  if (!anyAlpha) {
    out.maskOnly = true;
    for (std::size_t y = 0; y < h; ++y) {
      for (std::size_t x = 0; x < w; ++x) {
        const bool hidden = (image[maskStart + (h - 1 - y) * maskStride + x / 8] & (0x80 >> (x % 8))) != 0;
        out.image.pixels[(y * w + x) * 4 + 3] = hidden ? 0 : 255;
      }
    }
  }
  return out;
}

}  // namespace

PictureFileKind KindOfPictureFile(ImageBytes file) {
  if (file.size() >= 4 && file[0] == 0 && file[1] == 0 && file[2] == 1 && file[3] == 0) return PictureFileKind::Icon;
  if (file.size() >= 2 && file[0] == 'B' && file[1] == 'M') return PictureFileKind::Bitmap;
  return PictureFileKind::Other;
}

std::vector<IconImageEntry> IconImages(ImageBytes file) {
  if (KindOfPictureFile(file) != PictureFileKind::Icon || file.size() < kIconDirectorySize) return {};
  const std::size_t count = Read16(file, 4);
  if (count == 0 || file.size() < kIconDirectorySize + count * kIconEntrySize) return {};
  std::vector<IconImageEntry> images;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t entry = kIconDirectorySize + i * kIconEntrySize;
    IconImageEntry image;
    image.width = file[entry] == 0 ? 256 : file[entry];
    image.height = file[entry + 1] == 0 ? 256 : file[entry + 1];
    image.bitCount = static_cast<int>(Read16(file, entry + 6));
    image.size = Read32(file, entry + 8);
    image.offset = Read32(file, entry + 12);
    if (image.size == 0 || image.offset > file.size() || image.size > file.size() - image.offset) return {};
    images.push_back(image);
  }
  return images;
}

std::optional<IconChoice> ChooseIconImage(ImageBytes file, double scale) {
  const std::vector<IconImageEntry> images = IconImages(file);
  if (images.empty()) return std::nullopt;
  std::vector<PixelSize> sizes;
  for (const IconImageEntry& image : images) sizes.push_back({image.width, image.height});
  const PixelSize wanted = ScaledSize(sizes.front(), scale);
  return IconChoice{images[ChooseStoredSize(sizes, wanted).value_or(0)], wanted};
}

std::optional<IconPixels> DecodeIconImage(ImageBytes file, const IconImageEntry& entry) {
  if (entry.offset > file.size() || entry.size > file.size() - entry.offset) return std::nullopt;
  const ImageBytes image = file.subspan(entry.offset, entry.size);
  if (image.size() >= std::size(kPngSignature) &&
      std::equal(std::begin(kPngSignature), std::end(kPngSignature), image.begin())) {
    std::optional<RgbaImage> decoded = DecodePng(image);
    if (!decoded) return std::nullopt;
    return IconPixels{std::move(*decoded), false};
  }
  return DecodeIconDib(image);
}

std::optional<BitmapFileLayout> ReadBitmapLayout(ImageBytes file) {
  if (KindOfPictureFile(file) != PictureFileKind::Bitmap) return std::nullopt;
  if (file.size() < kBitmapFileHeaderSize + kBitmapInfoHeaderSize) return std::nullopt;
  const std::size_t info = kBitmapFileHeaderSize;
  const std::uint32_t infoSize = Read32(file, info);
  const auto width = static_cast<std::int32_t>(Read32(file, info + 4));
  const auto height = static_cast<std::int32_t>(Read32(file, info + 8));
  const std::uint32_t planes = Read16(file, info + 12);
  const std::uint32_t bitCount = Read16(file, info + 14);
  const std::uint32_t compression = Read32(file, info + 16);
  if (infoSize < kBitmapInfoHeaderSize || planes != 1 || compression != kUncompressed) return std::nullopt;
  if (bitCount != 24 && bitCount != 32) return std::nullopt;
  if (width <= 0 || width > kMaxImageSide || height == 0 || height < -kMaxImageSide || height > kMaxImageSide) {
    return std::nullopt;
  }

  BitmapFileLayout layout;
  layout.width = width;
  layout.height = std::abs(height);
  layout.topDown = height < 0;
  layout.bitCount = static_cast<int>(bitCount);
  layout.stride = RowBytes(static_cast<std::size_t>(width), bitCount);
  layout.pixelOffset = Read32(file, 10);
  const std::size_t pixelBytes = layout.stride * static_cast<std::size_t>(layout.height);
  if (layout.pixelOffset < info + infoSize || layout.pixelOffset > file.size() ||
      pixelBytes > file.size() - layout.pixelOffset) {
    return std::nullopt;
  }
  return layout;
}

RgbaImage BitmapPixels(ImageBytes file, const BitmapFileLayout& layout) {
  const auto w = static_cast<std::size_t>(layout.width);
  const auto h = static_cast<std::size_t>(layout.height);
  const auto bytesPerPixel = static_cast<std::size_t>(layout.bitCount / 8);
  RgbaImage image{layout.width, layout.height, std::vector<std::uint8_t>(w * h * 4)};
  for (std::size_t y = 0; y < h; ++y) {
    const std::size_t row = layout.topDown ? y : h - 1 - y;
    for (std::size_t x = 0; x < w; ++x) {
      const std::size_t in = layout.pixelOffset + row * layout.stride + x * bytesPerPixel;
      std::uint8_t* pixel = &image.pixels[(y * w + x) * 4];
      pixel[0] = file[in + 2];
      pixel[1] = file[in + 1];
      pixel[2] = file[in];
      pixel[3] = 255;
    }
  }
  return image;
}

std::optional<PixelSize> JpegFrameSize(ImageBytes file) {
  if (file.size() < 2 || file[0] != 0xFF || file[1] != 0xD8) return std::nullopt;
  std::size_t at = 2;
  while (at + 4 <= file.size()) {
    if (file[at] != 0xFF) return std::nullopt;
    const std::uint8_t marker = file[at + 1];
    if (marker == 0xFF) {  // fill byte before a marker
      ++at;
      continue;
    }
    if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {  // markers without a length
      at += 2;
      continue;
    }
    if (marker == 0xD9 || marker == 0xDA) return std::nullopt;  // end of image, or a scan before any frame
    const std::size_t length = ReadBigEndian16(file, at + 2);
    if (length < 2 || length > file.size() - at - 2) return std::nullopt;
    // Start-of-frame markers C0 to CF, except DHT (C4), JPG (C8) and DAC (CC).
    if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) {
      if (length < 7) return std::nullopt;
      const auto height = static_cast<int>(ReadBigEndian16(file, at + 5));
      const auto width = static_cast<int>(ReadBigEndian16(file, at + 7));
      if (width == 0 || height == 0) return std::nullopt;
      return PixelSize{width, height};
    }
    at += 2 + length;
  }
  return std::nullopt;
}

}  // namespace resources
