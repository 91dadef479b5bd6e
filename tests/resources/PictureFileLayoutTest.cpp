#include <gtest/gtest.h>

#include <algorithm>

#include "resources/PictureFileLayout.h"
#include "resources/TestImageFiles.h"

namespace {

using resources::BitmapFileLayout;
using resources::IconImageEntry;
using resources::KindOfPictureFile;
using resources::PictureFileKind;
using resources::PixelSize;
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

struct EntryFields {
  std::uint8_t width, height;
  std::uint32_t size, offset;
};

// An icon file's directory; the image bytes are arbitrary, only their place matters here. count, when given,
// is what the directory claims.
Bytes IconFile(const std::vector<EntryFields>& entries, std::size_t bytesPresent, int count = -1) {
  Bytes file;
  Put16(file, 0);
  Put16(file, 1);
  Put16(file, static_cast<std::uint32_t>(count < 0 ? static_cast<int>(entries.size()) : count));
  for (const EntryFields& e : entries) {
    file.insert(file.end(), {e.width, e.height, 0, 0});
    Put16(file, 1);
    Put16(file, 32);
    Put32(file, e.size);
    Put32(file, e.offset);
  }
  file.resize(bytesPresent, 0xAB);
  return file;
}

// A 16-pixel icon at three sizes, right after its directory of three entries (6 + 3 x 16 bytes).
Bytes ThreeSizes(std::size_t bytesPresent = 254) {
  return IconFile({{16, 16, 50, 54}, {24, 24, 70, 104}, {32, 32, 80, 174}}, bytesPresent);
}

TEST(IconImages, ReadsEveryEntryOnlyWhenAllLieInsideTheFile) {
  struct Case {
    const char* name;
    Bytes file;
    std::vector<IconImageEntry> expected;  // empty: refused
  };
  const Case cases[] = {
      {"one image right after the directory", IconFile({{24, 24, 100, 22}}, 122), {{24, 24, 32, 22, 100}}},
      {"three sizes", ThreeSizes(), {{16, 16, 32, 54, 50}, {24, 24, 32, 104, 70}, {32, 32, 32, 174, 80}}},
      {"0 in the directory means 256", IconFile({{0, 0, 10, 22}}, 32), {{256, 256, 32, 22, 10}}},
      {"last of three images one byte past the end", ThreeSizes(253), {}},
      {"second offset past the end", IconFile({{16, 16, 10, 38}, {24, 24, 1, 500}}, 100), {}},
      {"offset and size that wrap around", IconFile({{24, 24, 0xFFFFFFF0u, 32}}, 100), {}},
      {"empty image", IconFile({{24, 24, 0, 22}}, 40), {}},
      {"no entry in the directory", IconFile({{24, 24, 10, 22}}, 40, 0), {}},
      {"directory claims more entries than it holds", IconFile({{24, 24, 10, 22}}, 40, 3), {}},
      {"directory cut short", Bytes{0, 0, 1, 0, 1, 0, 24, 24}, {}},
  };
  for (const Case& c : cases) {
    const std::vector<IconImageEntry> images = resources::IconImages(c.file);
    ASSERT_EQ(images.size(), c.expected.size()) << c.name;
    for (std::size_t i = 0; i < images.size(); ++i) {
      const IconImageEntry& got = images[i];
      const IconImageEntry& want = c.expected[i];
      EXPECT_TRUE(got.width == want.width && got.height == want.height && got.bitCount == want.bitCount &&
                  got.offset == want.offset && got.size == want.size)
          << c.name << ": image " << i << " is " << got.width << " x " << got.height << " at " << got.offset;
    }
  }
}

TEST(ChooseIconImage, TakesTheFirstImageAsThe96DpiSizeAndTheSmallestThatCoversTheScale) {
  struct Case {
    double scale;
    int chosenWidth;
    PixelSize wanted;
  };
  const Case cases[] = {
      {1.0, 16, {16, 16}}, {0.8, 16, {13, 13}}, {1.0669, 24, {17, 17}}, {1.5, 24, {24, 24}}, {3.0, 32, {48, 48}},
  };
  const Bytes file = ThreeSizes();
  for (const Case& c : cases) {
    const std::optional<resources::IconChoice> choice = resources::ChooseIconImage(file, c.scale);
    ASSERT_TRUE(choice.has_value()) << c.scale;
    EXPECT_EQ(choice->image.width, c.chosenWidth) << "image drawn from at " << c.scale;
    EXPECT_EQ(choice->wanted, c.wanted) << "size at " << c.scale;
  }
  EXPECT_FALSE(resources::ChooseIconImage(ThreeSizes(253), 1.0).has_value()) << "a file with a broken entry";
}

// One 2 x 2 icon image: a DIB of double height, bottom row first, then its AND mask (rows of four bytes).
Bytes IconDib(std::uint32_t bitCount, const Bytes& colourRows, std::uint8_t maskTop, std::uint8_t maskBottom) {
  Bytes image;
  Put32(image, 40);
  Put32(image, 2);
  Put32(image, 4);
  Put16(image, 1);
  Put16(image, bitCount);
  for (int i = 0; i < 6; ++i) Put32(image, 0);
  image.insert(image.end(), colourRows.begin(), colourRows.end());
  image.insert(image.end(), {maskBottom, 0, 0, 0, maskTop, 0, 0, 0});
  return image;
}

TEST(DecodeIconImage, ReadsRowsTopFirstWithTheirAlphaOrTheirMask) {
  // Bottom row blue, green; top row red, white (BGR order; 24-bit rows padded to eight bytes).
  const Bytes rows24 = {255, 0, 0, 0, 255, 0, 0, 0, 0, 0, 255, 255, 255, 255, 0, 0};
  const Bytes rows32 = {255, 0, 0, 255, 0, 255, 0, 128, 0, 0, 255, 64, 255, 255, 255, 0};
  const Bytes noAlpha = {255, 0, 0, 0, 0, 255, 0, 0, 0, 0, 255, 0, 255, 255, 255, 0};
  Bytes cutMask = IconDib(32, rows32, 0, 0);
  cutMask.pop_back();
  struct Case {
    const char* name;
    Bytes image;
    bool valid;
    bool maskOnly;
    Bytes expected;  // RGBA, top row first
  };
  const Case cases[] = {
      {"32-bit keeps its alpha, whatever the mask",
       IconDib(32, rows32, 0x40, 0),
       true,
       false,
       {255, 0, 0, 64, 255, 255, 255, 0, 0, 0, 255, 255, 0, 255, 0, 128}},
      {"24-bit takes the mask",
       IconDib(24, rows24, 0x40, 0x80),
       true,
       true,
       {255, 0, 0, 255, 255, 255, 255, 0, 0, 0, 255, 0, 0, 255, 0, 255}},
      {"32-bit without alpha takes the mask",
       IconDib(32, noAlpha, 0x80, 0),
       true,
       true,
       {255, 0, 0, 0, 255, 255, 255, 255, 0, 0, 255, 255, 0, 255, 0, 255}},
      {"8-bit refused", IconDib(8, rows24, 0, 0), false, false, {}},
      {"mask cut short", cutMask, false, false, {}},
  };
  for (const Case& c : cases) {
    Bytes file = IconFile({{2, 2, static_cast<std::uint32_t>(c.image.size()), 22}}, 22);
    file.insert(file.end(), c.image.begin(), c.image.end());
    const std::optional<resources::IconPixels> pixels =
        resources::DecodeIconImage(file, resources::IconImages(file).at(0));
    ASSERT_EQ(pixels.has_value(), c.valid) << c.name;
    if (!pixels) continue;
    EXPECT_EQ(pixels->maskOnly, c.maskOnly) << c.name;
    EXPECT_EQ(pixels->image.width, 2) << c.name;
    EXPECT_EQ(pixels->image.height, 2) << c.name;
    EXPECT_EQ(pixels->image.pixels, c.expected) << c.name;
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

TEST(BitmapPixels, ReadsRowsTopFirstAsOpaqueRgba) {
  struct Case {
    const char* name;
    BitmapFields fields;
    Bytes rows;  // as stored, BGR(A)
    Bytes expected;
  };
  const Case cases[] = {
      {"24-bit, bottom row first, rows padded",
       {2, 2, 24, 0, 54, -1},
       {255, 0, 0, 0, 255, 0, 0, 0, 0, 0, 255, 9, 9, 9, 0, 0},
       {255, 0, 0, 255, 9, 9, 9, 255, 0, 0, 255, 255, 0, 255, 0, 255}},
      {"32-bit top-down, its fourth byte ignored",
       {1, -2, 32, 0, 54, -1},
       {1, 2, 3, 0, 4, 5, 6, 7},
       {3, 2, 1, 255, 6, 5, 4, 255}},
  };
  for (const Case& c : cases) {
    Bytes file = BitmapFile(c.fields);
    std::copy(c.rows.begin(), c.rows.end(), file.begin() + 54);
    const std::optional<BitmapFileLayout> layout = ReadBitmapLayout(file);
    ASSERT_TRUE(layout.has_value()) << c.name;
    EXPECT_EQ(resources::BitmapPixels(file, *layout).pixels, c.expected) << c.name;
  }
}

TEST(JpegFrameSize, ReadsTheFrameHeaderAndRefusesFilesWithoutOne) {
  const Bytes real = resources_test::EncodeJpeg(5, 3, resources_test::JpegColours::Grey, Bytes(15, 128));
  EXPECT_EQ(resources::JpegFrameSize(real), (PixelSize{5, 3})) << "a real JPEG file";
  struct Refused {
    const char* name;
    Bytes file;
  };
  const Refused refused[] = {
      {"cut before the frame", Bytes(real.begin(), real.begin() + 30)},
      {"scan before any frame", {0xFF, 0xD8, 0xFF, 0xDA, 0, 2, 0xFF, 0xC0, 0, 11, 8, 0, 3, 0, 5}},
      {"segment longer than the file", {0xFF, 0xD8, 0xFF, 0xE0, 0x40, 0, 0, 0}},
      {"not a JPEG", {0x89, 'P', 'N', 'G'}},
  };
  for (const Refused& r : refused) EXPECT_FALSE(resources::JpegFrameSize(r.file).has_value()) << r.name;
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
