#include <gtest/gtest.h>

#include "resources/PictureFileLayout.h"

namespace {

using resources::BitmapFileLayout;
using resources::FirstIconImage;
using resources::IconImageEntry;
using resources::KindOfPictureFile;
using resources::PictureFileKind;
using resources::ReadBitmapLayout;

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& bytes, std::uint32_t value) {
  bytes.push_back(static_cast<std::uint8_t>(value));
  bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(Bytes& bytes, std::uint32_t value) {
  Put16(bytes, value & 0xFFFF);
  Put16(bytes, value >> 16);
}

// An icon file with one directory entry; the image bytes are arbitrary, only their place matters here.
Bytes IconFile(std::uint8_t width, std::uint8_t height, std::uint32_t imageSize, std::uint32_t imageOffset,
               std::size_t bytesPresent, std::uint32_t count = 1) {
  Bytes file;
  Put16(file, 0);
  Put16(file, 1);
  Put16(file, count);
  file.insert(file.end(), {width, height, 0, 0});
  Put16(file, 1);
  Put16(file, 32);
  Put32(file, imageSize);
  Put32(file, imageOffset);
  file.resize(bytesPresent, 0xAB);
  return file;
}

struct IconCase {
  const char* name;
  Bytes file;
  bool valid;
  IconImageEntry expected;
};

TEST(FirstIconImage, ReadsTheFirstEntryOnlyWhenItLiesInsideTheFile) {
  const IconCase cases[] = {
      {"24 x 24 image right after the directory", IconFile(24, 24, 100, 22, 122), true, {24, 24, 32, 22, 100}},
      {"16 x 14 image", IconFile(16, 14, 10, 22, 40), true, {16, 14, 32, 22, 10}},
      {"0 in the directory means 256", IconFile(0, 0, 10, 22, 32), true, {256, 256, 32, 22, 10}},
      {"image one byte past the end", IconFile(24, 24, 100, 22, 121), false, {}},
      {"offset past the end", IconFile(24, 24, 1, 500, 100), false, {}},
      {"offset and size that wrap around", IconFile(24, 24, 0xFFFFFFF0u, 32, 100), false, {}},
      {"empty image", IconFile(24, 24, 0, 22, 40), false, {}},
      {"no entry in the directory", IconFile(24, 24, 10, 22, 40, 0), false, {}},
      {"directory cut short", Bytes{0, 0, 1, 0, 1, 0, 24, 24}, false, {}},
  };
  for (const IconCase& c : cases) {
    const std::optional<IconImageEntry> entry = FirstIconImage(c.file);
    ASSERT_EQ(entry.has_value(), c.valid) << c.name;
    if (!entry) continue;
    EXPECT_EQ(entry->width, c.expected.width) << c.name << ": width";
    EXPECT_EQ(entry->height, c.expected.height) << c.name << ": height";
    EXPECT_EQ(entry->bitCount, c.expected.bitCount) << c.name << ": bit count";
    EXPECT_EQ(entry->offset, c.expected.offset) << c.name << ": offset";
    EXPECT_EQ(entry->size, c.expected.size) << c.name << ": size";
  }
}

struct BitmapFields {
  std::int32_t width = 3;
  std::int32_t height = 2;
  std::uint32_t bitCount = 24;
  std::uint32_t compression = 0;
  std::uint32_t pixelOffset = 54;
  std::int64_t pixelBytesPresent = -1;  // -1: exactly what the rows need
};

Bytes BitmapFile(const BitmapFields& fields) {
  Bytes file = {'B', 'M'};
  Put32(file, 0);
  Put32(file, 0);
  Put32(file, fields.pixelOffset);
  Put32(file, 40);
  Put32(file, static_cast<std::uint32_t>(fields.width));
  Put32(file, static_cast<std::uint32_t>(fields.height));
  Put16(file, 1);
  Put16(file, fields.bitCount);
  Put32(file, fields.compression);
  for (int i = 0; i < 5; ++i) Put32(file, 0);
  const auto width = static_cast<std::size_t>(fields.width > 0 ? fields.width : 1);
  const std::size_t stride = (width * fields.bitCount + 31) / 32 * 4;
  const std::int64_t signedRows = fields.height;
  const auto rows = static_cast<std::size_t>(signedRows < 0 ? -signedRows : signedRows);
  const std::size_t present =
      fields.pixelBytesPresent < 0 ? stride * rows : static_cast<std::size_t>(fields.pixelBytesPresent);
  file.resize(std::max<std::size_t>(file.size(), fields.pixelOffset) + present, 0x5A);
  return file;
}

TEST(ReadBitmapLayout, ReadsUncompressed24And32BitBitmaps) {
  struct Case {
    const char* name;
    BitmapFields fields;
    BitmapFileLayout expected;
  };
  const Case cases[] = {
      {"24-bit, rows padded to four bytes", {3, 2, 24, 0, 54, -1}, {3, 2, false, 24, 54, 12}},
      {"32-bit", {180, 60, 32, 0, 54, -1}, {180, 60, false, 32, 54, 720}},
      {"24-bit banner width", {834, 60, 24, 0, 54, -1}, {834, 60, false, 24, 54, 2504}},
      {"top-down rows", {2, -5, 32, 0, 54, -1}, {2, 5, true, 32, 54, 8}},
      {"pixels after a gap", {1, 1, 24, 0, 70, -1}, {1, 1, false, 24, 70, 4}},
  };
  for (const Case& c : cases) {
    const std::optional<BitmapFileLayout> layout = ReadBitmapLayout(BitmapFile(c.fields));
    ASSERT_TRUE(layout.has_value()) << c.name;
    EXPECT_EQ(layout->width, c.expected.width) << c.name << ": width";
    EXPECT_EQ(layout->height, c.expected.height) << c.name << ": height";
    EXPECT_EQ(layout->topDown, c.expected.topDown) << c.name << ": row order";
    EXPECT_EQ(layout->bitCount, c.expected.bitCount) << c.name << ": bit count";
    EXPECT_EQ(layout->pixelOffset, c.expected.pixelOffset) << c.name << ": pixel offset";
    EXPECT_EQ(layout->stride, c.expected.stride) << c.name << ": stride";
  }
}

TEST(ReadBitmapLayout, RefusesBitmapsItCannotCopySafely) {
  struct Case {
    const char* name;
    BitmapFields fields;
  };
  const Case cases[] = {
      {"last row one byte short", {3, 2, 24, 0, 54, 23}},
      {"pixel offset inside the header", {3, 2, 24, 0, 40, -1}},
      {"pixel offset past the end", {3, 2, 24, 0, 5000, 0}},
      {"run-length compressed", {3, 2, 24, 1, 54, -1}},
      {"bit fields", {3, 2, 32, 3, 54, -1}},
      {"8-bit palette", {3, 2, 8, 0, 54, -1}},
      {"16-bit", {3, 2, 16, 0, 54, -1}},
      {"zero width", {0, 2, 24, 0, 54, 0}},
      {"negative width", {-3, 2, 24, 0, 54, -1}},
      {"zero height", {3, 0, 24, 0, 54, 0}},
      {"absurd height", {1, 0x7FFFFFFF, 24, 0, 54, 16}},
      {"most negative height", {1, INT32_MIN, 24, 0, 54, 16}},
  };
  for (const Case& c : cases) EXPECT_FALSE(ReadBitmapLayout(BitmapFile(c.fields)).has_value()) << c.name;
  EXPECT_FALSE(ReadBitmapLayout(Bytes{'B', 'M', 0, 0}).has_value()) << "file header cut short";
}

TEST(KindOfPictureFile, TellsIconsBitmapsAndOthersByTheirFirstBytes) {
  struct Case {
    const char* name;
    Bytes bytes;
    PictureFileKind kind;
  };
  const Case cases[] = {
      {"icon", {0, 0, 1, 0, 1, 0}, PictureFileKind::Icon},
      {"cursor is not an icon", {0, 0, 2, 0, 1, 0}, PictureFileKind::Other},
      {"bitmap", {'B', 'M', 1}, PictureFileKind::Bitmap},
      {"JPEG", {0xFF, 0xD8, 0xFF, 0xE0}, PictureFileKind::Other},
      {"one byte", {'B'}, PictureFileKind::Other},
      {"empty", {}, PictureFileKind::Other},
  };
  for (const Case& c : cases) EXPECT_EQ(KindOfPictureFile(c.bytes), c.kind) << c.name;
}

}  // namespace
