#include "resources/PictureFileLayout.h"

#include <cstdint>
#include <cstdlib>

namespace resources {

namespace {

std::uint32_t Read16(ImageBytes bytes, std::size_t at) {
  return static_cast<std::uint32_t>(bytes[at] | (bytes[at + 1] << 8));
}

std::uint32_t Read32(ImageBytes bytes, std::size_t at) {
  return Read16(bytes, at) | (Read16(bytes, at + 2) << 16);
}

constexpr std::size_t kIconDirectorySize = 6;
constexpr std::size_t kIconEntrySize = 16;
constexpr std::size_t kBitmapFileHeaderSize = 14;
constexpr std::size_t kBitmapInfoHeaderSize = 40;
constexpr std::uint32_t kUncompressed = 0;

}  // namespace

PictureFileKind KindOfPictureFile(ImageBytes file) {
  if (file.size() >= 4 && file[0] == 0 && file[1] == 0 && file[2] == 1 && file[3] == 0) return PictureFileKind::Icon;
  if (file.size() >= 2 && file[0] == 'B' && file[1] == 'M') return PictureFileKind::Bitmap;
  return PictureFileKind::Other;
}

std::optional<IconImageEntry> FirstIconImage(ImageBytes file) {
  if (KindOfPictureFile(file) != PictureFileKind::Icon) return std::nullopt;
  if (file.size() < kIconDirectorySize + kIconEntrySize || Read16(file, 4) == 0) return std::nullopt;
  const std::size_t entry = kIconDirectorySize;
  IconImageEntry image;
  image.width = file[entry] == 0 ? 256 : file[entry];
  image.height = file[entry + 1] == 0 ? 256 : file[entry + 1];
  image.bitCount = static_cast<int>(Read16(file, entry + 6));
  image.size = Read32(file, entry + 8);
  image.offset = Read32(file, entry + 12);
  if (image.size == 0 || image.offset > file.size() || image.size > file.size() - image.offset) return std::nullopt;
  return image;
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
  layout.stride = (static_cast<std::size_t>(width) * bitCount + 31) / 32 * 4;
  layout.pixelOffset = Read32(file, 10);
  const std::size_t pixelBytes = layout.stride * static_cast<std::size_t>(layout.height);
  if (layout.pixelOffset < info + infoSize || layout.pixelOffset > file.size() ||
      pixelBytes > file.size() - layout.pixelOffset) {
    return std::nullopt;
  }
  return layout;
}

}  // namespace resources
