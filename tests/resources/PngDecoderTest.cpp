#include <png.h>

#include <gtest/gtest.h>

#include "resources/ImageDecoders.h"
#include "resources/TestImageFiles.h"

namespace {

using resources::DecodePng;
using resources::RgbaImage;
using resources_test::EncodePng;
using resources_test::PngContent;

struct Rgba {
  int r, g, b, a;
};

Rgba PixelAt(const RgbaImage& image, int x, int y) {
  const std::size_t at = (static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) + x) * 4;
  return {image.pixels[at], image.pixels[at + 1], image.pixels[at + 2], image.pixels[at + 3]};
}

void ExpectPixels(const RgbaImage& image, int width, const std::vector<Rgba>& expected, const char* what) {
  ASSERT_EQ(image.width, width) << what;
  ASSERT_EQ(image.height, static_cast<int>(expected.size()) / width) << what;
  ASSERT_EQ(image.pixels.size(), expected.size() * 4) << what;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const int x = static_cast<int>(i) % width;
    const int y = static_cast<int>(i) / width;
    const Rgba got = PixelAt(image, x, y);
    const Rgba& want = expected[i];
    EXPECT_TRUE(got.r == want.r && got.g == want.g && got.b == want.b && got.a == want.a)
        << what << ": pixel (" << x << "," << y << ") is " << got.r << "," << got.g << "," << got.b << ","
        << got.a << ", expected " << want.r << "," << want.g << "," << want.b << "," << want.a;
  }
}

PngContent ThreeByTwoRgba() {
  PngContent content{3, 2, PNG_COLOR_TYPE_RGB_ALPHA, 8, false, {}, {}, {}};
  content.rows = {255, 0, 0, 255,   0, 255, 0, 128,   0, 0, 255, 0,
               10, 20, 30, 40,   255, 255, 255, 255, 68, 94, 138, 200};
  return content;
}

struct PngCase {
  const char* name;
  PngContent content;
  std::vector<Rgba> expected;
};

// Every colour type and depth comes out as 8-bit RGBA, top row first.
TEST(DecodePng, ExpandsEveryColourTypeToRgba8) {
  PngContent interlaced = ThreeByTwoRgba();
  interlaced.interlaced = true;
  const std::vector<Rgba> threeByTwo = {{255, 0, 0, 255}, {0, 255, 0, 128}, {0, 0, 255, 0},
                                        {10, 20, 30, 40}, {255, 255, 255, 255}, {68, 94, 138, 200}};
  const PngCase cases[] = {
      {"RGBA 8-bit", ThreeByTwoRgba(), threeByTwo},
      {"RGBA 8-bit interlaced", interlaced, threeByTwo},
      {"RGB 8-bit gets opaque alpha",
       {2, 1, PNG_COLOR_TYPE_RGB, 8, false, {1, 2, 3, 250, 251, 252}, {}, {}},
       {{1, 2, 3, 255}, {250, 251, 252, 255}}},
      {"grey 8-bit", {2, 1, PNG_COLOR_TYPE_GRAY, 8, false, {0, 77}, {}, {}}, {{0, 0, 0, 255}, {77, 77, 77, 255}}},
      {"grey and alpha 8-bit",
       {2, 1, PNG_COLOR_TYPE_GRAY_ALPHA, 8, false, {200, 10, 30, 255}, {}, {}},
       {{200, 200, 200, 10}, {30, 30, 30, 255}}},
      {"grey 1-bit", {3, 1, PNG_COLOR_TYPE_GRAY, 1, false, {0b10100000}, {}, {}},
       {{255, 255, 255, 255}, {0, 0, 0, 255}, {255, 255, 255, 255}}},
      {"palette 2-bit with transparency",
       {3, 1, PNG_COLOR_TYPE_PALETTE, 2, false, {0b00011000}, {{9, 8, 7}, {90, 121, 174}, {242, 153, 46}}, {0, 100}},
       {{9, 8, 7, 0}, {90, 121, 174, 100}, {242, 153, 46, 255}}},
      {"RGB 16-bit scaled to 8",
       {1, 1, PNG_COLOR_TYPE_RGB, 16, false, {0xFF, 0xFF, 0x80, 0x80, 0x00, 0x00}, {}, {}},
       {{255, 128, 0, 255}}},
  };
  for (const PngCase& c : cases) {
    const std::vector<std::uint8_t> file = EncodePng(c.content);
    ASSERT_FALSE(file.empty()) << c.name << ": the test could not write its PNG";
    const std::optional<RgbaImage> image = DecodePng(file);
    ASSERT_TRUE(image.has_value()) << c.name << ": a valid PNG was refused";
    ExpectPixels(*image, c.content.width, c.expected, c.name);
  }
}

TEST(DecodePng, RefusesEveryTruncationOfAValidFile) {
  const std::vector<std::uint8_t> file = EncodePng(ThreeByTwoRgba());
  ASSERT_TRUE(DecodePng(file).has_value()) << "the whole file must decode";
  for (std::size_t length = 0; length < file.size(); ++length) {
    EXPECT_FALSE(DecodePng({file.data(), length}).has_value()) << "file cut to " << length << " of " << file.size();
  }
}

// Offsets in a PNG: 8-byte signature, then IHDR: length (4), type (4), width (4) at 16, height (4) at 20, ...
void PatchHeaderSize(std::vector<std::uint8_t>& file, std::uint32_t width, std::uint32_t height) {
  auto put32 = [&file](std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
      file[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (24 - 8 * i));
    }
  };
  put32(16, width);
  put32(20, height);
  put32(29, resources_test::PngChunkCrc(file.data() + 12, 17));
}

TEST(DecodePng, RefusesCorruptOrOversizedFiles) {
  const std::vector<std::uint8_t> valid = EncodePng(ThreeByTwoRgba());
  struct Corruption {
    const char* name;
    std::vector<std::uint8_t> file;
  };
  std::vector<Corruption> cases;
  cases.push_back({"empty", {}});
  cases.push_back({"signature only", {valid.begin(), valid.begin() + 8}});
  cases.push_back({"signature then garbage", {0x89, 'P', 'N', 'G', 13, 10, 26, 10, 1, 2, 3, 4, 5, 6, 7, 8, 9}});
  std::vector<std::uint8_t> badSignature = valid;
  badSignature[1] = 'Q';
  cases.push_back({"wrong signature", badSignature});
  std::vector<std::uint8_t> badCrc = valid;
  badCrc[18] ^= 0x40;  // width changed without its CRC
  cases.push_back({"header CRC mismatch", badCrc});
  std::vector<std::uint8_t> badData = valid;
  for (std::size_t i = 41; i < 49 && i < badData.size(); ++i) badData[i] ^= 0xA5;  // inside the compressed pixels
  cases.push_back({"scrambled compressed data", badData});
  std::vector<std::uint8_t> tooWide = valid;
  PatchHeaderSize(tooWide, 20000, 2);
  cases.push_back({"wider than the largest side", tooWide});
  std::vector<std::uint8_t> tooManyPixels = valid;
  PatchHeaderSize(tooManyPixels, 16000, 16000);
  cases.push_back({"more pixels than allowed", tooManyPixels});
  std::vector<std::uint8_t> zeroWidth = valid;
  PatchHeaderSize(zeroWidth, 0, 2);
  cases.push_back({"zero width", zeroWidth});

  for (const Corruption& c : cases) {
    EXPECT_FALSE(DecodePng(c.file).has_value()) << c.name;
  }
}

}  // namespace
